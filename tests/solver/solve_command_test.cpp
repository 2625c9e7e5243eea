// "kestrova-cli solve": the verdict, the counts and the moves of one deal,
// the lines and summary of a range, and bad arguments refused with 2.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "cli/cli_main.h"
#include "cli/cli_context.h"

namespace kes::cli {
namespace {

struct SolveRun {
  int status;
  std::string out, err;
};

SolveRun solve(std::vector<std::string> args) {
  const char* data = std::getenv("KESTROVA_TEST_DATA");
  std::vector<std::string> all{"--install-dir", data ? data : "", "solve"};
  all.insert(all.end(), args.begin(), args.end());
  std::istringstream in;
  std::ostringstream out, err;
  const int status = cliMain(all, in, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> l;
  for (std::string s; std::getline(in, s);) l.push_back(s);
  return l;
}

TEST(SolveCommand, aWonDealGivesTheVerdictTheCountsAndThePlayCommands) {
  const SolveRun r = solve({"1", "3", "--max-states", "100000"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto l = lines(r.out);
  ASSERT_GE(l.size(), 3u);
  EXPECT_EQ(l[0].rfind("won: ", 0), 0u) << l[0];
  EXPECT_EQ(l[1].rfind("states=", 0), 0u) << l[1];
  EXPECT_NE(l[1].find(" ms="), std::string::npos);
  for (std::size_t i = 2; i < l.size(); ++i) EXPECT_TRUE(l[i].rfind("move ", 0) == 0 || l[i] == "stock") << l[i];
}

TEST(SolveCommand, aSpentBudgetSaysUnknownWithItsReason) {
  const SolveRun r = solve({"1", "3", "--max-states", "1"});
  ASSERT_EQ(r.status, kExitOk);
  EXPECT_EQ(lines(r.out).at(0), "unknown: the state budget ran out (1 positions)");
  EXPECT_EQ(lines(r.out).size(), 2u);
}

TEST(SolveCommand, aRangeGivesOneLinePerDealAndASummary) {
  const SolveRun r = solve({"1", "--deals", "2..4", "--jobs", "2", "--max-states", "1"});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const auto l = lines(r.out);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[0].rfind("2 unknown ms=", 0), 0u) << l[0];
  EXPECT_EQ(l[2].rfind("4 unknown ms=", 0), 0u) << l[2];
  EXPECT_EQ(l[3].rfind("deals=3 won=0 lost=0 unknown=3 ms: median=", 0), 0u) << l[3];
}

TEST(SolveCommand, badArgumentsAreRefusedWithStatus2) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"1"},
           {"1", "0"},
           {"1", "x"},
           {"1", "3", "--max-ms", "0"},
           {"1", "3", "--max-mb", "-5"},
           {"1", "3", "--jobs", "2"},
           {"1", "--deals", "5..2"},
           {"1", "--deals", "5"},
           {"1", "--deals", "1..3", "--jobs", "999"},
           {"99999", "1"},
       }) {
    const SolveRun r = solve(args);
    EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(args);
    EXPECT_FALSE(r.err.empty()) << ::testing::PrintToString(args);
    EXPECT_TRUE(r.out.empty()) << ::testing::PrintToString(args);
  }
}

}  // namespace
}  // namespace kes::cli
