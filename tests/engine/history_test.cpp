#include "engine/history_steps.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace kes {
namespace {

struct RecordingEvents : EngineEvents {
  int beeps = 0;
  std::vector<std::string> sounds;
  std::vector<PileId> replaced;
  void beep() override { ++beeps; }
  void sound(const std::string& file, const std::string&) override { sounds.push_back(file); }
  void pileReplaced(PileId pile) override { replaced.push_back(pile); }
};

// A game in progress with a small table; move() pushes a snapshot and then
// moves a card, as the move executor does.
struct HistoryFixture : ::testing::Test {
  GameState g;
  RecordingEvents ev;

  void SetUp() override {
    test::setParams(g, {{Param::CardCount, 52}, {Param::TableauCount, 2}, {Param::FoundationCount, 1}});
    g.inProgress = true;
    g.table.appendCard(PileId::stock(), 10, false);
    g.table.appendCard(PileId::tableau(0), 1, true);
    g.table.appendCard(PileId::tableau(0), 2, false);
    g.table.appendCard(PileId::tableau(1), 3, true);
    g.score = -52;
  }

  void move(PileId from, PileId to, bool turnUp = true) {
    g.history.pushUndo(g.table);
    const int card = g.table.pile(from).top();
    g.table.pile(from).takeTop(1);
    g.table.appendCard(to, card, turnUp);
    g.history.clearRedo();
    g.movesMade = std::min(g.movesMade + 1, 2);
  }
};

TEST_F(HistoryFixture, NothingToUndoOrRedoBeeps) {
  EXPECT_FALSE(undoMove(g, ev));
  EXPECT_FALSE(redoMove(g, ev));
  EXPECT_EQ(ev.beeps, 2);
  move(PileId::tableau(1), PileId::foundation(0));
  EXPECT_FALSE(redoMove(g, ev));
  EXPECT_EQ(ev.beeps, 3);
}

TEST_F(HistoryFixture, UndoRestoresPilesFacesAndScore) {
  move(PileId::tableau(0), PileId::tableau(1));  // card 2 turned up by the move
  ASSERT_TRUE(g.table.isFaceUp(2));
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001002");
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "003");
  EXPECT_FALSE(g.table.isFaceUp(2));
  EXPECT_EQ(ev.sounds, std::vector<std::string>{"Undo.wav"});
  EXPECT_EQ(g.movesMade, 0);
  ASSERT_TRUE(redoMove(g, ev));
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "003002");
  EXPECT_TRUE(g.table.isFaceUp(2));
}

TEST_F(HistoryFixture, OnlyChangedPilesAreReported) {
  move(PileId::tableau(1), PileId::foundation(0));
  undoMove(g, ev);
  EXPECT_EQ(ev.replaced, (std::vector<PileId>{PileId::foundation(0), PileId::tableau(1)}));
}

TEST_F(HistoryFixture, NoGameInProgressRefuses) {
  move(PileId::tableau(1), PileId::foundation(0));
  g.inProgress = false;
  EXPECT_FALSE(undoMove(g, ev));
  EXPECT_EQ(ev.beeps, 1);
  EXPECT_EQ(g.table.pile(PileId::foundation(0)).codes(), "003");
}

TEST_F(HistoryFixture, OneStepModeAlternates) {
  g.prefs.undoMode = UndoMode::OneStep;
  move(PileId::tableau(1), PileId::foundation(0));
  move(PileId::tableau(0), PileId::foundation(0));
  EXPECT_TRUE(undoMove(g, ev));
  EXPECT_FALSE(undoMove(g, ev));
  EXPECT_TRUE(redoMove(g, ev));
  EXPECT_TRUE(undoMove(g, ev));
  EXPECT_EQ(ev.beeps, 1);
}

TEST_F(HistoryFixture, DisabledModeAlwaysRefuses) {
  g.prefs.undoMode = UndoMode::Disabled;
  move(PileId::tableau(1), PileId::foundation(0));
  EXPECT_FALSE(undoMove(g, ev));
  EXPECT_EQ(ev.beeps, 1);
}

TEST_F(HistoryFixture, UndoingARedealWindsThePassBack) {
  move(PileId::stock(), PileId::waste());  // the stock is now empty
  g.history.pushUndo(g.table);             // the turnover refills it
  g.table.pile(PileId::stock()).appendCodes(g.table.pile(PileId::waste()).takeTop(1));
  ++g.passNumber;
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.passNumber, 1);
  ASSERT_TRUE(redoMove(g, ev));
  EXPECT_EQ(g.passNumber, 2);
}

TEST_F(HistoryFixture, DealCodeWindsDealCountBackAndForth) {
  move(PileId::stock(), PileId::waste());
  g.history.tagLastMove(kCodeStockDeal);
  g.dealCount = 1;
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.dealCount, 0);
  EXPECT_EQ(g.history.redo.log.text(), "002,");
  ASSERT_TRUE(redoMove(g, ev));
  EXPECT_EQ(g.dealCount, 1);
  EXPECT_EQ(g.history.undo.log.text(), "002,");
  EXPECT_EQ(countDeals(g.history), 1);
}

TEST_F(HistoryFixture, MergedStepsUndoTogether) {
  move(PileId::tableau(1), PileId::foundation(0));
  move(PileId::tableau(0), PileId::tableau(1));
  move(PileId::tableau(0), PileId::reserve(0));
  g.history.mergeLastSnapshots(2);
  g.history.tagLastMove(kCodeStockDeal);
  ASSERT_EQ(g.history.undo.size(), 1);
  EXPECT_EQ(g.history.undo.log.text(), "002,");
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001002");
  EXPECT_EQ(g.table.pile(PileId::tableau(1)).codes(), "003");
  EXPECT_TRUE(g.table.pile(PileId::reserve(0)).empty());
}

// Automatic moves folded into a player's move keep the move's code: the
// dealt cards are still counted, and wound back, by the merged step.
TEST_F(HistoryFixture, MergedStepsKeepTheCodesOfEveryMove) {
  move(PileId::stock(), PileId::waste());
  g.history.tagLastMove(kCodeStockDeal);
  g.dealCount = 1;
  move(PileId::tableau(1), PileId::foundation(0));
  move(PileId::tableau(0), PileId::tableau(1));
  g.history.mergeLastSnapshots(2);
  EXPECT_EQ(g.history.undo.log.text(), "002,");
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_EQ(g.dealCount, 0);
  EXPECT_EQ(g.table.pile(PileId::stock()).codes(), "010");
}

TEST_F(HistoryFixture, SelectionListStaysEmptyInPairingGames) {
  g.history.foundationOneIsSelection = true;
  g.table.appendCard(PileId::foundation(0), 3, true);  // a selected card
  move(PileId::tableau(0), PileId::secondWaste());
  ASSERT_TRUE(undoMove(g, ev));
  EXPECT_TRUE(g.table.pile(PileId::foundation(0)).empty());
}

TEST_F(HistoryFixture, RewindPutsBackTheDealAndForgetsEverything) {
  move(PileId::tableau(1), PileId::foundation(0));
  move(PileId::tableau(0), PileId::foundation(0));
  undoMove(g, ev);
  g.passNumber = 3;
  rewindToDeal(g, ev);
  EXPECT_EQ(g.table.pile(PileId::tableau(0)).codes(), "001002");
  EXPECT_FALSE(g.table.isFaceUp(2));
  EXPECT_TRUE(g.history.undo.empty());
  EXPECT_TRUE(g.history.redo.empty());
  EXPECT_EQ(g.passNumber, 1);
  EXPECT_EQ(g.movesMade, 0);
  EXPECT_EQ(g.score, -52);
}

TEST_F(HistoryFixture, SilentStepsNeitherBeepNorSound) {
  move(PileId::tableau(1), PileId::foundation(0));
  g.inProgress = false;
  EXPECT_TRUE(undoMove(g, ev, true));
  EXPECT_TRUE(redoMove(g, ev, true));
  EXPECT_FALSE(redoMove(g, ev, true));
  EXPECT_EQ(ev.beeps, 0);
  EXPECT_TRUE(ev.sounds.empty());
}

TEST(MoveLog, ElementAccess) {
  MoveLog log("001,,002001,");
  EXPECT_EQ(log.lastElement(), "002001");
  EXPECT_EQ(log.countOf(1), 2);
  EXPECT_EQ(log.countOf(2), 1);
  log.removeLast();
  EXPECT_EQ(log.text(), "001,,");
  EXPECT_EQ(log.lastElement(), "");
  log.removeLast();
  EXPECT_EQ(log.text(), "001,");
  EXPECT_EQ(log.lastElement(), "001");
  log.removeLast();
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(MoveLog("abc").lastElement(), "abc");
  MoveLog tagged(",");
  tagged.tagLast(2);
  EXPECT_EQ(tagged.text(), "002,");
  tagged.addToLast(3);
  EXPECT_EQ(tagged.text(), "002003,");
  tagged.tagLast(1);
  EXPECT_EQ(tagged.text(), "001,");
}

}  // namespace
}  // namespace kes
