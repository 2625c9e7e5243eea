#pragma once

#include "app/help/help_topics.h"

namespace kes {

// Help topics of the statistics and players dialogs, as the help file files
// them.
inline constexpr int kPlayersHelpTopic = HelpTopic::kPlayers;
inline constexpr int kAddPlayerHelpTopic = HelpTopic::kAddPlayer;
inline constexpr int kEditPlayerHelpTopic = HelpTopic::kEditPlayer;
inline constexpr int kStatisticsHelpTopic = HelpTopic::kGameStatistics;
inline constexpr int kAllGamesStatisticsHelpTopic = HelpTopic::kAllGamesStatistics;
inline constexpr int kPlayersStatisticsHelpTopic = HelpTopic::kPlayersStatistics;
inline constexpr int kLogStatisticsHelpTopic = HelpTopic::kLogStatistics;
inline constexpr int kOverallScoreHelpTopic = HelpTopic::kOverallScore;
inline constexpr int kOverallDetailsHelpTopic = HelpTopic::kOverallScoreDetails;
inline constexpr int kClearStatisticsHelpTopic = HelpTopic::kClearStatistics;
inline constexpr int kClearValuesHelpTopic = HelpTopic::kClearValues;
inline constexpr int kHiScoresHelpTopic = HelpTopic::kHiScores;
inline constexpr int kGameWonHelpTopic = HelpTopic::kGameWon;

}  // namespace kes
