// The fixed-width records of the statistics files and the overall score's
// scrambled values.
#include <gtest/gtest.h>

#include "datafiles/game_log_line.h"
#include "datafiles/hi_score_entry.h"
#include "datafiles/overall_score_codec.h"
#include "datafiles/player_game_stats.h"
#include "datafiles/player_name.h"

namespace kes {
namespace {

TEST(PlayerGameStatsTest, WritesEightFieldsOfFixedWidth) {
  PlayerGameStats s{3, 12, 2, 7, 1, 0, -156};
  const std::string text = s.format();
  EXPECT_EQ(text, "000003 000012 000002 000007 000001 000000 -00000000156 000000000000");
  EXPECT_EQ(text.size(), kPlayerGameStatsLength);
  EXPECT_EQ(PlayerGameStats::parse(text), s);
}

TEST(PlayerGameStatsTest, FieldsFromTheFirstBadOneOnReadAsZero) {
  const auto s = PlayerGameStats::parse("000003 000012 0000x2 000007 000001 000000 000000000156 000000000000");
  EXPECT_EQ(s.won, 3);
  EXPECT_EQ(s.lost, 12);
  EXPECT_EQ(s.longestWinningStreak, 0);
  EXPECT_EQ(s.longestLosingStreak, 0);
  EXPECT_EQ(s.scoreTotal, 0);
  const auto cut = PlayerGameStats::parse("000003 0000");
  EXPECT_EQ(cut.won, 3);
  EXPECT_EQ(cut.lost, 0);
}

TEST(PlayerGameStatsTest, StreaksFollowWinsAndLosses) {
  PlayerGameStats s;
  s.add(false, -40);
  for (int i = 0; i < 3; ++i) s.add(true, 208);
  EXPECT_EQ(s.currentWinningStreak, 3);
  EXPECT_EQ(s.longestWinningStreak, 3);
  EXPECT_EQ(s.currentLosingStreak, 0);
  s.add(false, -52);
  EXPECT_EQ(s.currentWinningStreak, 0);
  EXPECT_EQ(s.longestWinningStreak, 3);
  EXPECT_EQ(s.currentLosingStreak, 1);
  EXPECT_EQ(s.longestLosingStreak, 1);
  EXPECT_EQ(s.won, 3);
  EXPECT_EQ(s.lost, 2);
  EXPECT_EQ(s.scoreTotal, 3 * 208 - 92);
}

TEST(GameLogLineTest, FieldsStandAtTheirColumns) {
  GameLogLine l{"20261209", "18:30:05", 754, 2, "Klondike", "Player 1", true, "01", "208", "0001234567890"};
  const std::string line = l.format();
  ASSERT_EQ(line.size(), kGameLogLineLength);
  for (std::size_t blank : {9, 18, 25, 30, 81, 112, 120, 127, 143}) EXPECT_EQ(line[blank - 1], ' ') << blank;
  EXPECT_EQ(line.substr(0, 8), "20261209");
  EXPECT_EQ(line.substr(18, 6), "000754");
  EXPECT_EQ(line.substr(25, 4), "0002");
  EXPECT_EQ(line.substr(30, 8), "Klondike");
  EXPECT_EQ(line.substr(81, 8), "Player 1");
  EXPECT_EQ(line.substr(112, 5), "Won  ");
  EXPECT_EQ(line.substr(117, 2), "01");
  EXPECT_EQ(line.substr(120, 6), "208   ");
  EXPECT_EQ(line.substr(127, 15), "0001234567890  ");
  EXPECT_EQ(line.substr(143), "0400");
  const auto back = GameLogLine::parse(line);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->player, "Player 1");
  EXPECT_EQ(back->game, 2);
  EXPECT_TRUE(back->won);
  l.won = false;
  EXPECT_EQ(l.format().substr(112, 5), "Lost ");
}

TEST(HiScoreEntryTest, LaysOutAnEntryAndRanksResults) {
  HiScoreEntry e{-12, 65, "20261209", "18:30:05", "Anna", "0000000000042", false};
  const std::string text = e.format();
  ASSERT_EQ(text.size(), kHiScoreEntryLength);
  for (std::size_t blank : {7, 14, 23, 32, 63, 79, 84}) EXPECT_EQ(text[blank - 1], ' ') << blank;
  EXPECT_EQ(text.substr(0, 6), "-00012");
  EXPECT_EQ(text.substr(79, 4), "Lost");
  EXPECT_EQ(text.back(), 'x');
  EXPECT_EQ(entryPlayer(text), "Anna");
  EXPECT_EQ(entryScore(text), -12);
  EXPECT_EQ(entrySeconds(text), 65);
  // A blank place takes any result; an equal score needs less time.
  EXPECT_TRUE(ranksAbove(-500, 3000, emptyHiScoreEntry()));
  EXPECT_TRUE(ranksAbove(-12, 64, text));
  EXPECT_FALSE(ranksAbove(-12, 65, text));
  EXPECT_TRUE(ranksAbove(-11, 9999, text));
}

TEST(OverallScoreCodecTest, ScramblingIsReversibleAndStaysInItsRange) {
  const std::string plain = "0123456789012345678901234567";
  const std::string stored = scrambleValue(plain);
  for (char c : stored) {
    EXPECT_GE(static_cast<int>(c), 96);
    EXPECT_LE(static_cast<int>(c), 114);
  }
  EXPECT_EQ(stored[0], '0' + '7');
  EXPECT_EQ(stored[5], '5' + '7');
  EXPECT_EQ(unscrambleValue(stored), plain);
}

TEST(OverallScoreCodecTest, DigitsStandAtTheirPlacesAmongFillers) {
  const FillerDigit eights = [] { return 8; };
  const std::string t01 = overallScoreValue(1234, eights);
  EXPECT_EQ(t01, "88" "0808080808080808" "18283848" "88");
  EXPECT_EQ(overallScoreOf(t01), 1234);
  const std::string t02 = overallTimeValue(56, eights);
  EXPECT_EQ(t02.size(), 28U);
  EXPECT_EQ(overallTimeOf(t02), 56);
  const std::string gs = bestScoreValue(208, eights);
  EXPECT_EQ(gs.substr(0, 10), "8008028088");
  EXPECT_EQ(bestScoreOf(gs), 208);
  const std::string gt = bestTimeValue(754, eights);
  EXPECT_EQ(gt.substr(0, 10), "8800807854");
  EXPECT_EQ(bestTimeOf(gt), 754);
  EXPECT_TRUE(bestValueConsistent(gs));
  EXPECT_TRUE(overallValuesConsistent(t01, t02, overallCheckValue(t01, t02)));
}

TEST(OverallScoreCodecTest, ChecksumCatchesAChangedDigit) {
  // "0": 48 + 1 * 48 div 2 + (1 + 48) mod 3 + 1.
  EXPECT_EQ(valueChecksum("0"), 48 + 24 + 1 + 1);
  EXPECT_EQ(valueChecksum("00"), 74 + 48 + 48 + 2 + 2);
  const FillerDigit fours = [] { return 4; };
  std::string t01 = overallScoreValue(500, fours);
  const std::string t02 = overallTimeValue(300, fours);
  const std::string t03 = overallCheckValue(t01, t02);
  t01[24] = '1';
  EXPECT_FALSE(overallValuesConsistent(t01, t02, t03));
  std::string gs = bestScoreValue(77, fours);
  gs[8] = '8';
  EXPECT_FALSE(bestValueConsistent(gs));
  // Missing keys read as zeros and need no check.
  const std::string zeros(kMissingOverallValue);
  EXPECT_TRUE(overallValuesConsistent(zeros, zeros, "0400" + zeros));
  EXPECT_TRUE(bestValueConsistent(zeros));
}

TEST(PlayerNameTest, NamesThatWouldBreakTheFilesAreRefused) {
  EXPECT_TRUE(validPlayerName("Player 1"));
  EXPECT_TRUE(validPlayerName(std::string(30, 'a')));
  for (const char* bad : {"", "A=B", "[x", "y]", "two\nlines", " lead", "trail ", "tab\t"})
    EXPECT_FALSE(validPlayerName(bad)) << bad;
  EXPECT_FALSE(validPlayerName(std::string(31, 'a')));
}

// A name that reached the settings file by hand is still recorded, in a
// form every file can hold.
TEST(PlayerNameTest, ANameTheFilesCannotHoldIsRecordedInAFormTheyCan) {
  EXPECT_EQ(recordablePlayerName("Player 1"), "Player 1");
  EXPECT_EQ(recordablePlayerName("A=B[c]"), "A_B_c_");
  EXPECT_EQ(recordablePlayerName("two\r\nlines"), "two__lines");
  EXPECT_EQ(recordablePlayerName("  padded  "), "padded");
  EXPECT_EQ(recordablePlayerName(std::string(40, 'a')), std::string(30, 'a'));
  EXPECT_EQ(recordablePlayerName("   "), "Player 1");
  for (const char* name : {"A=B", "x]", "tab\tname", " lead"}) EXPECT_TRUE(validPlayerName(recordablePlayerName(name))) << name;
}

}  // namespace
}  // namespace kes
