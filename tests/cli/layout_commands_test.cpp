#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_main.h"

namespace kes::cli {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun run(std::vector<std::string> args) {
  const char* dir = std::getenv("KESTROVA_TEST_DATA");
  std::istringstream in;
  std::ostringstream out, err;
  args.insert(args.begin(), {"--install-dir", dir ? dir : ""});
  const int status = cliMain(std::move(args), in, out, err);
  return {status, out.str(), err.str()};
}

TEST(LayoutCommand, PrintsEveryPlacedPileInSnapshotOrder) {
  const CliRun r = run({"layout", "2", "--size", "800x600", "--cards", "B"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Mazzo 84 30\nMazzo_Vis 175 30\n"
            "Dest1 357 30\nDest2 448 30\nDest3 539 30\nDest4 630 30\n"
            "Fila1 84 136\nFila2 175 136\nFila3 266 136\nFila4 357 136\nFila5 448 136\nFila6 539 136\nFila7 630 136\n");
}

TEST(LayoutCommand, CardSizeAndShadowChangeThePlaces) {
  const CliRun medium = run({"layout", "2", "--size", "800x600", "--cards", "M", "--shadow", "N"});
  ASSERT_EQ(medium.status, 0) << medium.err;
  EXPECT_EQ(medium.out.substr(0, medium.out.find('\n')), "Mazzo 126 30");
  // Beleaguered Castle places neither stock nor reserves.
  const CliRun castle = run({"layout", "10", "--size", "1024x768", "--cards", "L"});
  ASSERT_EQ(castle.status, 0) << castle.err;
  EXPECT_EQ(castle.out.find("Mazzo"), std::string::npos);
  EXPECT_NE(castle.out.find("Dest4 "), std::string::npos);
  EXPECT_NE(castle.out.find("Fila8 "), std::string::npos);
}

TEST(LayoutCommand, BadInputIsRefusedWithAMessage) {
  const std::vector<std::vector<std::string>> bad{
      {"layout", "2", "--size", "800", "--cards", "B"},
      {"layout", "2", "--size", "0x600", "--cards", "B"},
      {"layout", "2", "--size", "800x600", "--cards", "X"},
      {"layout", "2", "--size", "800x600", "--cards", "B", "--shadow", "maybe"},
      {"layout", "abc", "--size", "800x600", "--cards", "B"},
      {"layout", "999", "--size", "800x600", "--cards", "B"},
      {"layout", "2", "--cards", "B"},
      {"layout", "2", "--size", "800x600", "--cards", "B", "extra"},
  };
  for (const auto& args : bad) {
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 2) << args[1] << " " << args[3];
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_NE(run({"layout", "999", "--size", "800x600", "--cards", "B"}).err.find("there is no game 999"),
            std::string::npos);
}

TEST(HitCommand, NamesThePileAndTheCardUnderThePoint) {
  const auto hit = [](std::string game, int x, int y) {
    const CliRun r = run({"hit", game, "--size", "800x600", "--cards", "B", std::to_string(x), std::to_string(y)});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  };
  EXPECT_EQ(hit("2", 640, 140), "Fila7 029\n");  // the bottom card's visible band
  EXPECT_EQ(hit("2", 640, 300), "none\n");       // below the pile
  EXPECT_EQ(hit("2", 100, 40), "Mazzo 032\n");
  // The stock of 24 cards stands raised by 4 pixels from its place at (84, 30).
  EXPECT_EQ(hit("2", 80, 26), "Mazzo 032\n");
  EXPECT_EQ(hit("2", 84 + 70, 30 + 95), "none\n");
  EXPECT_EQ(hit("2", 190, 40), "Mazzo_Vis 000\n");
  EXPECT_EQ(hit("2", 400, 40), "Dest1 000\n");
  // In the pyramid each row lies over the row above.
  EXPECT_EQ(hit("13", 360, 40), "Fila1 021\n");
  EXPECT_EQ(hit("13", 360, 100), "Fila2 002\n");
}

TEST(HitCommand, IrregularPilesAreReproducibleFromTheirSeed) {
  const std::vector<std::string> args{"hit", "2", "--size", "800x600", "--cards", "B", "--irregular", "5", "631", "160"};
  const CliRun a = run(args), b = run(args);
  ASSERT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(a.out, b.out);
  EXPECT_EQ(run({"hit", "2", "--size", "800x600", "--cards", "B", "--irregular", "x", "1", "1"}).status, 2);
}

TEST(HitCommand, ThePointMustBeTwoNumbers) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"hit", "2", "--size", "800x600", "--cards", "B", "1"},
        std::vector<std::string>{"hit", "2", "--size", "800x600", "--cards", "B", "1", "y"},
        std::vector<std::string>{"hit", "2", "--size", "800x600", "--cards", "B", "1", "2", "3"}}) {
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("X Y"), std::string::npos);
  }
}

}  // namespace
}  // namespace kes::cli
