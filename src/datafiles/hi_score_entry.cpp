#include "hi_score_entry.h"

#include <optional>

#include "datafiles/pad.h"
#include "datafiles/statistics_files.h"
#include "datafiles/whole_number.h"

namespace kes {

namespace {

std::string_view field(std::string_view entry, std::size_t from, std::size_t width) {
  return from < entry.size() ? entry.substr(from, width) : std::string_view();
}

// A number field that may be blank-padded; nothing when it holds no number.
std::optional<long long> numberField(std::string_view entry, std::size_t from, std::size_t width) {
  std::string text = withoutTrailingBlanks(field(entry, from, width));
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  return wholeNumber(std::string_view(text).substr(first));
}

}  // namespace

std::string HiScoreEntry::format() const {
  std::string entry;
  entry.reserve(kHiScoreEntryLength);
  entry += pad(score, 6) + ' ';
  entry += pad(seconds, 6) + ' ';
  entry += textField(date, 8) + ' ';
  entry += textField(time, 8) + ' ';
  entry += textField(player, 30) + ' ';
  entry += textField(dealNumber, 15) + ' ';
  entry += won ? "Won " : "Lost";
  entry += " x";
  return entry;
}

std::string emptyHiScoreEntry() { return std::string(kHiScoreEntryLength - 1, ' ') + "x"; }

bool isBlankEntry(std::string_view entry) {
  return field(entry, 0, 6).find_first_not_of(' ') == std::string_view::npos;
}

long long entryScore(std::string_view entry) {
  if (isBlankEntry(entry)) return kBlankScore;
  return numberField(entry, 0, 6).value_or(kBlankScore);
}

long long entrySeconds(std::string_view entry) {
  if (isBlankEntry(entry)) return kBlankSeconds;
  return numberField(entry, 7, 6).value_or(kBlankSeconds);
}

std::string entryPlayer(std::string_view entry) { return withoutTrailingBlanks(field(entry, 32, 30)); }

std::string storedEntry(std::string_view entry) { return textField(entry, 83) + " x"; }

bool ranksAbove(long long score, long long seconds, std::string_view entry) {
  const long long other = entryScore(entry);
  return score > other || (score == other && seconds < entrySeconds(entry));
}

}  // namespace kes
