// Every demo file the build wrote replays from its deal to the table it
// holds, and ends won unless its move list says the solver found no win.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/cli_main.h"
#include "cli/demo_moves.h"
#include "test_temp_dir.h"

namespace kes::cli {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun cli(const std::vector<std::string>& args, const TempDir& data, std::string install = std::getenv("KESTROVA_TEST_DATA")) {
  std::vector<std::string> all{"--install-dir", install, "--data-dir", data.path().string()};
  all.insert(all.end(), args.begin(), args.end());
  std::istringstream in;
  std::ostringstream out, err;
  const int status = cliMain(all, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(DemoFiles, everyGameHasADemoThatReplaysAsItsListSays) {
  TempDir data;
  const CliRun games = cli({"games"}, data);
  ASSERT_EQ(games.status, 0) << games.err;
  std::istringstream lines(games.out);
  int checked = 0, won = 0;
  for (std::string line; std::getline(lines, line);) {
    const int game = std::stoi(line.substr(0, line.find('\t')));
    std::ifstream listFile(std::filesystem::path(KESTROVA_DEMO_LISTS) / demoMovesFileName(game));
    std::string error;
    const auto list = parseDemoMoves(listFile, error);
    ASSERT_TRUE(list) << game << ": " << error;
    const CliRun demo = cli({"demo", std::to_string(game)}, data);
    EXPECT_EQ(demo.status, 0) << game << ": " << demo.err;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(demo.out, m, std::regex("moves (\\d+)\nreplayed (\\d+) moves: (won|not won)")))
        << game << ": " << demo.out;
    EXPECT_EQ(m[1], m[2]) << game;
    EXPECT_GT(std::stoi(m[1]), 0) << game;
    EXPECT_EQ(m[3] == "won", list->won) << game;
    EXPECT_NE(demo.out.find("deal " + list->dealNumber), std::string::npos) << game;
    ++checked;
    won += list->won;
  }
  EXPECT_GE(checked, 100);
  std::cout << won << " of " << checked << " demos end won\n";
}

TEST(DemoFiles, aGameWithoutADemoFileIsToldSo) {
  TempDir install, data;
  std::filesystem::copy_file(std::filesystem::path(std::getenv("KESTROVA_TEST_DATA")) / "GAMES.DAT",
                             install.path() / "GAMES.DAT");
  const CliRun demo = cli({"demo", "1"}, data, install.path().string());
  EXPECT_EQ(demo.status, 1);
  EXPECT_NE(demo.err.find("G0001.GAM"), std::string::npos) << demo.err;
}

}  // namespace
}  // namespace kes::cli
