// Recording a game from the command line and printing the statistics files.
#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_main.h"
#include "test_temp_dir.h"

namespace kes::cli {
namespace {

struct Ran {
  int status;
  std::vector<std::string> lines;
  std::string err;
};

class StatisticsCommandsTest : public ::testing::Test {
 protected:
  Ran run(std::vector<std::string> args, const std::string& input = "") {
    const char* install = std::getenv("KESTROVA_TEST_DATA");
    args.insert(args.begin(), {"--install-dir", install ? install : "", "--data-dir", data_.path().string()});
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cliMain(args, in, out, err);
    Ran r{status, {}, err.str()};
    std::istringstream text(out.str());
    for (std::string l; std::getline(text, l);) r.lines.push_back(l);
    return r;
  }
  std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string s; std::getline(in, s, '\t');) f.push_back(s);
    return f;
  }

  TempDir data_;
};

TEST_F(StatisticsCommandsTest, AGameGivenUpIsRecordedForThePlayerAndPrinted) {
  const Ran played = run({"play", "2", "4711", "--pref", "AutoPlay=N", "--record", "--player", "Anna"}, "stock\nquit\n");
  ASSERT_EQ(played.status, 0) << played.err;
  EXPECT_EQ(played.lines.back(), "ok");

  const Ran log = run({"log"});
  ASSERT_EQ(log.lines.size(), 1U) << log.err;
  const auto l = fields(log.lines[0]);
  ASSERT_EQ(l.size(), 10U);
  EXPECT_EQ(l[3], "2");
  EXPECT_EQ(l[4], "Klondike");
  EXPECT_EQ(l[5], "Anna");
  EXPECT_EQ(l[6], "Lost");
  EXPECT_EQ(l[8], "-52");
  EXPECT_EQ(l[9], "0000000004711");

  const Ran stats = run({"stats", "2"});
  ASSERT_EQ(stats.lines.size(), 1U);
  EXPECT_EQ(stats.lines[0], "Anna\t0\t1\t0\t1\t0\t1\t-52");
  EXPECT_EQ(run({"stats", "2", "Bob"}).lines[0], "Bob\t0\t0\t0\t0\t0\t0\t0");

  // Sample entries from 52 cards: -52 ranks below all of them.
  const Ran scores = run({"hiscores", "2"});
  ASSERT_EQ(scores.lines.size(), 20U);
  EXPECT_EQ(fields(scores.lines[0])[2], "52");
  EXPECT_EQ(fields(scores.lines[19])[2], "2");
  // A negative score never counts for the overall score.
  EXPECT_TRUE(run({"overall"}).lines.empty());
}

TEST_F(StatisticsCommandsTest, TheEndOfTheInputGivesTheGameUpOnceAndWithoutRecordNothingIsWritten) {
  run({"play", "2", "7", "--record"}, "stock\n");
  run({"play", "2", "8"}, "stock\n");
  const Ran log = run({"log"});
  ASSERT_EQ(log.lines.size(), 1U);
  EXPECT_EQ(fields(log.lines[0])[5], "Player 1");
}

TEST_F(StatisticsCommandsTest, NamesTheFilesCannotHoldAreRefused) {
  for (const char* name : {"A=B", "[x]", ""}) {
    const Ran r = run({"play", "2", "7", "--record", "--player", name}, "");
    EXPECT_EQ(r.status, 2) << name;
  }
  EXPECT_EQ(run({"play", "2", "7", "--player", "Anna"}, "").status, 2);
  EXPECT_TRUE(run({"log"}).lines.empty());
  EXPECT_EQ(run({"stats", "x"}).status, 2);
  EXPECT_EQ(run({"hiscores"}).status, 2);
}

}  // namespace
}  // namespace kes::cli
