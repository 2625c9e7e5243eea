#include "engine/game_session.h"

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/snapshot.h"
#include "engine_test_support.h"

namespace kes {
namespace {

struct Results : ResultListener {
  std::vector<bool> recorded;
  void recordResult(const GameState&, bool won, int) override { recorded.push_back(won); }
};

struct Events : EngineEvents {
  int beeps = 0;
  std::vector<int> pauses;
  std::vector<bool> ended;
  void beep() override { ++beeps; }
  void pause(int ms) override { pauses.push_back(ms); }
  void gameEnded(bool won) override { ended.push_back(won); }
};

// Four ace foundations building up in suit, seven tableau piles building
// down in alternate colours, four cells; the table is set by hand.
struct SessionFixture : ::testing::Test {
  Events events;
  Results results;
  GameSession session{events, results};
  GameState& g = session.state();

  void SetUp() override {
    test::setParams(g, {{Param::CardCount, 52}, {Param::FoundationCount, 4}, {Param::TableauCount, 7},
                        {Param::ReserveCount, 4}, {Param::AutoplayAvailable, 1}, {Param::RunLimitMode, -1},
                        {Param::FoundationMaxCards, 13}});
    for (int i = 0; i < 4; ++i)
      test::setParams(g, {{Param::foundationBase(i), 1}, {Param::foundationDirection(i), 1}});
    for (int i = 0; i < 7; ++i)
      test::setParams(g, {{Param::tableauEmptyBase(i), -1}, {Param::tableauBuildRule(i), 3}});
    g.inProgress = true;
    g.prefs.autoplay = false;
  }
  void pile(PileId id, std::vector<int> cards, bool up = true) {
    for (int c : cards) g.table.appendCard(id, c, up);
  }
};

TEST_F(SessionFixture, AutoplaySendsExposedCardsUpRoundAfterRound) {
  g.prefs.autoplay = true;
  pile(PileId::tableau(0), {2, 1});      // two and ace of hearts
  pile(PileId::tableau(1), {20, 14});    // seven and ace of diamonds
  pile(PileId::tableau(2), {3});
  EXPECT_TRUE(autoplayPass(g, events));
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001002003");
  EXPECT_EQ(g.table.pile(PileId::foundation(1)).codes(), "014");
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "020");
}

TEST_F(SessionFixture, AutoplayWaitsForTheFirstCardOfFreeBaseFoundations) {
  g.prefs.autoplay = true;
  for (int i = 0; i < 4; ++i) test::setParams(g, {{Param::foundationBase(i), 92}});
  pile(PileId::tableau(0), {5});
  EXPECT_FALSE(autoplayPass(g, events));
  EXPECT_TRUE(g.table.pile(PileId::foundation(0)).empty());
}

TEST_F(SessionFixture, FaceDownTopStaysDownWithoutAutomaticFaceUp) {
  g.prefs.automaticFaceUp = false;
  pile(PileId::tableau(0), {30}, false);
  pile(PileId::tableau(0), {1});
  EXPECT_TRUE(session.doubleClick(1));
  EXPECT_FALSE(g.table.isFaceUp(30));
  EXPECT_EQ(session.press(30, PileId::tableau(0)), PressResult::TurnedUp);
  EXPECT_TRUE(g.table.isFaceUp(30));
}

TEST_F(SessionFixture, DoubleClickPrefersFoundationsThenReserves) {
  pile(PileId::tableau(0), {5});
  pile(PileId::tableau(1), {1});
  EXPECT_TRUE(session.doubleClick(1));
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001");
  EXPECT_TRUE(session.doubleClick(5));
  EXPECT_EQ(g.table.pile(PileId::reserve(0)).codes(), "005");
}

TEST_F(SessionFixture, DragDropTriesCandidatesInOrder) {
  pile(PileId::tableau(0), {18});  // five of diamonds
  pile(PileId::tableau(1), {45});  // six of spades
  pile(PileId::tableau(2), {6});   // six of hearts
  ASSERT_EQ(session.press(18, PileId::tableau(0)), PressResult::Lifted);
  EXPECT_TRUE(session.release({PileId::tableau(2), PileId::tableau(1)}));
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "045018");
  ASSERT_EQ(session.press(18, PileId::tableau(1)), PressResult::Lifted);
  EXPECT_FALSE(session.release({PileId::tableau(2)}));
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "045018");
  EXPECT_EQ(g.drag.draggedCard, 0);
}

TEST_F(SessionFixture, FillFromTheStockIsUndoneWithTheMove) {
  test::setParams(g, {{Param::EmptyTableauFillSource, 3}});
  pile(PileId::stock(), {40}, false);
  pile(PileId::tableau(0), {1});
  for (int i = 1; i < 7; ++i) pile(PileId::tableau(i), {20 + i});
  ASSERT_EQ(session.press(1, PileId::tableau(0)), PressResult::Lifted);
  ASSERT_TRUE(session.release({PileId::foundation(0)}));
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "040");
  ASSERT_TRUE(session.undo());
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001");
  EXPECT_EQ(g.table.pile(PileId::stock()).codes(), "040");
}

TEST_F(SessionFixture, ClearingTheTableWinsAndRecordsOnce) {
  pile(PileId::tableau(0), {1});
  EXPECT_TRUE(session.doubleClick(1));
  EXPECT_FALSE(g.inProgress);
  EXPECT_EQ(results.recorded, std::vector<bool>{true});
  EXPECT_EQ(events.ended, std::vector<bool>{true});
  EXPECT_EQ(session.press(1, PileId::foundation(0)), PressResult::Nothing);
  EXPECT_FALSE(session.undo());
  EXPECT_EQ(events.beeps, 1);
}

TEST_F(SessionFixture, AbandoningAGameRecordsALoss) {
  pile(PileId::tableau(0), {1});
  session.endGame();
  session.endGame();
  EXPECT_EQ(results.recorded, std::vector<bool>{false});
}

// Only a completed grid (the won flag) with 100 points or more is won; an
// abandoned grid is lost whatever it scored so far.
TEST_F(SessionFixture, PokerIsWonByACompletedGridOfAHundredPoints) {
  test::setParams(g, {{Param::Family, 9}});
  g.won = true;
  g.score = 99;
  session.endGame();
  g.inProgress = true;
  g.won = true;
  g.score = 100;
  session.endGame();
  g.inProgress = true;
  g.score = 120;
  session.endGame();
  EXPECT_EQ(results.recorded, (std::vector<bool>{false, true, false}));
}

// One player's action is one undo step: the face-up, the autoplay passes and
// the fills it sets off are folded into it, and one redo replays them all.
struct ActionStepFixture : SessionFixture {
  Snapshot before;
  void SetUp() override {
    SessionFixture::SetUp();
    g.prefs.autoplay = true;
    pile(PileId::tableau(6), {39});  // KC stays: the game is not won
  }
  void remember() { before = takeSnapshot(g.table); }
  void expectOneStepBack() {
    const Snapshot after = takeSnapshot(g.table);
    ASSERT_EQ(g.history.undo.size(), 1);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(takeSnapshot(g.table), before) << "one undo gives back the table before the action";
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(takeSnapshot(g.table), after) << "one redo replays the whole action";
  }
};

TEST_F(ActionStepFixture, AMoveThatExposesACardUndoesWithItsFaceUpAndAutoplay) {
  pile(PileId::tableau(0), {1}, false);  // AH face down
  pile(PileId::tableau(0), {31});        // 5C on it
  pile(PileId::tableau(1), {6});         // 6H
  remember();
  ASSERT_EQ(session.press(31, PileId::tableau(0)), PressResult::Lifted);
  ASSERT_TRUE(session.release({PileId::tableau(1)}));
  ASSERT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001");  // turned up and played home
  expectOneStepBack();
  ASSERT_TRUE(session.undo());
  EXPECT_FALSE(g.table.isFaceUp(1));
}

TEST_F(ActionStepFixture, ADoubleClickUndoesWithTheAutoplayAfterIt) {
  pile(PileId::tableau(0), {2, 1});  // 2H under AH
  g.prefs.autoplay = false;
  pile(PileId::tableau(1), {3});     // 3H
  g.prefs.autoplay = true;
  remember();
  ASSERT_TRUE(session.doubleClick(1));
  session.release();  // the release that ends the double click
  ASSERT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001002003");
  expectOneStepBack();
}

TEST_F(ActionStepFixture, AStockPressUndoesWithTheAutoplayAfterIt) {
  test::setParams(g, {{Param::WasteUsed, 1}, {Param::CardsPerStockPress, 1}, {Param::StockPasses, 1}});
  pile(PileId::stock(), {14}, false);  // AD
  remember();
  ASSERT_EQ(session.press(14, PileId::stock()), PressResult::StockPressed);
  session.release();
  ASSERT_EQ(g.table.pile(PileId::foundation(0)).codes(), "014");
  expectOneStepBack();
}

TEST_F(ActionStepFixture, SwitchingAutoplayOnIsOneStep) {
  g.prefs.autoplay = false;
  pile(PileId::tableau(0), {2, 1});
  pile(PileId::tableau(1), {3});
  remember();
  session.setAutoplay(true);
  ASSERT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001002003");
  expectOneStepBack();
}

TEST_F(ActionStepFixture, TheActionsStayApartInTheHistory) {
  pile(PileId::tableau(0), {1}, false);
  pile(PileId::tableau(0), {31});
  pile(PileId::tableau(1), {6});
  pile(PileId::tableau(2), {13, 20});  // KH, 7D
  session.press(31, PileId::tableau(0));
  session.release({PileId::tableau(1)});
  const Snapshot afterFirst = takeSnapshot(g.table);
  session.press(20, PileId::tableau(2));
  session.release({PileId::tableau(0)});  // 7D into the space
  EXPECT_EQ(g.history.undo.size(), 2);
  ASSERT_TRUE(session.undo());
  EXPECT_EQ(takeSnapshot(g.table), afterFirst);
}

// A restart is a new start of the deal: after the same pause as a deal,
// autoplay plays what it can.
TEST_F(SessionFixture, RestartRunsAutoplayAfterThePauseOfADeal) {
  test::setParams(g, {{Param::WasteUsed, 1}, {Param::CardsPerStockPress, 1}, {Param::StockPasses, 1}});
  pile(PileId::tableau(0), {1});       // AH
  pile(PileId::stock(), {40}, false);  // AS
  session.press(40, PileId::stock());
  session.release();
  g.prefs.autoplay = true;
  session.restart();
  EXPECT_EQ(events.pauses, std::vector<int>{800});
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "001");
  EXPECT_EQ(g.table.pile(PileId::stock()).codes(), "040");
  EXPECT_TRUE(g.inProgress);
  ASSERT_TRUE(session.undo()) << "the passes are one step of their own";
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001");
}

TEST(GameSessionStart, DealsAndPausesBeforeAutoplay) {
  Events events;
  Results results;
  GameSession session(events, results);
  GameParams params;
  params[Param::CardCount] = 52;
  params[Param::StockDealCount] = 52;
  params[Param::AutoplayAvailable] = 1;
  ASSERT_EQ(session.start(params, "0000000000001"), "");
  EXPECT_TRUE(session.state().inProgress);
  EXPECT_EQ(session.state().table.pile(PileId::stock()).size(), 52);
  EXPECT_EQ(events.pauses, std::vector<int>{800});
  EXPECT_TRUE(session.clock().running());
  ASSERT_EQ(session.deal("0000000000002"), "");
  EXPECT_EQ(results.recorded, std::vector<bool>{false});  // the first deal was abandoned
}

}  // namespace
}  // namespace kes
