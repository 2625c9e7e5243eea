#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/message_sink.h"
#include "datafiles/statistics_files.h"
#include "datafiles/statistics_sources.h"

namespace kes::cli {

// Prints what the data files want the user to see on the error stream.
class StreamSink : public MessageSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void information(const std::string& text) override;

 private:
  std::ostream& out_;
};

// "stats GAME [PLAYER]": the players' records for a game, one a line.
int runStats(CliContext& ctx);
// "hiscores GAME": the game's 20 places (sample entries made when needed).
int runHiScores(CliContext& ctx);
// "log": every line of the log, its fields separated by tabs.
int runLog(CliContext& ctx);
// "overall": every player's overall score and time, best first.
int runOverall(CliContext& ctx);

}  // namespace kes::cli
