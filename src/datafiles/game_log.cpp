#include "game_log.h"

#include <system_error>

#include "datafiles/file_text.h"

namespace kes {

std::optional<std::vector<GameLogLine>> readGameLog(const StatisticsFiles& files) {
  std::error_code ec;
  if (!std::filesystem::exists(files.log(), ec)) return std::vector<GameLogLine>{};
  const auto bytes = readFileBytes(files.log());
  if (!bytes) return std::nullopt;
  std::vector<GameLogLine> log;
  log.reserve(bytes->size() / (kGameLogLineLength + 2) + 1);
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    std::string_view line = rest.substr(0, newline);
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (auto parsed = GameLogLine::parse(line)) log.push_back(std::move(*parsed));
  }
  return log;
}

std::vector<GameLogLine> filteredGameLog(const std::vector<GameLogLine>& log, const std::optional<std::string>& gameName,
                                         const std::optional<std::string>& player) {
  std::vector<GameLogLine> rows;
  for (auto it = log.rbegin(); it != log.rend(); ++it) {
    if (gameName && it->gameName != *gameName) continue;
    if (player && it->player != *player) continue;
    rows.push_back(*it);
  }
  return rows;
}

}  // namespace kes
