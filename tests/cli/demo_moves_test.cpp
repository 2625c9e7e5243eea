#include <gtest/gtest.h>

#include <sstream>

#include "cli/demo_moves.h"

namespace kes::cli {
namespace {

std::optional<DemoMoves> parse(const std::string& text, std::string& error) {
  std::istringstream in(text);
  return parseDemoMoves(in, error);
}

TEST(DemoMoves, WrittenListReadsBackTheSame) {
  DemoMoves demo;
  demo.game = 23;
  demo.dealNumber = "0000000000017";
  demo.won = true;
  demo.moves = {"move 12 Fila3", "stock", "click 40"};
  demo.comments = {"a winning line"};
  std::ostringstream out;
  writeDemoMoves(out, demo);
  std::string error;
  const auto back = parse(out.str(), error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(back->game, 23);
  EXPECT_EQ(back->dealNumber, "0000000000017");
  EXPECT_TRUE(back->won);
  EXPECT_EQ(back->moves, demo.moves);
  EXPECT_EQ(back->comments, demo.comments);
}

TEST(DemoMoves, CarriageReturnsBlankLinesAndCommentsAreNotMoves) {
  std::string error;
  const auto demo = parse("# note\r\ngame 4\r\ndeal 9\r\nresult lost\r\n\r\nstock\r\n# later\r\n", error);
  ASSERT_TRUE(demo) << error;
  EXPECT_FALSE(demo->won);
  EXPECT_EQ(demo->moves, std::vector<std::string>{"stock"});
}

TEST(DemoMoves, DamagedHeadersAreRefusedWithTheReason) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"deal 1\nresult won\n", "game number"},
      {"game 0\ndeal 1\nresult won\n", "game number"},
      {"game 12345\ndeal 1\nresult won\n", "game number"},
      {"game 1\ndeal x\nresult won\n", "deal number"},
      {"game 1\ndeal 1\nresult maybe\n", "result"},
      {"game 1\nstock\ndeal 1\nresult won\n", "line 2"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(parse(c.text, error)) << c.text;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(DemoMoves, FileNamesHaveThreeDigitsAtLeast) {
  EXPECT_EQ(demoMovesFileName(7), "007.moves");
  EXPECT_EQ(demoMovesFileName(123), "123.moves");
  EXPECT_EQ(demoMovesFileName(8001), "8001.moves");
}

}  // namespace
}  // namespace kes::cli
