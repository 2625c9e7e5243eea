// Saving and loading through the command driver for every catalogued game:
// after random play, the loaded game has the same table, the same history
// snapshot for snapshot and the same counters, and plays on with undo.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "../test_temp_dir.h"
#include "cli/catalogue_commands.h"
#include "game_play.h"
#include "cli/play_driver.h"
#include "engine/deal_generator.h"
#include "engine/snapshot.h"

namespace kes::cli {
namespace {

std::string randomCommand(const GameState& g, std::mt19937& rng) {
  std::vector<PileId> piles;
  for (int o = 0; o < kPileCount; ++o)
    if (g.inUse(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  const PileId from = piles[std::uniform_int_distribution<std::size_t>(0, piles.size() - 1)(rng)];
  const int top = g.table.pile(from).top();
  const std::string card = std::to_string(top >= 1 ? top : 1);
  switch (std::uniform_int_distribution<int>(0, 7)(rng)) {
    case 0: return "stock";
    case 1: return "click " + card;
    case 2: return "dblclick " + card;
    case 3: return "undo";
    default:
      return "move " + card + " " +
             pileName(piles[std::uniform_int_distribution<std::size_t>(0, piles.size() - 1)(rng)]);
  }
}

struct Loaded {
  PlayDriver driver;
  Loaded() {
    driver.identity() = {1, "Player 1", "0000000000001"};
    driver.setGameLookup(loadBuiltGame);
  }
};

class SavedGameRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(SavedGameRoundTrip, GivesBackTableHistoryAndCounters) {
  const int game = GetParam();
  const auto params = loadBuiltGame(game);
  if (!params && game > 20) GTEST_SKIP() << "no game " << game << " in the catalogue";
  ASSERT_TRUE(params) << "game " << game;
  TempDir dir;
  const std::string file = (dir.path() / "game.gam").string();
  std::mt19937 rng(static_cast<unsigned>(game) * 104729u);

  PlayDriver played;
  played.session().state().prefs.autoplay = std::bernoulli_distribution(0.5)(rng);
  played.identity() = {game, "Anna", "0000000000077"};
  ASSERT_EQ(played.session().start(*params, "0000000000077"), "");
  const GameState& g = played.session().state();
  for (int step = 0; step < 150 && g.inProgress; ++step) played.execute(randomCommand(g, rng));
  ASSERT_EQ(played.execute("save " + file).back(), "ok");

  Loaded loaded;
  // Autoplay after loading would play on from a table undone to before it.
  loaded.driver.session().state().prefs.autoplay = false;
  ASSERT_EQ(loaded.driver.execute("load " + file).back(), "ok") << "game " << game;
  const GameState& l = loaded.driver.session().state();
  EXPECT_EQ(takeSnapshot(l.table), takeSnapshot(g.table)) << "game " << game;
  EXPECT_EQ(l.history.undo.snapshots, g.history.undo.snapshots) << "game " << game;
  EXPECT_EQ(l.history.undo.log.text(), g.history.undo.log.text()) << "game " << game;
  EXPECT_TRUE(l.history.redo.empty());
  EXPECT_EQ(l.passNumber, g.passNumber);
  EXPECT_EQ(l.score, g.score);
  EXPECT_EQ(l.dealCount, g.dealCount);
  for (int f = 0; f < 16; ++f) EXPECT_EQ(l.params[Param::foundationBase(f)], g.params[Param::foundationBase(f)]);
  EXPECT_EQ(l.inProgress, g.inProgress);
  EXPECT_EQ(loaded.driver.identity().game, game);
  EXPECT_EQ(loaded.driver.identity().player, "Anna");
  EXPECT_EQ(loaded.driver.identity().dealNumber, "0000000000077");
  if (!g.inProgress || g.history.undo.empty()) return;

  // Undo goes on from the loaded game exactly as it would have in the game saved.
  const std::string undone = played.execute("undo").back();
  EXPECT_EQ(loaded.driver.execute("undo").back(), undone);
  EXPECT_EQ(takeSnapshot(l.table), takeSnapshot(g.table)) << "game " << game << " after undo";
  EXPECT_EQ(l.passNumber, g.passNumber);
  EXPECT_EQ(l.score, g.score);
}

INSTANTIATE_TEST_SUITE_P(EveryCatalogueGame, SavedGameRoundTrip, ::testing::Range(1, 247));

// A file of a game that is not the one played switches the game and the
// player; the game given up is recorded under the identity it was played with.
TEST(SavedGameLoad, SwitchesGameAndPlayerAndRecordsTheOldGameFirst) {
  TempDir dir;
  const std::string file = (dir.path() / "spider.gam").string();
  const auto spider = loadBuiltGame(4), freecell = loadBuiltGame(1);
  ASSERT_TRUE(spider && freecell);
  {
    PlayDriver saver;
    saver.identity() = {4, "Bruno", "0000000000005"};
    ASSERT_EQ(saver.session().start(*spider, "0000000000005"), "");
    ASSERT_EQ(saver.execute("save " + file).back(), "ok");
  }
  Loaded loaded;
  loaded.driver.identity() = {1, "Carla", "0000000000009"};
  std::vector<std::pair<int, std::string>> recorded;
  loaded.driver.setRecorder([&](const GameState&, bool, int) {
    recorded.emplace_back(loaded.driver.identity().game, loaded.driver.identity().player);
  });
  ASSERT_EQ(loaded.driver.session().start(*freecell, "0000000000009"), "");
  ASSERT_EQ(loaded.driver.execute("load " + file).back(), "ok");
  ASSERT_EQ(recorded.size(), 1u);
  EXPECT_EQ(recorded[0], std::make_pair(1, std::string("Carla")));
  EXPECT_EQ(loaded.driver.identity().game, 4);
  EXPECT_EQ(loaded.driver.identity().player, "Bruno");
  EXPECT_EQ(loaded.driver.session().state().params[Param::TableauCount], 10);
  // Undo right after the deal beeps: there is nothing to undo.
  EXPECT_EQ(loaded.driver.execute("undo").back(), "refused");
}

// A refused file leaves the game in progress exactly as it was.
TEST(SavedGameLoad, RefusedFileLeavesTheGameInProgress) {
  TempDir dir;
  const std::string file = (dir.path() / "bad.gam").string();
  Loaded loaded;
  const auto freecell = loadBuiltGame(1);
  ASSERT_TRUE(freecell);
  int recorded = 0;
  loaded.driver.setRecorder([&](const GameState&, bool, int) { ++recorded; });
  ASSERT_EQ(loaded.driver.session().start(*freecell, "0000000000009"), "");
  const Snapshot before = takeSnapshot(loaded.driver.session().state().table);
  {
    std::ofstream out(file, std::ios::binary);
    out << "[S-0302]0001\r\n";
  }
  const std::string answer = loaded.driver.execute("load " + file).back();
  EXPECT_EQ(answer.rfind("error: The saved game " + file + " cannot be loaded: ", 0), 0u) << answer;
  EXPECT_EQ(recorded, 0);
  EXPECT_TRUE(loaded.driver.session().state().inProgress);
  EXPECT_EQ(takeSnapshot(loaded.driver.session().state().table), before);
  EXPECT_EQ(loaded.driver.execute("load " + (dir.path() / "none.gam").string()).back().rfind("error: ", 0), 0u);
  EXPECT_EQ(recorded, 0);
}

// A score that follows the table (the poker grid's hands, the scoring
// system's cards played) is taken from the table, not from a spoiled field:
// otherwise the first undo would change it.
TEST(SavedGameLoad, AScoreThatFollowsTheTableIsTheTables) {
  TempDir dir;
  for (const int game : {15, 2}) {
    const std::string file = (dir.path() / ("spoiled" + std::to_string(game) + ".gam")).string();
    const auto params = loadBuiltGame(game);
    ASSERT_TRUE(params);
    PlayDriver saver;
    saver.identity() = {game, "Dora", "0000000000003"};
    ASSERT_EQ(saver.session().start(*params, "0000000000003"), "");
    saver.execute("stock");
    const int score = saver.session().state().score;
    ASSERT_EQ(saver.execute("save " + file).back(), "ok");
    std::string bytes;
    {
      std::ifstream in(file, std::ios::binary);
      bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    bytes.replace(83, 6, "500000");  // the score field of the first line
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out << bytes;
    }
    Loaded loaded;
    loaded.driver.session().state().prefs.autoplay = false;
    ASSERT_EQ(loaded.driver.execute("load " + file).back(), "ok") << "game " << game;
    EXPECT_EQ(loaded.driver.session().state().score, score) << "game " << game;
  }
}

}  // namespace
}  // namespace kes::cli
