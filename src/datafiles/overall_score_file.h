#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/statistics_files.h"
#include "engine/custom_rules.h"

namespace kes {

// STAT_GLO.DAT: one section per player with the overall score "T01", the
// overall time "T02", their check "T03", and for each game below 8000 the
// player's best score "GS-nnnn" and its time "GT-nnnn"; every value
// scrambled (see overall_score_codec.h).

// Told when a value does not match its check; the file then starts afresh.
// The message goes on to name the file and the value that is wrong.
inline constexpr std::string_view kOverallScoreDamaged =
    "It looks as if the Overall Score Values are wrong or spoiled.\r"
    "The Overall Score Values will be deleted and its calculation will start again from zero.";

// The whole damage message: kOverallScoreDamaged, then on a line of its own
// "The file ", the file's name, " is damaged: " and the problem.
std::string overallScoreDamagedMessage(const std::filesystem::path& file, const std::string& problem);
// What is wrong with a value of a player's section ("T01", "GS-0002"):
// either it is not a number, or it does not match its check.
std::string overallValueProblem(const std::string& key, const std::string& player, bool isNumber);
// Deletes the damaged file and tells the user what was wrong with it.
void startOverallScoresAfresh(const StatisticsFiles& files, const std::string& problem);

struct OverallScore {
  std::string player;
  long long score = 0;
  long long seconds = 0;
};

// Counts a result into the player's overall score: it changes only for a
// better score in the game than the best so far, or the same score in less
// time. Only games 0 to 7999 and scores of 0 or more take part. Damaged
// values delete the file (the user is told) and nothing more happens.
// True when the file holds the result afterwards.
bool updateOverallScore(const StatisticsFiles& files, int game, const std::string& player, long long seconds,
                        long long score);

// Every player's overall score: highest first, then shortest time, then
// file order. Damage deletes the file, tells the user and gives nothing.
std::vector<OverallScore> readOverallScores(const StatisticsFiles& files);

// A player's best score and its time in one game (zeros when none);
// nothing when the values are damaged (the file was deleted).
struct BestResult {
  long long score = 0;
  long long seconds = 0;
};
std::optional<BestResult> readBestResult(const StatisticsFiles& files, const std::string& player, int game);

}  // namespace kes
