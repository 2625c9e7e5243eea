#pragma once

#include <optional>

#include "datafiles/config_record.h"
#include "datafiles/record_result.h"
#include "datafiles/statistics_files.h"
#include "engine/game_state.h"

namespace kes {

// Writes the end of each game into the statistics files under the identity
// the game was played with. The identity (game number and name, player,
// deal number, scoring system) is taken from the configuration record when
// a deal is shown, so that a caller that changes the record before the old
// game has been recorded still records the old game as it was. A game put
// on the table without a deal (a saved game being resumed) has its identity
// read from the record when it ends.
class GameRecorder {
 public:
  GameRecorder(ConfigRecord& config, StatisticsFiles files) : config_(config), files_(std::move(files)) {}

  // A deal of the current game lies on the table now.
  void gameDealt() { identity_ = identityInRecord(); }
  // Writes the game's end: a log line, the player's counters (and the
  // session counters of the record), the hi-scores and the overall score.
  RecordedResult record(const GameState& game, bool won, int seconds);

  // The files the results go to; the statistics dialogs read them too.
  StatisticsFiles& files() { return files_; }
  const StatisticsFiles& files() const { return files_; }

 private:
  GameResult identityInRecord() const;

  ConfigRecord& config_;
  StatisticsFiles files_;
  std::optional<GameResult> identity_;
};

}  // namespace kes
