#include "engine/move_executor.h"

#include <gtest/gtest.h>

#include "engine/history_steps.h"
#include "engine/stock_actions.h"
#include "engine_test_support.h"

namespace kes {
namespace {

struct Recorder : EngineEvents {
  std::vector<std::string> messages, sounds;
  void message(const std::string& t) override { messages.push_back(t); }
  void sound(const std::string& f, const std::string&) override { sounds.push_back(f); }
};

// A one-pack game with a stock turned onto the waste, seven tableau piles and
// four foundations; the stock holds the given cards (last = top).
struct ExecutorFixture : ::testing::Test {
  GameState g;
  Recorder ev;

  void SetUp() override {
    test::setParams(g, {{Param::CardCount, 52}, {Param::WasteUsed, 1}, {Param::CardsPerStockPress, 1},
                        {Param::StockPasses, -1}, {Param::StockFaceDown, 1}, {Param::TableauCount, 7},
                        {Param::FoundationCount, 4}});
    g.inProgress = true;
  }
  void stock(std::vector<int> cards) {
    for (int c : cards) g.table.appendCard(PileId::stock(), c, false);
  }
  // A press on the empty stock arms the turnover; the release does it.
  void pressAndRelease() {
    stockPress(g, ev);
    if (g.drag.redealArmed) executeMove(g, ev, 0, MoveAction::to(ActionKind::StockToWaste));
  }
  std::string codes(PileId id) { return g.table.pile(id).codes(); }
};

TEST_F(ExecutorFixture, StockPressTurnsCardsFaceUpOntoTheWaste) {
  stock({1, 2, 3});
  test::setParams(g, {{Param::CardsPerStockPress, 3}});
  stock({});
  g.table.pile(PileId::stock()).setCodes("001002");
  stockPress(g, ev);
  EXPECT_EQ(codes(PileId::waste()), "002001");
  EXPECT_TRUE(g.table.isFaceUp(1));
  EXPECT_EQ(g.history.undo.size(), 1);
  EXPECT_EQ(ev.sounds, (std::vector<std::string>{"Stock.wav", "Stock.wav"}));
}

TEST_F(ExecutorFixture, TurnoverNeedsAReleaseAndTurnsAgainAtOnce) {
  stock({5, 6});
  stockPress(g, ev);
  stockPress(g, ev);
  ASSERT_EQ(codes(PileId::waste()), "006005");
  stockPress(g, ev);  // the press arms ...
  EXPECT_TRUE(g.drag.redealArmed);
  EXPECT_EQ(codes(PileId::waste()), "006005");
  executeMove(g, ev, 0, MoveAction::to(ActionKind::StockToWaste));  // ... the release turns over and turns one
  EXPECT_EQ(g.passNumber, 2);
  EXPECT_EQ(codes(PileId::stock()), "005");
  EXPECT_EQ(codes(PileId::waste()), "006");
  EXPECT_FALSE(g.table.isFaceUp(5));
}

// What the display hears of a turnover: the moves from the waste to the
// stock, top card first, between its start and its end, and the turn that
// follows outside them.
struct TurnoverLog : EngineEvents {
  std::vector<std::string> lines;
  void cardMoved(int card, PileId from, PileId to) override {
    lines.push_back(std::to_string(card) + (from == PileId::waste() ? " waste" : " stock") +
                    (to == PileId::stock() ? ">stock" : ">waste"));
  }
  void wasteTurnover(bool starting) override { lines.push_back(starting ? "start" : "end"); }
};

TEST_F(ExecutorFixture, TurnoverIsReportedBetweenItsStartAndEnd) {
  stock({5, 6, 7});
  for (int i = 0; i < 3; ++i) stockPress(g, ev);
  TurnoverLog log;
  stockPress(g, log);
  EXPECT_TRUE(log.lines.empty());
  executeMove(g, log, 0, MoveAction::to(ActionKind::StockToWaste));
  EXPECT_EQ(log.lines, (std::vector<std::string>{"start", "5 waste>stock", "6 waste>stock", "7 waste>stock", "end",
                                                 "7 stock>waste"}));
}

TEST_F(ExecutorFixture, PassesLimitTheTurnovers) {
  test::setParams(g, {{Param::StockPasses, 3}});
  stock({5, 6});
  for (int pass = 1; pass <= 3; ++pass) {
    stockPress(g, ev);
    stockPress(g, ev);
    if (pass < 3) pressAndRelease();
  }
  EXPECT_EQ(g.passNumber, 3);
  pressAndRelease();
  EXPECT_EQ(g.passNumber, 3);
  EXPECT_TRUE(g.table.pile(PileId::stock()).empty());
  EXPECT_FALSE(g.drag.redealArmed);
}

TEST_F(ExecutorFixture, UnlimitedPasses) {
  stock({5, 6});
  for (int pass = 1; pass <= 6; ++pass) {
    while (!g.table.pile(PileId::stock()).empty()) stockPress(g, ev);
    pressAndRelease();
  }
  EXPECT_EQ(g.passNumber, 7);
}

TEST_F(ExecutorFixture, AWasteOfOneCardIsNotTurnedBack) {
  stock({9});
  stockPress(g, ev);
  pressAndRelease();
  EXPECT_EQ(codes(PileId::waste()), "009");
  EXPECT_EQ(g.passNumber, 1);
}

TEST_F(ExecutorFixture, UndoOfTurnoverWindsThePassBack) {
  stock({5, 6});
  stockPress(g, ev);
  stockPress(g, ev);
  pressAndRelease();
  ASSERT_EQ(g.passNumber, 2);
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.passNumber, 1);
  EXPECT_EQ(codes(PileId::waste()), "006005");
}

// Three cards a press and a waste of three: the turnover's own turn empties
// the stock again, so only the step's code tells that a pass began.
TEST_F(ExecutorFixture, UndoOfATurnoverThatEmptiesTheStockAgainGivesThePassBack) {
  test::setParams(g, {{Param::CardsPerStockPress, 3}});
  stock({5, 6, 7});
  stockPress(g, ev);
  ASSERT_TRUE(g.table.pile(PileId::stock()).empty());
  pressAndRelease();
  ASSERT_EQ(g.passNumber, 2);
  ASSERT_TRUE(g.table.pile(PileId::stock()).empty());
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.passNumber, 1);
  EXPECT_EQ(codes(PileId::waste()), "007006005");
  ASSERT_TRUE(redoMove(g, ev));
  EXPECT_EQ(g.passNumber, 2);
  ASSERT_TRUE(undoMove(g, ev));
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.passNumber, 1) << "the first turn was no pass";
  EXPECT_EQ(codes(PileId::stock()), "005006007");
}

TEST_F(ExecutorFixture, MoveTurnsTheExposedCardUpAndUndoTurnsItBack) {
  g.prefs.autoplay = false;
  g.table.appendCard(PileId::tableau(0), 30, false);
  g.table.appendCard(PileId::tableau(0), 1, true);
  ASSERT_TRUE(executeMove(g, ev, 1, MoveAction::to(ActionKind::ToFoundation, 0)));
  EXPECT_TRUE(g.table.isFaceUp(30));
  EXPECT_EQ(g.score, -47);
  EXPECT_EQ(g.history.undo.size(), 1);
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_FALSE(g.table.isFaceUp(30));
  EXPECT_EQ(codes(PileId::tableau(0)), "030001");
  EXPECT_EQ(g.score, -52);
}

TEST_F(ExecutorFixture, RunsMoveWhole) {
  g.drag.singleCardHeld = false;
  g.table.pile(PileId::tableau(0)).setCodes("013051011");
  ASSERT_TRUE(executeMove(g, ev, 51, "Fila2"));
  EXPECT_EQ(codes(PileId::tableau(0)), "013");
  EXPECT_EQ(codes(PileId::tableau(1)), "051011");
}

TEST_F(ExecutorFixture, OpeningPhaseOnlyLetsTableauCardsHome) {
  test::setParams(g, {{Param::OpeningPhase, 1}});
  stock({5});
  g.table.appendCard(PileId::tableau(0), 1, true);
  g.table.appendCard(PileId::tableau(1), 2, true);
  EXPECT_FALSE(executeMove(g, ev, 2, "Fila1"));
  stockPress(g, ev);
  EXPECT_TRUE(g.table.pile(PileId::waste()).empty());
  EXPECT_TRUE(executeMove(g, ev, 1, "Dest1"));
  EXPECT_TRUE(executeMove(g, ev, 2, "Fila1"));
}

TEST_F(ExecutorFixture, UnknownActionsChangeNothing) {
  g.table.appendCard(PileId::tableau(0), 1, true);
  EXPECT_FALSE(executeMove(g, ev, 1, "Somewhere"));
  EXPECT_FALSE(executeMove(g, ev, 1, "Dest0"));
  EXPECT_TRUE(g.history.undo.empty());
}

TEST(RedealOrder, FixedReordering) {
  EXPECT_EQ(redealOrder({1, 2, 3, 4, 5}), (std::vector<int>{3, 1, 2, 4, 5}));
  EXPECT_TRUE(redealOrder({}).empty());
  std::vector<int> many;
  for (int c = 1; c <= 40; ++c) many.push_back(c);
  std::vector<int> q = redealOrder(many);
  std::sort(q.begin(), q.end());
  EXPECT_EQ(q, many);
}

// Ten piles dealt a row at a time from the stock, refused while a pile is empty.
struct RowDealFixture : ::testing::Test {
  GameState g;
  Recorder ev;
  void SetUp() override {
    test::setParams(g, {{Param::CardCount, 104}, {Param::TableauCount, 3}});
    for (int i = 0; i < 3; ++i) test::setParams(g, {{Param::tableauReceivesRow(i), 2}});
    for (int c = 40; c < 46; ++c) g.table.appendCard(PileId::stock(), c, false);
    g.inProgress = true;
  }
};

TEST_F(RowDealFixture, RowDealNeedsEveryPileFilled) {
  g.table.appendCard(PileId::tableau(0), 1, true);
  g.table.appendCard(PileId::tableau(1), 2, true);
  stockPress(g, ev);
  EXPECT_EQ(ev.messages, std::vector<std::string>{"Before deal, fill any gaps in the tableau"});
  EXPECT_EQ(g.table.pile(PileId::stock()).size(), 6);
  g.table.appendCard(PileId::tableau(2), 3, true);
  stockPress(g, ev);
  EXPECT_EQ(g.table.pile(PileId::stock()).size(), 3);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).top(), 45);
  EXPECT_EQ(g.table.pile(PileId::tableau(2)).top(), 43);
  EXPECT_EQ(g.history.undo.size(), 1);
}

TEST_F(RowDealFixture, CompletedSuitRunLeavesForItsFoundation) {
  test::setParams(g, {{Param::FoundationCount, 8}});
  for (int i = 0; i < 8; ++i) test::setParams(g, {{Param::foundationBase(i), 83}});
  // Hearts king down to two on pile 1; the ace of hearts comes from pile 2.
  for (int r = 13; r >= 2; --r) g.table.appendCard(PileId::tableau(0), r, true);
  g.table.appendCard(PileId::tableau(1), 1, true);
  ASSERT_TRUE(executeMove(g, ev, 1, "Fila1"));
  EXPECT_TRUE(g.table.pile(PileId::tableau(0)).empty());
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).size(), 13);
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).top(), 13);
  EXPECT_EQ(g.history.undo.size(), 1);
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).size(), 12);
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "001");
}

}  // namespace
}  // namespace kes

namespace kes {
namespace {

// Fans gathered and dealt again in threes, with no stock at all.
TEST(TableauRedeal, RegroupsInThreesAndUndoGivesThePassBack) {
  GameState g;
  test::setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 3}, {Param::TableauRedealMode, 1},
                      {Param::StockPasses, 3}, {Param::tableauDealCount(0), 3}, {Param::tableauDealFace(0), 3}});
  g.inProgress = true;
  g.table.pile(PileId::tableau(0)).setCodes("001002");
  g.table.pile(PileId::tableau(2)).setCodes("003004005006007");
  EngineEvents& ev = silentEvents();
  stockPress(g, ev);  // arms
  ASSERT_TRUE(g.drag.redealArmed);
  ASSERT_TRUE(executeMove(g, ev, 0, MoveAction::to(ActionKind::StockToWaste)));
  EXPECT_EQ(g.passNumber, 2);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).size(), 3);
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).size(), 3);
  EXPECT_EQ(g.table.pile(PileId::tableau(2)).size(), 1);
  EXPECT_TRUE(g.table.isFaceUp(g.table.pile(PileId::tableau(1)).cardAt(0)));
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.passNumber, 1);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001002");
  ASSERT_TRUE(redoMove(g, ev));
  EXPECT_EQ(g.passNumber, 2);
}

}  // namespace
}  // namespace kes
