#include "display/geometry/fade_bands.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroWithoutOverflow) {
  EXPECT_EQ(mulDiv(255, 255, 256), 254);
  EXPECT_EQ(mulDiv(1, 1, 2), 1);
  EXPECT_EQ(mulDiv(-1, 1, 2), -1);
  EXPECT_EQ(mulDiv(128, 1, 256), 1);   // exactly one half
  EXPECT_EQ(mulDiv(127, 1, 256), 0);
  EXPECT_EQ(mulDiv(2'000'000'000, 3, 4), 1'500'000'000);
  EXPECT_EQ(mulDiv(5, 7, 0), 0);
}

TEST(FadeArea, GrowsBy80RowsWhileTheScrollBarIsShown) {
  EXPECT_EQ(fadeAreaHeight(600, false), 601);
  EXPECT_EQ(fadeAreaHeight(600, true), 680);
  EXPECT_EQ(fadeAreaWidth(800), 801);
}

TEST(FadeBands, CoverTheAreaFromBlackAtTheBottomToAlmostTheColourAtTheTop) {
  const Rgb colour{200, 128, 40};
  const auto bands = fadeBands(colour, 601);
  ASSERT_EQ(bands.size(), 256u);
  // Band 0 ends at the area's bottom, band 255 starts at its top, and each
  // band starts where the one below it ends.
  EXPECT_EQ(bands.front().bottom, 601);
  EXPECT_EQ(bands.back().top, 0);
  for (std::size_t k = 1; k < bands.size(); ++k) EXPECT_EQ(bands[k].bottom, bands[k - 1].top) << k;
  EXPECT_EQ(bands.front().colour, (Rgb{0, 0, 0}));
  EXPECT_EQ(bands.back().colour, (Rgb{199, 128, 40}));  // 200*255/256 = 199.2; 128*255/256 = 127.5
  EXPECT_EQ(bands[128].colour, (Rgb{100, 64, 20}));
}

TEST(FadeBands, BandEdgesFollowTheRoundedShareOfTheHeight) {
  const auto bands = fadeBands(Rgb{0, 255, 0}, 601);
  // Band 1: from 601 - MulDiv(2, 601, 256) = 601 - 5 to 601 - MulDiv(1, 601, 256) = 601 - 2.
  EXPECT_EQ(bands[1].top, 596);
  EXPECT_EQ(bands[1].bottom, 599);
  EXPECT_EQ(bands[1].colour.green, 1);
}

TEST(FadeBands, OnASurfaceLowerThanTheBandCountSomeBandsAreEmpty) {
  const auto bands = fadeBands(Rgb{255, 255, 255}, 100);
  int rows = 0;
  int empty = 0;
  for (const FadeBand& band : bands) {
    EXPECT_LE(band.top, band.bottom);
    rows += band.bottom - band.top;
    if (band.top == band.bottom) ++empty;
  }
  EXPECT_EQ(rows, 100);
  EXPECT_GT(empty, 0);
}

}  // namespace
}  // namespace kes
