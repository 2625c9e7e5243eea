#include <gtest/gtest.h>

#include "engine/game_session.h"
#include "engine/history_steps.h"
#include "engine/move_log.h"
#include "engine_test_support.h"

namespace kes {
namespace {

using namespace std::chrono_literals;

TEST(GameClock, RunsOnFromATimeAlreadyPlayed) {
  GameClock clock;
  const auto t0 = GameClock::Clock::time_point{} + 1000s;
  clock.startFrom(125s, t0);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.elapsed(t0 + 10s), 135s);
  clock.stop(t0 + 20s);
  EXPECT_EQ(clock.elapsed(t0 + 99s), 145s);
  clock.startFrom(-5s, t0);
  EXPECT_EQ(clock.elapsed(t0 + 1s), 1s);
}

struct Recorded : ResultListener {
  int count = 0;
  void recordResult(const GameState&, bool, int) override { ++count; }
};

struct Dealt : EngineEvents {
  int deals = 0;
  void dealt() override { ++deals; }
};

// Four foundations, two tableau piles, cards 1..8; the table is given as
// pile lines.
struct ResumeFixture : ::testing::Test {
  Dealt events;
  Recorded results;
  GameSession session{events, results};
  GameParams params;
  ResumePoint point;

  void SetUp() override {
    params[Param::CardCount] = 8;
    params[Param::FoundationCount] = 4;
    params[Param::TableauCount] = 2;
    for (int f = 0; f < 4; ++f) params[Param::foundationBase(f)] = 1;
    point.table[static_cast<std::size_t>(PileId::foundation(0).ordinal())] = "0011";
    point.table[static_cast<std::size_t>(PileId::tableau(0).ordinal())] = "002100310041";
    point.table[static_cast<std::size_t>(PileId::tableau(1).ordinal())] = "0051006100710081";
    Snapshot before = point.table;
    before[static_cast<std::size_t>(PileId::foundation(0).ordinal())] = "";
    before[static_cast<std::size_t>(PileId::tableau(0).ordinal())] = "0021003100410011";
    point.undo.snapshots = {before};
    point.undo.log = MoveLog("002,");
    point.passNumber = 2;
    point.score = -3;  // what the table scores: one card of eight home
    point.elapsed = 300s;
    point.foundationBases[1] = 7;
    point.openingAutoplay = false;
  }
};

TEST_F(ResumeFixture, PutsTheGameBackWithoutDealing) {
  // A game in progress is ended (and recorded) before the saved one replaces it.
  session.state().inProgress = true;
  ASSERT_EQ(session.resume(params, point), "");
  const GameState& g = session.state();
  EXPECT_EQ(results.count, 1);
  EXPECT_EQ(events.deals, 0);  // nothing was dealt
  EXPECT_TRUE(g.inProgress);
  EXPECT_EQ(takeSnapshot(g.table), point.table);
  EXPECT_EQ(g.history.undo.size(), 1);
  EXPECT_TRUE(g.history.redo.empty());
  EXPECT_EQ(g.passNumber, 2);
  EXPECT_EQ(g.score, -3);
  EXPECT_EQ(g.movesMade, 2);
  EXPECT_EQ(g.dealCount, 1);
  EXPECT_EQ(g.params[Param::foundationBase(0)], 1);
  EXPECT_EQ(g.params[Param::foundationBase(1)], 7);
  EXPECT_GE(session.clock().elapsed(), 300s);
  EXPECT_LT(session.clock().elapsed(), 310s);
}

// With the scoring system the score is the table's, as after any undo; a
// saved score that disagrees was spoiled. Without it the saved score stays.
TEST_F(ResumeFixture, AScoreThatFollowsTheTableIsTheTables) {
  point.score = 500;
  ASSERT_EQ(session.resume(params, point), "");
  EXPECT_EQ(session.state().score, -3);
  session.state().prefs.scoring = false;
  ASSERT_EQ(session.resume(params, point), "");
  EXPECT_EQ(session.state().score, 500);
}

TEST_F(ResumeFixture, UndoGivesTheTableBeforeTheLastMoveAndTheBasesComeBackAtTheNextDeal) {
  ASSERT_EQ(session.resume(params, point), "");
  ASSERT_TRUE(session.undo());
  EXPECT_EQ(takeSnapshot(session.state().table), point.undo.snapshots[0]);
  EXPECT_FALSE(session.undo());
  // The base the saved deal set is the deal's, not the game's.
  session.state().inProgress = false;
  session.state().savedPileParams.restore(session.state().params);
  EXPECT_EQ(session.state().params[Param::foundationBase(1)], 1);
}

TEST_F(ResumeFixture, NothingToUndoAfterAGameSavedAtTheDeal) {
  point.undo.clear();
  ASSERT_EQ(session.resume(params, point), "");
  EXPECT_EQ(session.state().movesMade, 0);
  EXPECT_EQ(session.state().dealCount, 0);
  EXPECT_FALSE(session.undo());
}

TEST_F(ResumeFixture, AnUnreadableTableLeavesNoGameInProgress) {
  point.table[static_cast<std::size_t>(PileId::tableau(1).ordinal())] = "00050";
  EXPECT_NE(session.resume(params, point), "");
  EXPECT_FALSE(session.state().inProgress);
}

}  // namespace
}  // namespace kes
