#include "engine/deal_generator.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/card.h"

namespace kes {
namespace {

std::string joined(const std::vector<int>& order, std::size_t count) {
  std::ostringstream os;
  for (std::size_t i = 0; i < std::min(count, order.size()); ++i) os << (i ? " " : "") << cardCodeText(order[i]);
  return os.str();
}

bool isPermutation(std::vector<int> order, int n) {
  std::sort(order.begin(), order.end());
  std::vector<int> expected(static_cast<std::size_t>(n));
  std::iota(expected.begin(), expected.end(), 1);
  return order == expected;
}

TEST(DealGenerator, WorkedExamples) {
  EXPECT_EQ(joined(generateDeal("1", 52).order, 52),
            "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 012 032 021 "
            "002 041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 008 029 047 031 020 050 "
            "036 001");
  EXPECT_EQ(joined(generateDeal("1234567890123", 52).order, 52),
            "005 014 028 037 035 006 002 043 003 040 023 034 022 018 020 046 045 015 012 038 001 044 042 017 021 "
            "011 052 026 033 049 050 009 019 013 039 041 030 051 027 016 031 036 008 048 029 032 047 007 010 024 "
            "004 025");
  EXPECT_EQ(joined(generateDeal("1", 104).order, 16), "005 081 078 008 086 087 051 043 070 101 024 003 039 076 103 080");
}

TEST(DealGenerator, LeadingZerosAndTrailingSpacesDoNotMatter) {
  EXPECT_EQ(generateDeal("7", 52).order, generateDeal("0000000000007", 52).order);
  EXPECT_EQ(generateDeal("7   ", 104).order, generateDeal("7", 104).order);
  EXPECT_EQ(generateDeal("", 52).order, generateDeal("0000000000000", 52).order);
}

TEST(DealGenerator, LongerNumberKeepsItsLastThirteenDigits) {
  EXPECT_EQ(generateDeal("991234567890123", 52).order, generateDeal("1234567890123", 52).order);
}

TEST(DealGenerator, ZeroDigitAtEveryPositionStillGivesAPermutation) {
  for (int pos = 0; pos < 13; ++pos) {
    std::string number(13, '7');
    number[static_cast<std::size_t>(pos)] = '0';
    EXPECT_TRUE(isPermutation(generateDeal(number, 52).order, 52)) << number;
    EXPECT_TRUE(isPermutation(generateDeal(number, 104).order, 104)) << number;
  }
  EXPECT_TRUE(isPermutation(generateDeal("9999999999999", 52).order, 52));
  EXPECT_TRUE(isPermutation(generateDeal("1000000000000", 104).order, 104));
}

TEST(DealGenerator, ZeroDigitsChangeTheDeal) {
  // A 0 makes the rank choice and the free-slot search prefer the high end,
  // so numbers that differ only by a zero digit deal differently.
  EXPECT_NE(generateDeal("1111111111111", 52).order, generateDeal("1111110111111", 52).order);
}

TEST(DealGenerator, ManyNumbersGivePermutations) {
  std::mt19937_64 rng(20261209);
  std::uniform_int_distribution<long long> number(1, 9'999'999'999'999LL);
  for (int i = 0; i < 5000; ++i) {
    const std::string n = std::to_string(number(rng));
    ASSERT_TRUE(isPermutation(generateDeal(n, 52).order, 52)) << n;
    ASSERT_TRUE(isPermutation(generateDeal(n, 104).order, 104)) << n;
  }
  for (int n = 1; n <= 2000; ++n) ASSERT_TRUE(isPermutation(generateDeal(std::to_string(n), 52).order, 52)) << n;
}

TEST(DealGenerator, SmallCardCountsFillEverySlotWithDistinctCards) {
  const DealResult deal = generateDeal("42", 28);
  ASSERT_TRUE(deal.ok());
  ASSERT_EQ(deal.order.size(), 28u);
  std::vector<int> sorted = deal.order;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
  EXPECT_GE(sorted.front(), 1);
  EXPECT_LE(sorted.back(), 52);
}

TEST(DealGenerator, RefusesCardCountsItCannotDeal) {
  for (int n : {0, -1, 53, 78, 103, 105}) {
    const DealResult deal = generateDeal("1", n);
    EXPECT_FALSE(deal.ok()) << n;
    EXPECT_EQ(deal.error, "Error 01 - fnGameNumberCardsArray");
    EXPECT_TRUE(deal.order.empty()) << "no half-filled deal for " << n;
  }
}

TEST(DealGenerator, RefusesNumbersThatAreNotDigits) {
  EXPECT_FALSE(generateDeal("12a", 52).ok());
  EXPECT_FALSE(normalizeDealNumber("-5").has_value());
  EXPECT_EQ(normalizeDealNumber("42"), "0000000000042");
}

}  // namespace
}  // namespace kes
