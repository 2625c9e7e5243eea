#include "statistics_clearing.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "datafiles/file_text.h"
#include "datafiles/game_log_line.h"
#include "datafiles/player_game_stats.h"
#include "datafiles/safe_replace.h"
#include "datafiles/section_file.h"
#include "datafiles/stat_file.h"

namespace kes {

namespace {

bool isVersionSection(std::string_view name) {
  return name.size() == 7 && std::equal(name.begin(), name.end(), "version", [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

// The zero record for the chosen keys of every chosen section, written in
// one replacement of the file.
bool zeroRecords(const StatisticsFiles& files, std::optional<int> game, const std::optional<std::string>& player) {
  std::error_code ec;
  if (!std::filesystem::exists(files.stat(), ec)) return true;
  const auto bytes = readFileBytes(files.stat());
  if (!bytes) {
    files.messages->information(cannotOpenFileMessage(files.stat()));
    return false;
  }
  const std::string zero = PlayerGameStats{}.format();
  const std::string wantedSection = game ? gameSection(*game) : std::string();
  std::string contents;
  contents.reserve(bytes->size());
  std::string section;
  bool changed = false;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    const std::size_t end = newline == std::string_view::npos ? rest.size() : newline + 1;
    std::string line(rest.substr(0, end));
    rest.remove_prefix(end);
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.starts_with("[")) {
      section = text.substr(1, text.find(']') == std::string::npos ? std::string::npos : text.find(']') - 1);
    } else if (const auto eq = text.find('='); eq != std::string::npos && eq > 0) {
      const std::string key = text.substr(0, eq);
      const bool sectionChosen = game ? section == wantedSection : !isVersionSection(section);
      if (sectionChosen && (!player || key == *player) && text.substr(eq + 1) != zero) {
        line = key + "=" + zero + line.substr(text.size());
        changed = true;
      }
    }
    contents += line;
  }
  return !changed || replaceFileContents(files.stat(), contents, *files.messages, *files.fs);
}

bool deleteLogLines(const StatisticsFiles& files, std::optional<int> game, const std::optional<std::string>& player) {
  std::error_code ec;
  if (!std::filesystem::exists(files.log(), ec)) return true;
  const auto bytes = readFileBytes(files.log());
  if (!bytes) {
    files.messages->information(cannotOpenFileMessage(files.log()));
    return false;
  }
  std::string kept;
  kept.reserve(bytes->size());
  bool changed = false;
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    const std::size_t end = newline == std::string_view::npos ? rest.size() : newline + 1;
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end);
    // A line whose game is not a number is never taken for a game.
    const bool gameMatches = !game || logLineGame(line) == *game;
    const bool playerMatches = !player || logLinePlayer(line) == *player;
    if (gameMatches && playerMatches) {
      changed = true;
      continue;
    }
    kept += line;
  }
  return !changed || replaceFileContents(files.log(), kept, *files.messages, *files.fs);
}

}  // namespace

bool clearStatistics(const StatisticsFiles& files, std::optional<int> game, const std::optional<std::string>& player) {
  if (!game && !player) {
    std::error_code ec;
    std::filesystem::create_directories(files.folder, ec);
    const bool statCleared = replaceFileContents(files.stat(), statisticsVersionSection(), *files.messages, *files.fs);
    const bool logCleared = !std::filesystem::exists(files.log(), ec) ||
                            replaceFileContents(files.log(), "", *files.messages, *files.fs);
    return statCleared && logCleared;
  }
  const bool recordsCleared = zeroRecords(files, game, player);
  return deleteLogLines(files, game, player) && recordsCleared;
}

bool renamePlayerInStatistics(const StatisticsFiles& files, const std::string& oldName, const std::string& newName) {
  if (oldName == newName) return true;
  SectionFile stat(files.stat(), *files.messages, *files.fs);
  SectionFile log(files.log(), *files.messages, *files.fs);
  SectionFile scores(files.scores(), *files.messages, *files.fs);
  SectionFile overall(files.overall(), *files.messages, *files.fs);
  const std::string oldPadded = textField(oldName, kLogPlayerWidth);
  const std::string newPadded = textField(newName, kLogPlayerWidth);
  bool ok = stat.replaceInLines(1, oldName + "=", newName + "=");
  ok = log.replaceInLines(kLogPlayerColumn + 1, oldPadded, newPadded) && ok;
  // In a hi-score line the key and "=" take 6 characters before the entry.
  ok = scores.replaceInLines(39, oldPadded, newPadded) && ok;
  // The overall score goes with the player, unless the new name has one of
  // its own already (two sections of one name could not be told apart).
  if (!overall.findSection(newName)) ok = overall.replaceInLines(1, "[" + oldName + "]", "[" + newName + "]") && ok;
  return ok;
}

}  // namespace kes
