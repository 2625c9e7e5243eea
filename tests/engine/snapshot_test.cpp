#include "engine/snapshot.h"

#include <gtest/gtest.h>

namespace kes {
namespace {

TEST(PileLine, RebuildsCardsWithTheirFaces) {
  TableState t;
  ASSERT_TRUE(readPileLine(t, PileId::tableau(0), "00110020"));
  EXPECT_EQ(t.pile(PileId::tableau(0)).codes(), "001002");
  EXPECT_TRUE(t.isFaceUp(1));
  EXPECT_FALSE(t.isFaceUp(2));
  EXPECT_EQ(pileLine(t, PileId::tableau(0)), "00110020");
}

TEST(PileLine, EmptyPileGivesEmptyLineAndPlaceholdersZeros) {
  TableState t;
  EXPECT_EQ(pileLine(t, PileId::reserve(2)), "");
  t.pile(PileId::tableau(1)).setCodes("000104");
  EXPECT_EQ(pileLine(t, PileId::tableau(1)), "00001041");
  ASSERT_TRUE(readPileLine(t, PileId::tableau(2), "00001041"));
  EXPECT_EQ(t.pile(PileId::tableau(2)).codes(), "000104");
}

TEST(PileLine, RejectsMalformedLines) {
  TableState t;
  EXPECT_FALSE(readPileLine(t, PileId::tableau(0), "001"));
  EXPECT_FALSE(readPileLine(t, PileId::tableau(0), "00a1"));
  EXPECT_FALSE(readPileLine(t, PileId::tableau(0), "0012"));
  EXPECT_FALSE(readPileLine(t, PileId::tableau(0), "1051"));
}

// A line cut short or edited by hand keeps its complete groups.
TEST(PileLine, DropsOnlyATrailingPartialGroup) {
  TableState t;
  EXPECT_FALSE(readPileLine(t, PileId::tableau(0), "00110020104"));
  EXPECT_EQ(t.pile(PileId::tableau(0)).codes(), "001002");
  EXPECT_TRUE(t.isFaceUp(1));
  EXPECT_FALSE(t.isFaceUp(2));
  EXPECT_FALSE(readPileLine(t, PileId::tableau(1), "040"));
  EXPECT_EQ(t.pile(PileId::tableau(1)).codes(), "") << "a partial group alone leaves an empty pile";

  Snapshot s{};
  s[static_cast<std::size_t>(PileId::tableau(2).ordinal())] = "0521052";
  EXPECT_FALSE(restoreSnapshot(t, s));
  EXPECT_EQ(t.pile(PileId::tableau(2)).codes(), "052");
}

TEST(Snapshot, RoundTripsTheWholeTable) {
  TableState t;
  for (int c = 1; c <= 104; ++c) t.appendCard(PileId::fromOrdinal(c % kPileCount), c, c % 3 != 0);
  const Snapshot s = takeSnapshot(t);
  EXPECT_EQ(s[0], pileLine(t, PileId::stock()));
  EXPECT_EQ(s[52], pileLine(t, PileId::reserve(7)));

  TableState restored;
  ASSERT_TRUE(restoreSnapshot(restored, s));
  for (int o = 0; o < kPileCount; ++o) EXPECT_EQ(restored.pileAt(o), t.pileAt(o)) << o;
  for (int c = 1; c <= 104; ++c) EXPECT_EQ(restored.isFaceUp(c), t.isFaceUp(c)) << c;
  EXPECT_EQ(takeSnapshot(restored), s);
}

}  // namespace
}  // namespace kes
