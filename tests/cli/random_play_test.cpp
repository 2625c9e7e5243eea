// Random play through every catalogued game: whatever is tried, legal or
// not, no card is lost or doubled, every action is undone by one undo, and
// the history can always wind back to the deal and forward again.
#include <cstdlib>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/catalogue_commands.h"
#include "cli/play_driver.h"
#include "engine/deal_generator.h"
#include "engine/snapshot.h"
#include "game_play.h"
#include "play_checks.h"

namespace kes::cli {
namespace {

using play_checks::cardsProblem;
using play_checks::pilesInUse;

// Mostly the top cards of piles, which are the ones most moves can take,
// else any card of the game.
int randomCard(const GameState& g, const std::vector<PileId>& piles, std::mt19937& rng) {
  if (std::bernoulli_distribution(0.7)(rng)) {
    const PileId p = piles[std::uniform_int_distribution<std::size_t>(0, piles.size() - 1)(rng)];
    if (const int top = g.table.pile(p).top(); top >= 1) return top;
  }
  return std::uniform_int_distribution<int>(1, g.params[Param::CardCount])(rng);
}

std::string randomCommand(const GameState& g, std::mt19937& rng) {
  const std::vector<PileId> piles = pilesInUse(g);
  const std::string card = std::to_string(randomCard(g, piles, rng));
  std::uniform_int_distribution<std::size_t> pile(0, piles.size() - 1);
  switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0: return "stock";
    case 1: return "click " + card;
    case 2: return "dblclick " + card;
    case 3: return "undo";
    case 4: return "redo";
    default: return "move " + card + " " + pileName(piles[pile(rng)]);
  }
}

int stepAll(PlayDriver& d, const char* command) {
  int steps = 0;
  while (d.execute(command).back() == "ok") ++steps;
  return steps;
}

class RandomPlay : public ::testing::TestWithParam<int> {};

TEST_P(RandomPlay, KeepsEveryCardAndItsHistory) {
  const int game = GetParam();
  const auto params = loadBuiltGame(game);
  // The first twenty games are always there: a missing catalogue fails.
  if (!params && game > 20) GTEST_SKIP() << "no game " << game << " in the catalogue";
  ASSERT_TRUE(params) << "game " << game;
  std::mt19937 rng(static_cast<unsigned>(game) * 7919u);
  int changesInAll = 0;  // a deal may be blocked from the start; the game as a whole is not
  for (const char* number : {"1", "77", "31415926535", "9999999999999"}) {
    PlayDriver d;
    d.session().state().prefs.autoplay = false;
    ASSERT_EQ(d.session().start(*params, *normalizeDealNumber(number)), "");
    const GameState& g = d.session().state();
    // Selection marks are no part of the table the history keeps.
    const Snapshot dealt = g.history.snapshotOf(g.table);
    ASSERT_EQ(cardsProblem(g), "") << "game " << game << " deal " << number;
    d.session().setAutoplay(std::bernoulli_distribution(0.5)(rng));
    // A restart plays what autoplay plays after a deal, as switching it on did.
    const Snapshot restarted = g.history.snapshotOf(g.table);

    // Games with few legal moves get more tries, up to a cap.
    int changes = 0;
    for (int step = 0; (step < 250 || (changes < 3 && step < 1500)) && g.inProgress; ++step) {
      const std::string command = randomCommand(g, rng);
      const play_checks::Played played = play_checks::playChecked(d, command);
      changes += played.changes;
      ASSERT_EQ(played.problem, "") << "game " << game << " deal " << number;
    }
    changesInAll += changes;
    if (!g.inProgress) continue;  // a finished game has no history to walk
    stepAll(d, "redo");
    const Snapshot last = g.history.snapshotOf(g.table);
    const int steps = stepAll(d, "undo");
    EXPECT_EQ(g.history.snapshotOf(g.table), dealt) << "game " << game << " deal " << number;
    EXPECT_EQ(g.passNumber, 1) << "game " << game << " deal " << number;
    EXPECT_EQ(stepAll(d, "redo"), steps);
    EXPECT_EQ(g.history.snapshotOf(g.table), last) << "game " << game << " deal " << number;
    d.execute("restart");
    EXPECT_EQ(g.history.snapshotOf(g.table), restarted) << "game " << game << " deal " << number;
  }
  EXPECT_GE(changesInAll, 3) << "game " << game << ": random play changed almost nothing";
}

// Every number a catalogue may use; numbers the built catalogue does not
// hold are skipped, so that every game added is covered without a change here.
INSTANTIATE_TEST_SUITE_P(EveryCatalogueGame, RandomPlay, ::testing::Range(1, 247));

}  // namespace
}  // namespace kes::cli
