#pragma once

#include <QString>
#include <string>
#include <vector>

#include "app/startup/app_context.h"
#include "datafiles/statistics_files.h"
#include "datafiles/player_game_stats.h"
#include "stats/frm_hi_score.h"

namespace kes {

class SettingsFile;

// What the hi-score and game-won dialogs are filled from.

// "Compliments! You entered the " + the game's name + " Hi-Scores!"
QString newHiScoreCaption(const std::string& gameTitle);
// Every catalogue game and every custom game.
std::vector<HiScoreGame> hiScoreGames(const AppContext& app);
// A game's 20 places for the current scoring system, sample entries made
// when the table was never filled.
TfrmHiScore::EntriesOf hiScoreEntries(const StatisticsFiles& files, const ConfigRecord& config);
// The current player's record for the current game.
PlayerGameStats currentPlayerStats(const StatisticsFiles& files, const ConfigRecord& config);

// The first activation brings the files of an older version up to date: a
// hi-score file before 0300, and the preferences "Cards_Animate" and
// "ConfirmQuit" that an older version stored as "S" now mean "Y".
void upgradeStatisticsFiles(const StatisticsFiles& files, ConfigRecord& config, SettingsFile* settings);

}  // namespace kes
