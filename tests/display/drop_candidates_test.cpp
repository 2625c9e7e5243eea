#include <gtest/gtest.h>

#include "display/geometry/drop_candidates.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

using test::putCards;
using test::setParams;
using test::Table;

const Rect kPile{100, 100, 171, 196};

TEST(Overlap, CornersInsideThePileGiveTheirOwnWeights) {
  // Top-left corner inside.
  EXPECT_EQ(overlapWeight(Rect{150, 150, 221, 246}, kPile), (171 - 150) * (196 - 150));
  // Bottom-right corner inside.
  EXPECT_EQ(overlapWeight(Rect{50, 50, 121, 146}, kPile), (121 - 100) * (146 - 100));
  // Top-right corner inside.
  EXPECT_EQ(overlapWeight(Rect{50, 150, 121, 246}, kPile), (196 - 150) * (121 - 100));
  // Bottom-left corner inside.
  EXPECT_EQ(overlapWeight(Rect{150, 50, 221, 146}, kPile), (171 - 150) * (146 - 100));
  // Edges belong to the rectangles.
  EXPECT_EQ(overlapWeight(Rect{171, 196, 242, 292}, kPile), 0);
  EXPECT_FALSE(overlapWeight(Rect{172, 150, 243, 246}, kPile));
}

TEST(Overlap, ATallRunIsSampledEveryFiftyPixelsDownItsSide) {
  // A run from above the pile to below it, its left edge inside the pile's columns.
  EXPECT_EQ(overlapWeight(Rect{120, 40, 191, 300}, kPile), (171 - 120) * (300 - 40));
  // Only its right edge within the columns.
  EXPECT_EQ(overlapWeight(Rect{60, 40, 131, 300}, kPile), (131 - 100) * (300 - 40));
  // Neither vertical edge within the columns: no overlap even when crossing.
  EXPECT_FALSE(overlapWeight(Rect{90, 40, 180, 300}, kPile));
  // The samples 40, 90, 140, 190 ...: rows 142..188 lie between two of them.
  EXPECT_FALSE(overlapWeight(Rect{120, 40, 191, 300}, Rect{100, 142, 171, 188}));
  EXPECT_TRUE(overlaps(Rect{120, 40, 191, 300}, Rect{100, 130, 171, 150}));
}

// Three tableau piles in a row, two foundations and two reserves above,
// the waste at the left.
struct DropTable : Table {
  DropTable() {
    setParams(game, {{Param::TableauFanning, Fanning::Down}, {Param::TableauCount, 3}, {Param::FoundationCount, 2},
                     {Param::ReserveCount, 2}, {Param::WasteUsed, 1}});
    useSteps();
    for (int k = 0; k < 3; ++k) place(PileId::tableau(k), 100 + 81 * k, 200);
    place(PileId::foundation(0), 300, 50);
    place(PileId::foundation(1), 400, 50);
    place(PileId::reserve(0), 100, 50);
    place(PileId::reserve(1), 181, 50);
    place(PileId::waste(), 10, 50);
  }
};

TEST(DropCandidates, TheLargerOverlapComesFirst) {
  DropTable t;
  putCards(t.game, PileId::tableau(0), {1, 2, 3});  // top card at 236
  // Held card mostly over pile 2, a little over pile 1's top card.
  const auto c = findDropCandidates(t.view(), Rect{150, 240, 221, 336});
  ASSERT_EQ(c.size(), 2u);
  EXPECT_EQ(c[0].pile(), PileId::tableau(1));
  EXPECT_EQ(c[0].weight, (296 - 240) * (221 - 181));  // its top-right corner lies in pile 2
  EXPECT_EQ(c[0].key, "002240004001");
  EXPECT_EQ(c[1].pile(), PileId::tableau(0));
  EXPECT_EQ(c[1].key, "001932004000");  // (171 - 150) * (332 - 240)
  EXPECT_TRUE(findDropCandidates(t.view(), Rect{600, 600, 671, 696}).empty());
}

TEST(DropCandidates, EqualWeightsPreferTheHigherKindThenTheHigherIndex) {
  DropTable t;
  // Reserves and foundations all at one place under the held card.
  t.place(PileId::foundation(0), 100, 50);
  t.place(PileId::foundation(1), 100, 50);
  t.place(PileId::reserve(1), 100, 50);
  t.place(PileId::waste(), 100, 50);
  const auto c = findDropCandidates(t.view(), Rect{100, 50, 171, 146});
  ASSERT_EQ(c.size(), kMaxDropCandidates);
  EXPECT_EQ(c[0].pile(), PileId::reserve(1));
  EXPECT_EQ(c[1].pile(), PileId::reserve(0));
  EXPECT_EQ(c[2].pile(), PileId::foundation(1));
  EXPECT_EQ(c[3].pile(), PileId::foundation(0));
}

TEST(DropCandidates, TheWasteOnlyWhenItIsADropTargetOnTheTable) {
  DropTable t;
  const Rect overWaste{20, 60, 91, 156};
  ASSERT_EQ(findDropCandidates(t.view(), overWaste).size(), 1u);
  EXPECT_EQ(findDropCandidates(t.view(), overWaste)[0].kind, DropKind::kWaste);
  setParams(t.game, {{Param::WasteNotDropTarget, 4}});
  EXPECT_TRUE(findDropCandidates(t.view(), overWaste).empty());
  setParams(t.game, {{Param::WasteNotDropTarget, 0}});
  t.place(PileId::waste(), PilePositions::kStockOffTable, PilePositions::kStockOffTable);
  EXPECT_TRUE(findDropCandidates(t.view(), Rect{-10000, -10000, -9929, -9904}).empty());
}

TEST(DropCandidates, PilesBeyondTheGamesCountsAreNoTargets) {
  DropTable t;
  t.place(PileId::tableau(3), 600, 600);  // left over from another game
  EXPECT_TRUE(findDropCandidates(t.view(), Rect{600, 600, 671, 696}).empty());
}

TEST(DropCandidates, GridSlotsAreRankedByTheirSlotNumbers) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Grid}, {Param::TableauCount, 1}});
  t.place(PileId::tableau(0), 0, 0);
  // Slots 0 and 2 hold cards, slot 1 is empty.
  t.game.table.pile(PileId::tableau(0)).setCodes("005000000007");
  const auto c = findDropCandidates(t.view(), Rect{60, 10, 131, 106});
  ASSERT_EQ(c.size(), 1u);  // the empty slot 1 under the held card is skipped
  EXPECT_EQ(c[0].slot, 0);
  EXPECT_EQ(c[0].key, "000946000000");
  const auto far = findDropCandidates(t.view(), Rect{166, 0, 237, 96});
  ASSERT_EQ(far.size(), 1u);
  EXPECT_EQ(far[0].slot, 2);
  EXPECT_EQ(far[0].key, "006816002000");
}

}  // namespace
}  // namespace kes
