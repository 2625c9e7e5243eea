#include <gtest/gtest.h>

#include <vector>

#include "display/geometry/pile_geometry.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

using test::putCards;
using test::setParams;
using test::Table;

// Face-down cards 1..3 under face-up cards 4 and 5.
void threeDownTwoUp(Table& t, PileId id) { putCards(t.game, id, {1, 2, 3, 4, 5}, {1, 2, 3}); }

TEST(FanningSteps, DependOnTheCardSizeAndTheTableauKind) {
  GameParams p;
  p[Param::TableauFanning] = Fanning::Down;
  EXPECT_EQ(fanningSteps(kBigCards, p, {}), (FanningSteps{18, 4, 0, 0, 3, 6, 0}));
  EXPECT_EQ(fanningSteps(kMediumCards, p, {}), (FanningSteps{14, 4, 0, 0, 3, 6, 0}));
  EXPECT_EQ(fanningSteps(kLittleCards, p, {}), (FanningSteps{3, 3, 0, 0, 3, 6, 0}));

  // Right steps for a right-fanned tableau or reserve; down steps only for a downward tableau.
  p[Param::TableauFanning] = Fanning::Squared;
  p[Param::ReserveFanning] = Fanning::Right;
  EXPECT_EQ(fanningSteps(kBigCards, p, {}), (FanningSteps{0, 0, 12, 4, 3, 6, 0}));
  EXPECT_EQ(fanningSteps(kMediumCards, p, {}).rightFaceUp, 10);
  EXPECT_EQ(fanningSteps(kLittleCards, p, {}).rightFaceDown, 3);

  // The narrow step is set by a narrow tableau and otherwise left as it was.
  p[Param::TableauFanning] = Fanning::RightNarrow;
  const FanningSteps narrow = fanningSteps(kMediumCards, p, {});
  EXPECT_EQ(narrow.rightNarrow, 5);
  p[Param::TableauFanning] = Fanning::Down;
  EXPECT_EQ(fanningSteps(kBigCards, p, narrow).rightNarrow, 5);
  p[Param::TableauFanning] = Fanning::RightNarrow;
  EXPECT_EQ(fanningSteps(kBigCards, p, narrow).rightNarrow, 7);
  EXPECT_EQ(fanningSteps(kLittleCards, p, narrow).rightNarrow, 3);
}

TEST(CardPlaces, DownwardFanStepsByEachCardsFace) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Down}, {Param::TableauCount, 1}});
  t.useSteps();
  t.place(PileId::tableau(0), 100, 200);
  threeDownTwoUp(t, PileId::tableau(0));
  const TableView v = t.view();
  const PileId f1 = PileId::tableau(0);
  EXPECT_EQ(cardTop(v, f1, 0, false), 200 + 3 * 4 + 18);
  EXPECT_EQ(pileBottom(v, f1), 200 + 30 + 96);
  EXPECT_EQ(cardTop(v, f1, 0, true), 200 + 30 + 18);  // a new card
  EXPECT_EQ(cardTop(v, f1, 4, false), 200);
  EXPECT_EQ(cardTop(v, f1, 2, false), 200 + 8);
  EXPECT_EQ(cardTop(v, f1, 2, true), 200 + 12);
  EXPECT_EQ(cardLeft(v, f1, 0, false), 100);

  t.game.table.pile(f1).clear();
  EXPECT_EQ(cardTop(v, f1, 0, false), 200);
  EXPECT_EQ(pileBottom(v, f1), 200 + 96);
}

TEST(CardPlaces, FoundationsAndReservesFanOnlyWithTheTableausSteps) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Squared}, {Param::FoundationFanning, Fanning::Down},
                     {Param::ReserveFanning, Fanning::DownEven}, {Param::FoundationCount, 1}, {Param::ReserveCount, 1}});
  t.useSteps();
  t.place(PileId::foundation(0), 10, 10);
  t.place(PileId::reserve(0), 10, 300);
  putCards(t.game, PileId::foundation(0), {1, 2, 3});
  putCards(t.game, PileId::reserve(0), {20, 21, 22});
  const TableView v = t.view();
  EXPECT_EQ(cardTop(v, PileId::foundation(0), 0, false), 10);  // steps are 0: looks squared
  EXPECT_EQ(cardTop(v, PileId::reserve(0), 0, false), 306);    // the uniform step is always 3
  EXPECT_EQ(pileBottom(v, PileId::reserve(0)), 306 + 96);

  setParams(t.game, {{Param::TableauFanning, Fanning::Down}});
  t.useSteps();
  EXPECT_EQ(cardTop(v, PileId::foundation(0), 0, false), 10 + 2 * 18);
}

TEST(CardPlaces, RightwardKindsStepAlongX) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Right}, {Param::TableauCount, 1}});
  t.useSteps();
  const PileId f1 = PileId::tableau(0);
  t.place(f1, 50, 60);
  putCards(t.game, f1, {1, 2, 3, 4}, {1, 2});
  const TableView v = t.view();
  EXPECT_EQ(cardLeft(v, f1, 0, false), 50 + 4 + 4 + 12);
  EXPECT_EQ(cardLeft(v, f1, 0, true), 50 + 4 + 4 + 12 + 12);
  EXPECT_EQ(cardTop(v, f1, 0, false), 60);

  setParams(t.game, {{Param::TableauFanning, Fanning::SideBySide}});
  EXPECT_EQ(cardLeft(v, f1, 0, false), 50 + 3 * 77);
  setParams(t.game, {{Param::TableauFanning, Fanning::RightNarrow}});
  t.useSteps();
  EXPECT_EQ(cardLeft(v, f1, 1, false), 50 + 2 * 7);

  // A foundation fanned narrowly does not step: the narrow step is the tableau's.
  setParams(t.game, {{Param::FoundationFanning, Fanning::RightNarrow}, {Param::FoundationCount, 1}});
  t.place(PileId::foundation(0), 400, 60);
  putCards(t.game, PileId::foundation(0), {30, 31});
  EXPECT_EQ(cardLeft(v, PileId::foundation(0), 0, false), 400);
}

TEST(CardPlaces, LoweredSquaredPileDropsOneStepWhileItHoldsCards) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Down}, {Param::ReserveFanning, Fanning::SquaredLowered},
                     {Param::ReserveCount, 1}});
  t.useSteps();
  const PileId a1 = PileId::reserve(0);
  t.place(a1, 10, 100);
  const TableView v = t.view();
  EXPECT_EQ(cardTop(v, a1, 0, false), 100);
  putCards(t.game, a1, {7, 8});
  EXPECT_EQ(cardTop(v, a1, 0, false), 118);
  EXPECT_EQ(cardTop(v, a1, 1, false), 118);
}

TEST(CardPlaces, StockFamilyIsAlwaysSquared) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Down}});
  t.useSteps();
  t.place(PileId::waste(), 30, 40);
  putCards(t.game, PileId::waste(), {1, 2, 3});
  EXPECT_EQ(cardTop(t.view(), PileId::waste(), 0, false), 40);
  EXPECT_EQ(cardLeft(t.view(), PileId::waste(), 0, true), 30);
}

// Numbers 0..3 from a fixed list, repeated.
std::function<int()> scripted(std::vector<int> values) {
  return [values, i = std::size_t{0}]() mutable { return values[i++ % values.size()]; };
}

TEST(IrregularOffsets, WalkFollowsTheDrawsAndKeepsTheRunningSumSmall) {
  // 13 draws a row: the first sets a, the next twelve give entries 1..12.
  const auto allThrees = IrregularOffsets::draw(scripted({3}));
  const std::vector<int> expectThrees{0, 0, -1, 0, -1, 0, 1, 0, -1, 0, 1, 0, -1};
  const auto mixed = IrregularOffsets::draw(scripted({3, 1, 3, 2, 3, 2, 3, 2, 3, 1, 0, 1, 2}));
  const std::vector<int> expectMixed{0, 1, -1, 2, -1, 0, -1, 2, -1, 1, 0, 0, 0};
  for (int c = 0; c < IrregularOffsets::kColumns; ++c) {
    EXPECT_EQ(allThrees.at(0, c), expectThrees[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(allThrees.at(6, c), expectThrees[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(mixed.at(3, c), expectMixed[static_cast<std::size_t>(c)]) << c;
  }
}

TEST(IrregularOffsets, SeededDrawsAreReproducibleAndBounded) {
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    const auto o = IrregularOffsets::drawSeeded(seed);
    for (int r = 0; r < IrregularOffsets::kRows; ++r) {
      EXPECT_EQ(o.at(r, 0), 0);
      int sum = 0;
      for (int c = 1; c < IrregularOffsets::kColumns; ++c) {
        EXPECT_GE(o.at(r, c), -1);
        EXPECT_LE(o.at(r, c), 2);
        sum += o.at(r, c);
        EXPECT_GE(sum, -2);
        EXPECT_LE(sum, 2);
      }
    }
  }
  const auto a = IrregularOffsets::drawSeeded(7), b = IrregularOffsets::drawSeeded(7), c = IrregularOffsets::drawSeeded(8);
  bool differs = false;
  for (int r = 0; r < IrregularOffsets::kRows; ++r)
    for (int col = 0; col < IrregularOffsets::kColumns; ++col) {
      EXPECT_EQ(a.at(r, col), b.at(r, col));
      differs = differs || a.at(r, col) != c.at(r, col);
    }
  EXPECT_TRUE(differs);
}

TEST(IrregularOffsets, MoveDownwardTableauCardsByRowAndColumn) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Down}, {Param::TableauCount, 10}});
  t.useSteps();
  t.metrics.irregularPiles = true;
  t.metrics.irregular = IrregularOffsets::draw(scripted({3, 1, 3, 2, 3, 2, 3, 2, 3, 1, 0, 1, 2, 0, 3}));
  const IrregularOffsets& o = t.metrics.irregular;
  const TableView v = t.view();

  const PileId f2 = PileId::tableau(1);
  t.place(f2, 100, 0);
  putCards(t.game, f2, {1, 2, 3, 4, 5});
  EXPECT_EQ(cardLeft(v, f2, 0, false), 100 + o.at(1, 4));  // top card: column m - 1
  EXPECT_EQ(cardLeft(v, f2, 2, false), 100 + o.at(1, 3));  // otherwise m - depth
  EXPECT_EQ(cardLeft(v, f2, 0, true), 100 + o.at(1, 5));   // a new card
  // The top card is drawn through "depth 1, beyond" and lands on the same column.
  EXPECT_EQ(cardLeft(v, f2, 1, true), cardLeft(v, f2, 0, false));

  // Pile 9 uses row 9 mod 6; column 14 wraps to 2.
  const PileId f9 = PileId::tableau(8);
  t.place(f9, 300, 0);
  for (int c = 1; c <= 15; ++c) t.game.table.appendCard(f9, c + 10, true);
  EXPECT_EQ(cardLeft(v, f9, 1, false), 300 + o.at(2, 2));

  // Empty piles, other families and other kinds are left straight.
  const PileId f3 = PileId::tableau(2);
  t.place(f3, 500, 0);
  EXPECT_EQ(cardLeft(v, f3, 0, false), 500);
  t.place(PileId::reserve(0), 600, 0);
  putCards(t.game, PileId::reserve(0), {40, 41, 42, 43, 44});
  EXPECT_EQ(cardLeft(v, PileId::reserve(0), 0, false), 600);
  t.metrics.irregularPiles = false;
  EXPECT_EQ(cardLeft(v, f2, 0, false), 100);
}

// Cards 1..13, each followed by a separator: thirteen stacks of one card.
void thirteenStacks(GameState& g) {
  for (int c = 1; c <= 13; ++c) {
    g.table.appendCard(PileId::tableau(0), c, true);
    g.table.pile(PileId::tableau(0)).append(0);
  }
}

TEST(GridSlots, TwelveColumnsOnA1024PixelDisplayTheSecondRowRightToLeft) {
  Table t;
  setParams(t.game, {{Param::TableauFanning, Fanning::Grid}, {Param::TableauCount, 1}});
  t.place(PileId::tableau(0), 20, 50);
  thirteenStacks(t.game);
  const TableView v = t.view();
  const GridSlot first = gridSlotPosition(v, 1);
  EXPECT_EQ(first.x, 20);
  EXPECT_EQ(first.y, 50);
  EXPECT_EQ(first.card, 1);
  EXPECT_EQ(gridSlotPosition(v, 2).card, 0);  // a separator counts towards the next slot
  EXPECT_EQ(gridSlotPosition(v, 2).x, 20 + 83);
  EXPECT_EQ(gridSlotPosition(v, 23).x, 20 + 11 * 83);  // card 12, slot 11
  EXPECT_EQ(gridSlotPosition(v, 23).y, 50);
  const GridSlot twelfth = gridSlotPosition(v, 25);  // card 13, slot 12
  EXPECT_EQ(twelfth.card, 13);
  EXPECT_EQ(twelfth.x, 20 + 11 * 83);
  EXPECT_EQ(twelfth.y, 50 + 104);

  // Cards of the grid pile are measured by their slots.
  EXPECT_EQ(cardLeft(v, PileId::tableau(0), 1, false), twelfth.x);
  EXPECT_EQ(cardTop(v, PileId::tableau(0), 1, false), twelfth.y);

  t.metrics.screenWidth = 60;  // narrower than one slot: still one column
  EXPECT_EQ(gridSlotPosition(v, 3).y, 50 + 104);
}

}  // namespace
}  // namespace kes
