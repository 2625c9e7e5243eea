// Random play through every catalogued game: whatever is tried, legal or
// not, no card is lost or doubled, every action is undone by one undo, and
// the history can always wind back to the deal and forward again.
#include <cstdlib>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/catalogue_commands.h"
#include "game_play.h"
#include "cli/play_driver.h"
#include "engine/card.h"
#include "engine/deal_generator.h"
#include "engine/snapshot.h"

namespace kes::cli {
namespace {

// Each card of the game lies in exactly one pile; placeholders and the
// selection list of the pairing games aside.
::testing::AssertionResult everyCardOnce(const GameState& g) {
  std::vector<int> seen(kMaxCards + 1, 0);
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (g.history.foundationOneIsSelection && id == PileId::foundation(0)) continue;
    const Pile& p = g.table.pile(id);
    for (int i = 0; i < p.size(); ++i) ++seen[static_cast<std::size_t>(p.cardAt(i))];
  }
  for (int c = 1; c <= g.params[Param::CardCount]; ++c)
    if (seen[static_cast<std::size_t>(c)] != 1)
      return ::testing::AssertionFailure() << "card " << c << " lies in " << seen[static_cast<std::size_t>(c)] << " piles";
  return ::testing::AssertionSuccess();
}

std::vector<PileId> pilesInUse(const GameState& g) {
  std::vector<PileId> piles;
  for (int o = 0; o < kPileCount; ++o)
    if (g.inUse(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  return piles;
}

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

// What one undo must give back: the table (selection marks aside), the pass
// through the stock, the deal count and the score.
struct Position {
  Snapshot table;
  int pass;
  int deals;
  int score;
  bool operator==(const Position&) const = default;
};

Position positionOf(const GameState& g) { return {g.history.snapshotOf(g.table), g.passNumber, g.dealCount, g.score}; }

// A player's action, not a step through the history; a double click on the
// stock is two presses, two actions.
bool isOneAction(const GameState& g, const std::string& command) {
  if (command == "undo" || command == "redo") return false;
  if (command.rfind("dblclick ", 0) != 0) return true;
  const auto at = g.locateCard(std::stoi(command.substr(9)));
  return !at || *at != PileId::stock();
}

// The first click of a double click is an action of its own: after an undo
// its release may set off autoplay. It is played alone first, so that the
// double click is then one action.
std::vector<std::string> asActions(const GameState& g, const std::string& command) {
  if (command.rfind("dblclick ", 0) != 0 || !isOneAction(g, command)) return {command};
  return {"click " + command.substr(9), command};
}

// One undo after an action that changed the table gives back the table as it
// was before the action, automatic moves and all; one redo replays it whole.
::testing::AssertionResult undoesAsOneStep(PlayDriver& d, const Position& before) {
  const GameState& g = d.session().state();
  const Position after = positionOf(g);
  if (!g.inProgress || after.table == before.table) return ::testing::AssertionSuccess();
  if (d.execute("undo").back() != "ok") return ::testing::AssertionFailure() << "undo refused";
  if (const Position back = positionOf(g); !(back == before)) {
    auto failure = ::testing::AssertionFailure() << "one undo did not give back the table before:";
    for (int o = 0; o < kPileCount; ++o)
      if (back.table[static_cast<std::size_t>(o)] != before.table[static_cast<std::size_t>(o)])
        failure << " " << pileName(PileId::fromOrdinal(o)) << " " << back.table[static_cast<std::size_t>(o)] << " for "
                << before.table[static_cast<std::size_t>(o)];
    return failure << " pass " << back.pass << " for " << before.pass << ", score " << back.score << " for "
                   << before.score;
  }
  if (d.execute("redo").back() != "ok") return ::testing::AssertionFailure() << "redo refused";
  if (!(positionOf(g) == after)) return ::testing::AssertionFailure() << "one redo did not replay the action";
  return ::testing::AssertionSuccess();
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
    ASSERT_TRUE(everyCardOnce(g)) << "game " << game << " deal " << number;
    d.session().setAutoplay(std::bernoulli_distribution(0.5)(rng));
    // A restart plays what autoplay plays after a deal, as switching it on did.
    const Snapshot restarted = g.history.snapshotOf(g.table);

    // Games with few legal moves get more tries, up to a cap.
    int changes = 0;
    for (int step = 0; (step < 250 || (changes < 3 && step < 1500)) && g.inProgress; ++step) {
      for (const std::string& command : asActions(g, randomCommand(g, rng))) {
        const Position before = positionOf(g);
        const bool action = isOneAction(g, command);
        const auto out = d.execute(command);
        ASSERT_FALSE(out.empty());
        if (out.back() == "ok") ++changes;
        ASSERT_NE(out.back().rfind("error", 0), 0u) << command << ": " << out.back();
        ASSERT_TRUE(everyCardOnce(g)) << "game " << game << " deal " << number << " after " << command;
        if (action && out.back() == "ok") {
          ASSERT_TRUE(undoesAsOneStep(d, before)) << "game " << game << " deal " << number << " after " << command;
        }
      }
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
