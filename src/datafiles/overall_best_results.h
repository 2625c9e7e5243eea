#pragma once

#include <map>
#include <optional>
#include <string>

#include "datafiles/overall_score_file.h"
#include "datafiles/statistics_files.h"

namespace kes {

// Every best result of a player in STAT_GLO.DAT, by game, read in one pass
// and checked like every reading of the file: a value that does not match
// its check, or is not a number, means damage; the file is then deleted,
// the user told, and nothing returned.
std::optional<std::map<int, BestResult>> readBestResults(const StatisticsFiles& files, const std::string& player);

// The most a game can score: parameter 34, or four times the cards of its
// pack (parameter 265) when it holds -1.
long long maximumScore(int parameter34, int parameter265);

}  // namespace kes
