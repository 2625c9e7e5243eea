// "kestrova-cli demo-search": the depth-first passes over the deals come
// first and their win is the list; without a win the beam pass follows, the
// heading says what each pass tried, and the most advanced line met plays.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/cli_context.h"
#include "cli/cli_main.h"
#include "cli/demo_moves.h"
#include "cli/game_play.h"

namespace kes::cli {
namespace {

struct SearchRun {
  int status;
  std::string out, err;
};

SearchRun demoSearch(std::vector<std::string> args) {
  const char* data = std::getenv("KESTROVA_TEST_DATA");
  std::vector<std::string> all{"--install-dir", data ? data : "", "demo-search"};
  all.insert(all.end(), args.begin(), args.end());
  std::istringstream in;
  std::ostringstream out, err;
  const int status = cliMain(all, in, out, err);
  return {status, out.str(), err.str()};
}

// Plays the list; "" when every move was accepted, else the first refusal.
std::string playFailure(const DemoMoves& demo, long long deal) {
  GamePlay play(demo.game, deal);
  if (!play.startError().empty()) return play.startError();
  for (const std::string& move : demo.moves)
    if (const std::string answer = play.run(move); answer != "ok") return move + ": " + answer;
  return play.table().state;
}

DemoMoves parsed(const std::string& text) {
  std::istringstream in(text);
  std::string error;
  auto demo = parseDemoMoves(in, error);
  EXPECT_TRUE(demo.has_value()) << error;
  return demo.value_or(DemoMoves{});
}

TEST(DemoSearchCommand, theFirstDealTheDepthFirstPassWinsIsTheDemo) {
  // FreeCell's deal 12 resists a small search; 13 falls to it.
  const SearchRun r = demoSearch({"1", "--deals", "12..13", "--max-states", "2000", "--beam", "0"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NE(r.out.find("a winning line the solver found on deal 0000000000013"), std::string::npos) << r.out;
  const DemoMoves demo = parsed(r.out);
  EXPECT_TRUE(demo.won);
  EXPECT_EQ(playFailure(demo, 13), "won");
}

// 120 positions for the game: half shared out over the three deals (20
// each), then deal after deal with 30 each up to 90, then the beam.
TEST(DemoSearchCommand, withoutAWinTheBeamPassFollowsAndTheBestLinePlays) {
  const SearchRun r = demoSearch(
      {"12", "--deals", "1..3", "--max-states", "30", "--beam", "5", "--beam-states", "40", "--game-states", "120"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_NE(r.out.find("NO WIN FOUND (depth first on deals 1..3, at most 20 positions each; depth first on deals "
                       "1..1, at most 30 positions each; a beam of 5 on deals 1..1, at most 40 positions each; 120 "
                       "positions in all)"),
            std::string::npos)
      << r.out;
  const DemoMoves demo = parsed(r.out);
  EXPECT_FALSE(demo.won);
  ASSERT_FALSE(demo.moves.empty());
  EXPECT_EQ(playFailure(demo, std::stoll(demo.dealNumber)), "playing");
}

TEST(DemoSearchCommand, aBadBeamWidthIsRefusedWithStatus2) {
  EXPECT_EQ(demoSearch({"12", "--beam", "wide"}).status, kExitUsage);
  EXPECT_EQ(demoSearch({"12", "--beam", "-1"}).status, kExitUsage);
}

}  // namespace
}  // namespace kes::cli
