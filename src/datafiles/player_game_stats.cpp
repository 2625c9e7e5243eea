#include "player_game_stats.h"

#include <algorithm>
#include <array>

#include "datafiles/pad.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

struct FieldSpan {
  std::size_t start;
  int width;
};

constexpr std::array<FieldSpan, 8> kFields{{{0, 6}, {7, 6}, {14, 6}, {21, 6}, {28, 6}, {35, 6}, {42, 12}, {55, 12}}};

std::array<long long*, 7> fieldsOf(PlayerGameStats& s) {
  return {&s.won,
          &s.lost,
          &s.longestWinningStreak,
          &s.longestLosingStreak,
          &s.currentWinningStreak,
          &s.currentLosingStreak,
          &s.scoreTotal};
}

}  // namespace

PlayerGameStats PlayerGameStats::parse(std::string_view value) {
  PlayerGameStats stats;
  auto fields = fieldsOf(stats);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const FieldSpan span = kFields[i];
    if (value.size() < span.start + static_cast<std::size_t>(span.width)) break;
    const auto n = wholeNumber(value.substr(span.start, static_cast<std::size_t>(span.width)));
    if (!n) break;
    *fields[i] = *n;
  }
  return stats;
}

std::string PlayerGameStats::format() const {
  PlayerGameStats copy = *this;
  const auto fields = fieldsOf(copy);
  std::string text;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    if (i > 0) text += ' ';
    text += pad(i < fields.size() ? *fields[i] : 0, kFields[i].width);
  }
  return text;
}

void PlayerGameStats::add(bool wonGame, long long score) {
  if (wonGame) {
    ++won;
    ++currentWinningStreak;
    currentLosingStreak = 0;
  } else {
    ++lost;
    ++currentLosingStreak;
    currentWinningStreak = 0;
  }
  longestWinningStreak = std::max(longestWinningStreak, currentWinningStreak);
  longestLosingStreak = std::max(longestLosingStreak, currentLosingStreak);
  scoreTotal += score;
}

}  // namespace kes
