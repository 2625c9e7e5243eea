#include <gtest/gtest.h>

#include "engine/game_session.h"
#include "engine_test_support.h"

namespace kes {
namespace {

struct NoResults : ResultListener {
  void recordResult(const GameState&, bool, int) override {}
};

// A pyramid of two rows (5C over AH 2D) with QH and 7H in the stock, QH on
// top; removed cards go to the discard pile.
struct PyramidStockFixture : ::testing::Test {
  NoResults results;
  GameSession session{silentEvents(), results};
  GameState& g = session.state();

  void SetUp() override {
    test::setParams(g, {{Param::Family, 4}, {Param::CardCount, 52}, {Param::TableauCount, 2},
                        {Param::TableauFanning, 4}, {Param::StockShownAtStock, 1}, {Param::WasteUsed, 1},
                        {Param::CardsPerStockPress, 1}, {Param::SecondWasteUsed, 1}});
    g.history.foundationOneIsSelection = true;
    g.table.appendCard(PileId::tableau(0), 31, true);  // 5C
    g.table.appendCard(PileId::tableau(1), 1, true);   // AH
    g.table.appendCard(PileId::tableau(1), 15, true);  // 2D
    g.table.appendCard(PileId::stock(), 7, true);      // 7H
    g.table.appendCard(PileId::stock(), 12, true);     // QH
    g.inProgress = true;
  }
  std::string codes(PileId id) { return g.table.pile(id).codes(); }
};

TEST_F(PyramidStockFixture, TheStocksCardCompletingAPairIsRemovedWithIt) {
  session.press(1, PileId::tableau(1));
  session.release();
  ASSERT_EQ(codes(PileId::foundation(0)), "001");
  session.press(12, PileId::stock());
  session.release();
  EXPECT_EQ(codes(PileId::secondWaste()), "001012");
  EXPECT_EQ(codes(PileId::foundation(0)), "");
  EXPECT_EQ(codes(PileId::stock()), "007");
  EXPECT_EQ(codes(PileId::tableau(1)), "000015");  // a placeholder where the Ace was
  EXPECT_TRUE(session.undo());
  EXPECT_EQ(codes(PileId::stock()), "007012");
  EXPECT_EQ(codes(PileId::tableau(1)), "001015");
}

TEST_F(PyramidStockFixture, AStockCardThatDoesNotCompleteIsOnlySelected) {
  session.press(15, PileId::tableau(1));
  session.release();
  session.press(12, PileId::stock());
  session.release();
  EXPECT_EQ(codes(PileId::foundation(0)), "015012");
  EXPECT_EQ(codes(PileId::secondWaste()), "");
  EXPECT_EQ(codes(PileId::stock()), "007012");
}

// The selected waste top goes back into the stock, below its new top card,
// when the waste is turned over: it leaves the selection.
TEST_F(PyramidStockFixture, AWasteTurnoverDropsTheSelectedWasteCard) {
  test::setParams(g, {{Param::StockPasses, 3}});
  g.table.pile(PileId::stock()).clear();
  g.table.appendCard(PileId::waste(), 12, true);  // QH
  g.table.appendCard(PileId::waste(), 7, true);   // 7H on top
  session.press(7, PileId::waste());
  session.release();
  ASSERT_EQ(codes(PileId::foundation(0)), "007");
  session.press(0, PileId::stock());  // arms the turnover
  session.release();                  // turns the waste over and turns QH
  ASSERT_EQ(codes(PileId::stock()), "007");
  ASSERT_EQ(codes(PileId::waste()), "012");
  EXPECT_EQ(codes(PileId::foundation(0)), "");
}

}  // namespace
}  // namespace kes
