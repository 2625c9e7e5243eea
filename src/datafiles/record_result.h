#pragma once

#include <optional>
#include <string>

#include "datafiles/config_record.h"
#include "datafiles/statistics_files.h"

namespace kes {

// A finished or abandoned game, under the identity it was played with.
struct GameResult {
  int game = -1;
  std::string gameName;
  std::string player;
  std::string dealNumber;
  std::string scoringSystem = "01";
  long long score = 0;
  bool won = false;
  long long seconds = 0;
};

struct RecordedResult {
  // The place the result took in the game's hi-scores, if any.
  std::optional<int> hiScorePlace;
};

// Writes a game's result into the four statistics files, in this order: the
// log line, the player's record for the game (and the session counters of
// the configuration record), the hi-scores, the overall score. A file that
// fails is reported and leaves the files before it written; the user is
// told about the first failure only.
RecordedResult recordResult(const StatisticsFiles& files, const GameResult& result, ConfigRecord& config);

}  // namespace kes
