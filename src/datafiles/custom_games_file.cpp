#include "custom_games_file.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "datafiles/file_text.h"
#include "datafiles/safe_replace.h"

namespace kes {

namespace {

constexpr std::size_t kFirstRecordLine = 1;  // 0-based, after "[R-0301]"

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

std::string lowerTrimmed(std::string_view text) {
  std::string result(text.substr(0, text.find_last_not_of(' ') + 1));
  for (auto& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

// The file's lines; a missing file has none. Nothing when the file is there
// but cannot be read.
std::optional<std::vector<std::string>> loadLines(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return std::vector<std::string>{};
  const auto bytes = readFileBytes(file);
  if (!bytes) return std::nullopt;
  return splitLines(*bytes);
}

std::vector<std::string> linesOrNone(const std::filesystem::path& file) {
  return loadLines(file).value_or(std::vector<std::string>{});
}

// 0-based index of every record's first line.
std::vector<std::size_t> recordStarts(const std::vector<std::string>& lines) {
  std::vector<std::size_t> starts;
  for (std::size_t at = kFirstRecordLine; at < lines.size(); at += CustomRecord::kLines) starts.push_back(at);
  return starts;
}

bool digitsOnly(std::string_view text, std::size_t width) {
  return text.size() == width && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A record as it was written: number, name and base in their fields, and a
// rule string of three numbers.
bool readable(const std::string& first, const CustomGame& game) {
  const std::size_t baseAt = CustomRecord::kNumberWidth + CustomRecord::kNameWidth;
  const std::string_view line(first);
  if (line.size() < baseAt + CustomRecord::kBaseWidth) return false;
  if (!digitsOnly(line.substr(0, CustomRecord::kNumberWidth), CustomRecord::kNumberWidth)) return false;
  if (!digitsOnly(line.substr(baseAt, CustomRecord::kBaseWidth), CustomRecord::kBaseWidth)) return false;
  const auto numeric = [](std::string_view f) {
    const std::size_t digits = f.find_first_not_of('-');
    return digits != std::string_view::npos && digits <= 1 && digitsOnly(f.substr(digits), f.size() - digits);
  };
  const std::string_view rules(game.ruleString);
  return game.number >= kFirstCustomGame && game.number <= kLastCustomGame && !game.name.empty() &&
         game.baseGame < kFirstCustomGame && rules.size() == CustomRecord::kRuleStringLength &&
         numeric(rules.substr(0, 3)) && numeric(rules.substr(3, 3)) && rules[6] >= '0' && rules[6] <= '3';
}

int nextFreeNumber(const std::vector<std::string>& lines) {
  std::vector<bool> used(kLastCustomGame - kFirstCustomGame + 1, false);
  for (const std::size_t at : recordStarts(lines)) {
    const int number = CustomRecord::numberOf(lines[at]);
    if (number >= kFirstCustomGame && number <= kLastCustomGame) used[number - kFirstCustomGame] = true;
  }
  const auto free = std::find(used.begin(), used.end(), false);
  return kFirstCustomGame + static_cast<int>(free - used.begin());
}

bool storable(std::string_view name, int baseGame, std::string_view ruleString) {
  const std::string_view trimmed = name.substr(0, name.find_last_not_of(' ') + 1);
  return !trimmed.empty() && trimmed.size() <= CustomRecord::kNameWidth &&
         name.find_first_of("\r\n") == std::string_view::npos && baseGame >= 0 && baseGame < kFirstCustomGame &&
         ruleString.size() == CustomRecord::kRuleStringLength &&
         ruleString.find_first_of("\r\n") == std::string_view::npos;
}

bool writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines, MessageSink& messages,
                FileSystemOps& fs) {
  ensureFolderOf(file);
  return replaceFileContents(file, joinLines(lines), messages, fs);
}

}  // namespace

CustomGamesListing readCustomGames(const std::filesystem::path& file) {
  const std::vector<std::string> lines = linesOrNone(file);
  CustomGamesListing listing;
  std::vector<int> seen;
  for (const std::size_t at : recordStarts(lines)) {
    const std::string_view second = at + 1 < lines.size() ? std::string_view(lines[at + 1]) : std::string_view{};
    CustomGame game = CustomRecord::parse(lines[at], second);
    if (!readable(lines[at], game) || std::find(seen.begin(), seen.end(), game.number) != seen.end()) {
      ++listing.skipped;
      continue;
    }
    seen.push_back(game.number);
    listing.games.push_back(std::move(game));
  }
  std::stable_sort(listing.games.begin(), listing.games.end(), [](const CustomGame& a, const CustomGame& b) {
    return lowerTrimmed(a.name) < lowerTrimmed(b.name);
  });
  return listing;
}

std::string skippedCustomGamesMessage(const std::filesystem::path& file, int skipped) {
  const std::string records = skipped == 1 ? "1 customized game" : std::to_string(skipped) + " customized games";
  return "The file " + file.string() + " is damaged:\r" + records +
         " could not be read and " + (skipped == 1 ? "is" : "are") + " not listed.";
}

std::vector<CustomGame> listCustomGames(const std::filesystem::path& file) { return readCustomGames(file).games; }

// Lookups see the records the listing shows: a damaged record must not
// stand in for the readable one listed under the same number or name.
std::optional<CustomGame> findCustomGame(const std::filesystem::path& file, int number) {
  for (auto& game : readCustomGames(file).games) {
    if (game.number == number) return std::move(game);
  }
  return std::nullopt;
}

int customGameNumberByName(const std::filesystem::path& file, std::string_view name) {
  const std::string wanted = lowerTrimmed(name);
  int found = -1;
  // The listing keeps records of one name in file order: the later wins.
  for (const auto& game : readCustomGames(file).games) {
    if (lowerTrimmed(game.name) == wanted) found = game.number;
  }
  return found;
}

std::string customGameName(const std::filesystem::path& file, int number) {
  const auto game = findCustomGame(file, number);
  return game ? game->name : std::string{};
}

int nextCustomGameNumber(const std::filesystem::path& file) { return nextFreeNumber(linesOrNone(file)); }

bool gameNameInUse(const std::filesystem::path& file, std::string_view name,
                   std::span<const std::string> catalogueNames) {
  const std::string wanted = lowerTrimmed(name);
  const auto same = [&](std::string_view other) { return lowerTrimmed(other) == wanted; };
  return std::any_of(catalogueNames.begin(), catalogueNames.end(), same) ||
         customGameNumberByName(file, name) != -1;
}

std::optional<int> addCustomGame(const std::filesystem::path& file, std::string_view name, int baseGame,
                                 std::string_view ruleString, MessageSink& messages, FileSystemOps& fs) {
  if (!storable(name, baseGame, ruleString)) return std::nullopt;
  auto lines = loadLines(file);
  if (!lines) {
    // Writing now would replace every custom game with this one.
    messages.information(cannotOpenFileMessage(file));
    return std::nullopt;
  }
  if (lines->empty()) lines->emplace_back(kCustomGamesFirstLine);
  // A record cut short at the end of the file is completed, so the new one
  // starts on its own record line.
  const std::size_t records = recordStarts(*lines).size();
  lines->resize(kFirstRecordLine + records * CustomRecord::kLines);
  const int number = nextFreeNumber(*lines);
  if (number > kLastCustomGame) {
    messages.information(std::string(kNoCustomGameNumberLeft));
    return std::nullopt;
  }
  const CustomGame game{number, std::string(name.substr(0, name.find_last_not_of(' ') + 1)), baseGame,
                        std::string(ruleString)};
  const auto record = CustomRecord::format(game);
  lines->insert(lines->end(), record.begin(), record.end());
  if (!writeLines(file, *lines, messages, fs)) return std::nullopt;
  return number;
}

bool deleteCustomGameRecord(const std::filesystem::path& file, int number, MessageSink& messages,
                            FileSystemOps& fs) {
  auto lines = loadLines(file);
  if (!lines) {
    messages.information(cannotOpenFileMessage(file));
    return false;
  }
  for (const std::size_t at : recordStarts(*lines)) {
    if (CustomRecord::numberOf((*lines)[at]) != number || number == 0) continue;
    const std::size_t end = std::min(at + CustomRecord::kLines, lines->size());
    lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(at), lines->begin() + static_cast<std::ptrdiff_t>(end));
    return writeLines(file, *lines, messages, fs);
  }
  return false;
}

}  // namespace kes
