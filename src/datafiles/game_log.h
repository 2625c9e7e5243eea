#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/game_log_line.h"
#include "datafiles/statistics_files.h"

namespace kes {

// STAT_LOG.DAT held whole, in the order the games were played. A log may
// hold many thousand games, so its lines are looked at where they lie and
// only the lines shown are taken apart; lines too short to hold a game are
// left out.
class GameLogText {
 public:
  // A missing log holds no games; nothing when the file exists but cannot
  // be read.
  static std::optional<GameLogText> read(const StatisticsFiles& files);
  static GameLogText fromBytes(std::string bytes);

  std::size_t size() const { return lines_.size(); }
  std::string_view line(std::size_t i) const;

 private:
  struct Span {
    std::size_t start;
    std::size_t length;
  };
  std::string bytes_;
  std::vector<Span> lines_;
};

// The lines of one game name and one player (nothing: any), newest first,
// as indices into the log.
std::vector<std::size_t> filteredGameLog(const GameLogText& log, const std::optional<std::string>& gameName,
                                         const std::optional<std::string>& player);

}  // namespace kes
