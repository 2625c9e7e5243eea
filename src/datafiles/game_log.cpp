#include "game_log.h"

#include <system_error>

#include "datafiles/file_text.h"

namespace kes {

namespace {

constexpr std::size_t kGameNameColumn = 30;
constexpr std::size_t kGameNameWidth = 50;

std::string_view withoutBlanksAtEnd(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace

std::optional<GameLogText> GameLogText::read(const StatisticsFiles& files) {
  std::error_code ec;
  if (!std::filesystem::exists(files.log(), ec)) return GameLogText{};
  auto bytes = readFileBytes(files.log());
  if (!bytes) return std::nullopt;
  return fromBytes(std::move(*bytes));
}

GameLogText GameLogText::fromBytes(std::string bytes) {
  GameLogText log;
  log.bytes_ = std::move(bytes);
  log.lines_.reserve(log.bytes_.size() / (kGameLogLineLength + 2) + 1);
  std::size_t start = 0;
  while (start < log.bytes_.size()) {
    const auto newline = log.bytes_.find('\n', start);
    const std::size_t end = newline == std::string::npos ? log.bytes_.size() : newline;
    std::size_t length = end - start;
    if (length > 0 && log.bytes_[start + length - 1] == '\r') --length;
    if (length >= kGameLogLineLength) log.lines_.push_back({start, length});
    start = end + 1;
  }
  return log;
}

std::string_view GameLogText::line(std::size_t i) const {
  return std::string_view(bytes_).substr(lines_[i].start, lines_[i].length);
}

std::vector<std::size_t> filteredGameLog(const GameLogText& log, const std::optional<std::string>& gameName,
                                         const std::optional<std::string>& player) {
  std::vector<std::size_t> rows;
  for (std::size_t i = log.size(); i-- > 0;) {
    const std::string_view line = log.line(i);
    if (gameName && withoutBlanksAtEnd(line.substr(kGameNameColumn, kGameNameWidth)) != *gameName) continue;
    if (player && withoutBlanksAtEnd(line.substr(kLogPlayerColumn, kLogPlayerWidth)) != *player) continue;
    rows.push_back(i);
  }
  return rows;
}

}  // namespace kes
