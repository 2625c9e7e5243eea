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
  std::istringstream in;
  std::ostringstream out, err;
  const int status = cliMain(std::move(args), in, out, err);
  return {status, out.str(), err.str()};
}

TEST(DealOrderCommand, PrintsTheDealOnOneLine) {
  const CliRun r = run({"deal-order", "--cards", "52", "--number", "1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("040 004 043 039 015", 0), 0u);
  EXPECT_EQ(r.out.size(), 52u * 4);  // 52 codes, 51 spaces and the newline
  EXPECT_EQ(r.out.back(), '\n');
}

TEST(DealOrderCommand, AcceptsGlobalOptionsBeforeTheCommand) {
  const CliRun r = run({"--data-dir", "/tmp", "deal-order", "--number", "1", "--cards", "104"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("005 081 078 008", 0), 0u);
}

TEST(DealOrderCommand, RejectsBadGameNumbers) {
  for (const char* number : {"", "12a", "12345678901234", "-3", " 7"}) {
    const CliRun r = run({"deal-order", "--cards", "52", "--number", number});
    EXPECT_EQ(r.status, 2) << number;
    EXPECT_TRUE(r.out.empty()) << number;
    EXPECT_NE(r.err.find("game number"), std::string::npos) << number;
  }
}

TEST(DealOrderCommand, RejectsBadCardCounts) {
  for (const char* cards : {"53", "0", "abc", "52.5", "", "100000"}) {
    const CliRun r = run({"deal-order", "--cards", cards, "--number", "1"});
    EXPECT_EQ(r.status, 2) << cards;
    EXPECT_NE(r.err.find("Error 01 - fnGameNumberCardsArray"), std::string::npos) << cards;
  }
}

TEST(DealOrderCommand, UsageErrors) {
  EXPECT_EQ(run({}).status, 2);
  EXPECT_EQ(run({"no-such-command"}).status, 2);
  EXPECT_EQ(run({"deal-order", "--cards", "52"}).status, 2);
  EXPECT_EQ(run({"deal-order", "--cards", "52", "--number", "1", "extra"}).status, 2);
}

}  // namespace
}  // namespace kes::cli
