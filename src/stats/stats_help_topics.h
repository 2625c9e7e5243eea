#pragma once

namespace kes {

// Help topics of the statistics and players dialogs.
inline constexpr int kPlayersHelpTopic = 1002;
inline constexpr int kAddPlayerHelpTopic = 1003;
inline constexpr int kEditPlayerHelpTopic = 1018;
inline constexpr int kStatisticsHelpTopic = 1030;
inline constexpr int kAllGamesStatisticsHelpTopic = 1031;
inline constexpr int kPlayersStatisticsHelpTopic = 1032;
inline constexpr int kLogStatisticsHelpTopic = 1033;
inline constexpr int kOverallScoreHelpTopic = 1034;
inline constexpr int kOverallDetailsHelpTopic = 1035;
inline constexpr int kClearStatisticsHelpTopic = 1036;
inline constexpr int kClearValuesHelpTopic = 1037;

}  // namespace kes
