#include "datafiles/saved_game_file.h"

#include <functional>

#include <gtest/gtest.h>

#include "../test_temp_dir.h"
#include "data_file_helpers.h"
#include "datafiles/saved_game_load.h"
#include "engine/card.h"

namespace kes {
namespace {

using testing::FailingFileSystem;
using testing::RecordingSink;
using testing::readBytes;
using testing::writeBytes;

// A small game: two history tables, cards 1..52, a negative score.
SavedGame sample() {
  SavedGame g;
  g.game = 2;
  g.appearance = {"BK01", 8421376, "Y", 'M', "001", 3};
  g.elapsedSeconds = 125;
  g.scoringSystem = 1;
  g.score = -52;
  g.passNumber = 2;
  g.playerName = "Anna";
  g.dealNumber = "0000000000042";
  for (std::size_t f = 0; f < 4; ++f) g.foundationBases[f] = 1;
  g.table[0] = "05100520";  // two cards face down in the stock
  g.table[3] = "0011";  // foundation 1 with its ace of hearts
  g.table[19] = "00210031";
  Snapshot first = g.table;
  first[3] = "";
  first[19] = "002100310011";
  g.undo.snapshots = {first, g.table};
  g.undo.log = MoveLog("002,001,");
  return g;
}

std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

TEST(SavedGameFile, LaysOutHeaderTableAndHistoryWithCrLf) {
  const std::string bytes = formatSavedGame(sample());
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const auto lines = linesOf(bytes);
  ASSERT_EQ(lines.size(), 65u + 5 + 2 * (3 + 16 + 26 + 8) + 1);
  EXPECT_EQ(lines[0],
            "[S-0302]0002BK01                          000000008421376Y   M001      0003000125"
            "01-00052000002");
  EXPECT_EQ(lines[0].size(), 95u);
  EXPECT_EQ(lines[1].size(), 98u);
  EXPECT_EQ(lines[1].substr(0, 4), "Anna");
  EXPECT_EQ(lines[1].substr(50, 16), "0000000000042   ");
  EXPECT_EQ(lines[1].substr(66, 10), "01010101  ");
  for (std::size_t i = 2; i < 12; ++i) EXPECT_EQ(lines[i], "") << i;
  EXPECT_EQ(lines[12], "05100520");
  EXPECT_EQ(lines[15], "0011");  // foundation 1 keeps its real content
  EXPECT_EQ(lines[65], "[UNDO - Stock]");
  EXPECT_EQ(lines[72], "[UNDO - Foundations]");
  EXPECT_EQ(lines[73], "");  // foundation 1 of the first table: an empty pile is an empty line
  EXPECT_EQ(lines[105], "[UNDO - Piles]");
  EXPECT_EQ(lines[158], "[UNDO - Reserves]");
  EXPECT_EQ(lines[175], "[UNDO - Log]");
  EXPECT_EQ(lines[176], "002,001,");
}

TEST(SavedGameFile, ReadsBackWhatItWrote) {
  const SavedGame g = sample();
  const SavedGameParse parse = parseSavedGame(formatSavedGame(g));
  ASSERT_TRUE(parse.game) << parse.problem;
  const SavedGame& r = *parse.game;
  EXPECT_EQ(r.game, 2);
  EXPECT_EQ(r.score, -52);
  EXPECT_EQ(r.elapsedSeconds, 125);
  EXPECT_EQ(r.passNumber, 2);
  EXPECT_EQ(r.scoringSystem, 1);
  EXPECT_EQ(r.playerName, "Anna");
  EXPECT_EQ(r.dealNumber, "0000000000042");
  EXPECT_EQ(r.foundationBases, g.foundationBases);
  EXPECT_EQ(r.table, g.table);
  EXPECT_EQ(r.undo.snapshots, g.undo.snapshots);
  EXPECT_EQ(r.undo.log.text(), "002,001,");
  EXPECT_EQ(r.appearance.faceSet, "001");
}

TEST(SavedGameFile, EmptyHistoryAndLogRoundTrip) {
  SavedGame g = sample();
  g.undo.clear();
  const std::string bytes = formatSavedGame(g);
  EXPECT_EQ(bytes.substr(bytes.size() - 16), "[UNDO - Log]\r\n\r\n");
  const SavedGameParse parse = parseSavedGame(bytes);
  ASSERT_TRUE(parse.game) << parse.problem;
  EXPECT_TRUE(parse.game->undo.empty());
  EXPECT_TRUE(parse.game->undo.log.empty());
}

// What would not fit its field is kept at the field's limit, so that the
// file stays readable: "*" filled fields are no numbers.
TEST(SavedGameFile, KeepsOversizedValuesReadable) {
  SavedGame g = sample();
  g.elapsedSeconds = 5'000'000;
  g.score = -123456;
  const SavedGameParse parse = parseSavedGame(formatSavedGame(g));
  ASSERT_TRUE(parse.game) << parse.problem;
  EXPECT_EQ(parse.game->elapsedSeconds, 999999);
  EXPECT_EQ(parse.game->score, -99999);
}

TEST(SavedGameFile, ReadsLineFeedOnlyFilesAndKeepsUnreadableBases) {
  std::string bytes = formatSavedGame(sample());
  auto lines = linesOf(bytes);
  lines[1].replace(66, 2, "xx");
  std::string lf;
  for (const auto& l : lines) lf += l + "\n";
  const SavedGameParse parse = parseSavedGame(lf);
  ASSERT_TRUE(parse.game) << parse.problem;
  EXPECT_FALSE(parse.game->foundationBases[0].has_value());
  EXPECT_EQ(parse.game->foundationBases[1], 1);
}

// One damaged copy of the sample for each way a file can be spoiled, and the
// words the refusal must contain.
struct Damage {
  const char* name;
  std::function<void(std::vector<std::string>&)> spoil;
  const char* expected;
};

std::string join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

TEST(SavedGameFile, RefusesEveryKindOfDamageSaying) {
  const std::vector<Damage> damages{
      {"empty", [](auto& l) { l.clear(); }, "empty"},
      {"not a saved game", [](auto& l) { l[0].replace(0, 3, "[X-"); }, "not a saved game"},
      {"older version", [](auto& l) { l[0].replace(3, 4, "0300"); }, "older version"},
      {"truncated in the table", [](auto& l) { l.resize(40); }, "cut short"},
      {"truncated in the history", [](auto& l) { l.resize(120); }, "cut short"},
      {"log line missing", [](auto& l) { l.pop_back(); }, "log line is missing"},
      {"header too short", [](auto& l) { l[0].pop_back(); }, "line 1 has 94 characters instead of 95"},
      {"second line too long", [](auto& l) { l[1] += ' '; }, "line 2 has 99 characters instead of 98"},
      {"game number", [](auto& l) { l[0].replace(8, 4, "00x2"); }, "game number \"00x2\" is not a number"},
      {"playing time", [](auto& l) { l[0].replace(75, 6, "******"); }, "playing time"},
      {"score", [](auto& l) { l[0].replace(83, 6, "12 456"); }, "score"},
      {"pass", [](auto& l) { l[0].replace(89, 6, "abcdef"); }, "pass number"},
      {"deal number", [](auto& l) { l[1].replace(50, 3, "A00"); }, "deal number"},
      {"not empty", [](auto& l) { l[5] = "x"; }, "line 6 should be empty"},
      {"pile width", [](auto& l) { l[20] = "00110"; }, "line 21 has 5 characters"},
      {"pile text", [](auto& l) { l[20] = "00A1"; }, "\"00A1\" is not a card"},
      {"face flag", [](auto& l) { l[20] = "0012"; }, "\"0012\" is not a card"},
      {"code beyond any pack", [](auto& l) { l[20] = "1051"; }, "card code 105 is out of range"},
      {"stock section size", [](auto& l) { l.erase(l.begin() + 67); }, "not a multiple of 3"},
      {"foundation section size", [](auto& l) { l.erase(l.begin() + 80); }, "not a multiple of 16"},
      {"tableau section size", [](auto& l) { l.erase(l.begin() + 110); }, "not a multiple of 26"},
      {"reserve section size", [](auto& l) { l.erase(l.begin() + 160); }, "not a multiple of 8"},
      {"sections disagree",
       [](auto& l) { l.erase(l.begin() + 159, l.begin() + 167); }, "holds 1 tables"},
      {"section missing", [](auto& l) { l[105] = ""; }, "\"[UNDO - Piles]\" is missing"},
      {"history card", [](auto& l) { l[70] = "0011001"; }, "line 71"},
      {"log text", [](auto& l) { l.back() = "002,01,"; }, "not a list of move codes"},
      {"log steps", [](auto& l) { l.back() = "002,"; }, "log holds 1 steps for 2 tables"},
      {"lines after the log", [](auto& l) { l.push_back("001,"); }, "more than one line"},
  };
  const auto good = linesOf(formatSavedGame(sample()));
  for (const Damage& d : damages) {
    auto lines = good;
    d.spoil(lines);
    const SavedGameParse parse = parseSavedGame(join(lines));
    EXPECT_FALSE(parse.game) << d.name;
    EXPECT_NE(parse.problem.find(d.expected), std::string::npos) << d.name << ": " << parse.problem;
  }
}

TEST(SavedGameFile, ReadsVersion0301AsTheCurrentLayout) {
  auto lines = linesOf(formatSavedGame(sample()));
  lines[0].replace(3, 4, "0301");
  EXPECT_TRUE(parseSavedGame(join(lines)).game);
}

// The cards 4 to 50 of the sample, which holds only five of its game's 52.
constexpr int kRestPile = 30;
std::string restOfThePack() {
  std::string line;
  for (int code = 4; code <= 50; ++code) line += cardCodeText(code) + "1";
  return line;
}

// Checks against the game itself: a missing game, cards it has not, a card
// twice, a card lost.
struct SavedGameChecks : ::testing::Test {
  TempDir dir;
  std::filesystem::path file = dir.path() / "game.gam";
  GameParams params;
  GameParamsLookup lookup = [this](int game) -> std::optional<GameParams> {
    if (game != 2) return std::nullopt;
    return params;
  };
  void SetUp() override { params[Param::CardCount] = 52; }
  SavedGameLoad loadWith(const std::function<void(SavedGame&)>& change) {
    SavedGame g = sample();
    g.table[kRestPile] = restOfThePack();
    for (Snapshot& table : g.undo.snapshots) table[kRestPile] = restOfThePack();
    change(g);
    writeBytes(file, formatSavedGame(g));
    return loadSavedGame(file, lookup);
  }
};

TEST_F(SavedGameChecks, LoadsASoundFile) {
  const SavedGameLoad load = loadWith([](SavedGame&) {});
  ASSERT_TRUE(load.ok()) << load.error;
  EXPECT_EQ(load.params[Param::CardCount], 52);
}

TEST_F(SavedGameChecks, RefusesNamingTheFile) {
  const std::string prefix = "The saved game " + file.string() + " cannot be loaded: ";
  const std::vector<std::pair<std::function<void(SavedGame&)>, std::string>> cases{
      {[](SavedGame& g) { g.game = 9; }, "there is no game 9."},
      {[](SavedGame& g) { g.table[20] = "0531"; }, "the card code 053 is out of range: the game has 52 cards."},
      {[](SavedGame& g) { g.table[20] = "0021"; }, "the card 002 lies twice on the table."},
      {[](SavedGame& g) { g.undo.snapshots[1][24] = "0511"; }, "the card 051 lies twice in table 2 of the history."},
      // A card that fell out of a pile line or was blanked to "0000".
      {[](SavedGame& g) { g.table[kRestPile].erase(0, 4); }, "the card 004 is not on the table."},
      {[](SavedGame& g) { g.table[0] = "00000520"; }, "the card 051 is not on the table."},
      {[](SavedGame& g) { g.undo.snapshots[0][19] = "00210031"; },
       "the card 001 is not in table 1 of the history."},
  };
  for (const auto& [change, words] : cases) {
    const SavedGameLoad load = loadWith(change);
    EXPECT_FALSE(load.ok()) << words;
    EXPECT_EQ(load.error.rfind(prefix, 0), 0u) << load.error;
    EXPECT_EQ(load.error.substr(prefix.size()), words);
  }
}

TEST_F(SavedGameChecks, MissingFileIsNamed) {
  const SavedGameLoad load = loadSavedGame(dir.path() / "none.gam", lookup);
  EXPECT_FALSE(load.ok());
  EXPECT_NE(load.error.find("none.gam"), std::string::npos);
}

TEST_F(SavedGameChecks, WritingFailureKeepsTheOldFile) {
  writeBytes(file, "old");
  RecordingSink sink;
  FailingFileSystem fs(FailingFileSystem::Step::Write);
  EXPECT_FALSE(writeSavedGame(file, sample(), sink, fs));
  EXPECT_EQ(readBytes(file), "old");
  EXPECT_FALSE(sink.messages.empty());
  EXPECT_TRUE(writeSavedGame(file, sample(), sink));
  EXPECT_EQ(readBytes(file), formatSavedGame(sample()));
}

}  // namespace
}  // namespace kes
