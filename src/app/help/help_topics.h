#pragma once

namespace kes {

// The topics of the help file. A game's rules are topic 3000 + its number;
// each dialog with a "&?" button has a topic of its own, written by hand in
// data/help under that number.
namespace HelpTopic {
inline constexpr int kRulesBase = 3000;
inline constexpr int kPlaying = 1000;
inline constexpr int kSelectGameNumber = 1001;
inline constexpr int kPlayers = 1002;
inline constexpr int kAddPlayer = 1003;
inline constexpr int kAdvancedOptions = 1005;
inline constexpr int kPointers = 1006;
inline constexpr int kEditPlayer = 1018;
inline constexpr int kCustomize = 1019;
inline constexpr int kCardCounter = 1022;
inline constexpr int kGameStatistics = 1030;
inline constexpr int kAllGamesStatistics = 1031;
inline constexpr int kPlayersStatistics = 1032;
inline constexpr int kLogStatistics = 1033;
inline constexpr int kOverallScore = 1034;
inline constexpr int kOverallScoreDetails = 1035;
inline constexpr int kClearStatistics = 1036;
inline constexpr int kClearValues = 1037;
inline constexpr int kOpenGame = 1040;
inline constexpr int kFavoriteGames = 1041;
inline constexpr int kCustomizeRules = 1042;
inline constexpr int kNewGameName = 1043;
inline constexpr int kHiScores = 1044;
inline constexpr int kGameWon = 1045;
inline constexpr int kTournamentManager = 1046;
inline constexpr int kPlayTournament = 1047;
}  // namespace HelpTopic

}  // namespace kes
