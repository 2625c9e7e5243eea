#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/catalogue_commands.h"
#include "cli/cli_main.h"
#include "datafiles/custom_games_file.h"
#include "datafiles/message_sink.h"
#include "test_temp_dir.h"

namespace kes::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string out, err;
};

// The catalogue the build wrote.
std::string builtDataDir() {
  const char* dir = std::getenv("KESTROVA_TEST_DATA");
  return dir ? dir : "";
}

CliRun run(std::vector<std::string> args) {
  std::istringstream in;
  std::ostringstream out, err;
  args.insert(args.begin(), {"--install-dir", builtDataDir()});
  const int status = cliMain(std::move(args), in, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) result.push_back(l);
  return result;
}

TEST(GamesCommand, ListsNumberCategoryAndNameInFileOrder) {
  const CliRun r = run({"games"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto l = lines(r.out);
  ASSERT_GE(l.size(), 20u);
  EXPECT_EQ(l[0], "001\t4\tFreeCell");
  EXPECT_EQ(l[1], "002\t5\tKlondike");
  EXPECT_EQ(l[2], "003\t5\tKlondike (3 cards)");
  EXPECT_EQ(l[19], "020\t4\tSeahaven Towers");
  EXPECT_EQ(run({"games", "extra"}).status, 2);
}

TEST(ParamsCommand, PrintsEveryEntryOfTheLoadedGame) {
  const CliRun r = run({"params", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto l = lines(r.out);
  ASSERT_EQ(l.size(), 345u);
  EXPECT_EQ(l[0].rfind("1=", 0), 0u);
  EXPECT_EQ(l[261], "262=8");   // eight tableau piles
  EXPECT_EQ(l[264], "265=52");
  EXPECT_EQ(l[267], "268=7");
  EXPECT_EQ(l[271], "272=6");
  EXPECT_EQ(l[344].rfind("345=", 0), 0u);
  const auto spider = lines(run({"params", "0004"}).out);
  ASSERT_EQ(spider.size(), 345u);
  EXPECT_EQ(spider[264], "265=104");
}

TEST(ParamsCommand, RefusesUnknownGamesAndBadArguments) {
  for (const char* game : {"0", "999", "7999"}) {
    const CliRun r = run({"params", game});
    EXPECT_EQ(r.status, 2) << game;
    EXPECT_NE(r.err.find("no game"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
  }
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"params"}, {"params", "x1"}, {"params", "-1"}, {"params", "12345"}, {"params", "1", "2"}})
    EXPECT_EQ(run(args).status, 2);
}

TEST(ParamsCommand, ReadsCustomGamesFromTheDataFolder) {
  TempDir data;
  struct Quiet : MessageSink {
    void information(const std::string&) override {}
  } quiet;
  const auto number = addCustomGame(data.path() / kCustomGamesFileName, "Klondike by threes", 2, "003-010", quiet);
  ASSERT_EQ(number, 8000);
  std::istringstream in;
  std::ostringstream out, err;
  ASSERT_EQ(cliMain({"--install-dir", builtDataDir(), "--data-dir", data.path().string(), "params", "8000"}, in, out, err), 0)
      << err.str();
  const auto l = lines(out.str());
  ASSERT_EQ(l.size(), 345u);
  EXPECT_EQ(l[18], "19=3");
  EXPECT_EQ(l[12], "13=-1");
  std::ostringstream out2, err2;
  EXPECT_EQ(cliMain({"--install-dir", builtDataDir(), "--data-dir", data.path().string(), "params", "8001"}, in, out2, err2), 2);
  EXPECT_NE(err2.str().find("no custom game 8001"), std::string::npos);
}

TEST(CatalogueCommands, AMissingCatalogueIsReportedWithItsPath) {
  TempDir empty;
  for (const char* command : {"games", "params"}) {
    std::istringstream in;
    std::ostringstream out, err;
    std::vector<std::string> args{"--install-dir", empty.path().string(), command};
    if (std::string(command) == "params") args.push_back("1");
    EXPECT_EQ(cliMain(args, in, out, err), 2);
    EXPECT_NE(err.str().find("Cannot find file:\n" + (empty.path() / "GAMES.DAT").string() +
                             "\nCopy the file into the directory that above is specified\nor reinstall the program."),
              std::string::npos)
        << err.str();
  }
}

TEST(ParamsCommand, ACustomGameLoadsItsBaseGameWithItsRules) {
  std::istringstream in;
  std::ostringstream out, err;
  CliContext ctx{{"8003"}, {builtDataDir(), builtDataDir()}, in, out, err};
  int askedFor = 0;
  const auto lookup = [&](const DataDirs&, int number) -> std::optional<CustomGameRules> {
    askedFor = number;
    if (number == 8003) return CustomGameRules{2, "003-012"};
    return std::nullopt;
  };
  ASSERT_EQ(runParamsWith(ctx, lookup), 0) << err.str();
  EXPECT_EQ(askedFor, 8003);
  const auto l = lines(out.str());
  ASSERT_EQ(l.size(), 345u);
  EXPECT_EQ(l[18], "19=3");
  EXPECT_EQ(l[12], "13=-1");
  EXPECT_EQ(l[99], "100=-1");
  EXPECT_EQ(l[105], "106=-1");
  EXPECT_EQ(l[106], "107=0");  // Klondike has 7 piles; the eighth keeps the catalogue's value
  EXPECT_EQ(l[264], "265=52");

  ctx.args = {"8004"};
  EXPECT_EQ(runParamsWith(ctx, lookup), 2);
  EXPECT_NE(err.str().find("no custom game 8004"), std::string::npos);
}

}  // namespace
}  // namespace kes::cli
