#include "game_log_line.h"

#include "datafiles/pad.h"
#include "datafiles/statistics_files.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

std::string_view field(std::string_view line, std::size_t from, std::size_t width) {
  return from < line.size() ? line.substr(from, width) : std::string_view();
}

}  // namespace

std::string GameLogLine::format() const {
  std::string line;
  line.reserve(kGameLogLineLength);
  line += textField(date, 8) + ' ';
  line += textField(time, 8) + ' ';
  line += pad(seconds, 6) + ' ';
  line += pad(game, 4) + ' ';
  line += textField(gameName, 50) + ' ';
  line += textField(player, kLogPlayerWidth) + ' ';
  line += won ? "Won  " : "Lost ";
  line += textField(scoringSystem, 2) + ' ';
  line += textField(score, 6) + ' ';
  line += textField(dealNumber, 15) + ' ';
  line += "0400";
  return line;
}

std::optional<GameLogLine> GameLogLine::parse(std::string_view line) {
  if (line.size() < kGameLogLineLength) return std::nullopt;
  GameLogLine parsed;
  parsed.date = withoutTrailingBlanks(field(line, 0, 8));
  parsed.time = withoutTrailingBlanks(field(line, 9, 8));
  parsed.seconds = wholeNumber(field(line, 18, 6)).value_or(0);
  parsed.game = logLineGame(line).value_or(-1);
  parsed.gameName = withoutTrailingBlanks(field(line, 30, 50));
  parsed.player = logLinePlayer(line);
  parsed.won = field(line, 112, 5) == "Won  ";
  parsed.scoringSystem = withoutTrailingBlanks(field(line, 117, 2));
  parsed.score = withoutTrailingBlanks(field(line, 120, 6));
  parsed.dealNumber = withoutTrailingBlanks(field(line, 127, 15));
  return parsed;
}

std::optional<int> logLineGame(std::string_view line) {
  const auto n = wholeNumber(field(line, kLogGameColumn, 4));
  if (!n) return std::nullopt;
  return static_cast<int>(*n);
}

std::string logLinePlayer(std::string_view line) {
  return withoutTrailingBlanks(field(line, kLogPlayerColumn, kLogPlayerWidth));
}

}  // namespace kes
