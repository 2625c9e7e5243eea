#include "hi_score_file.h"

#include <array>
#include <system_error>

#include "datafiles/file_text.h"
#include "datafiles/pad.h"
#include "datafiles/safe_replace.h"
#include "datafiles/section_file.h"

namespace kes {

namespace {

constexpr std::array<int, kHiScorePlaces> kSampleShares{52, 45, 40, 30, 25, 20, 15, 14, 13, 12,
                                                        11, 10, 9,  8,  7,  6,  5,  4,  3,  2};
constexpr std::array<const char*, kHiScorePlaces> kSampleNames{
    "Alma",  "Bruno", "Celia", "Dario", "Edith", "Fabian", "Greta", "Hugo",  "Ilse",  "Jonas",
    "Karin", "Lukas", "Maren", "Nils",  "Olga",  "Pavel",  "Rita",  "Sven",  "Tilda", "Viktor"};

std::vector<std::string> placeKeys(const std::string& scoringSystem) {
  std::vector<std::string> keys;
  for (int place = 1; place <= kHiScorePlaces; ++place) keys.push_back(scoringSystem + "-" + pad(place, 2));
  return keys;
}

std::vector<KeyValue> placePairs(const std::string& scoringSystem, const std::vector<std::string>& entries) {
  const auto keys = placeKeys(scoringSystem);
  std::vector<KeyValue> pairs;
  for (std::size_t i = 0; i < keys.size(); ++i)
    pairs.push_back({keys[i], i < entries.size() ? storedEntry(entries[i]) : emptyHiScoreEntry()});
  return pairs;
}

bool cleared(const SectionFile& file) { return file.readValue(kClearScoresSection, "Cleared") == "Y"; }

bool removeIfPresent(const std::filesystem::path& path, const StatisticsFiles& files) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  if (std::filesystem::remove(path, ec)) return true;
  files.messages->information("Error deleting file: " + path.string());
  return false;
}

}  // namespace

bool ensureScoreFile(const StatisticsFiles& files) {
  std::error_code ec;
  if (std::filesystem::exists(files.scores(), ec)) return true;
  std::filesystem::create_directories(files.folder, ec);
  return replaceFileContents(files.scores(), statisticsVersionSection(), *files.messages, *files.fs);
}

std::vector<std::string> sampleHiScores(long long cardsInGame, const StampedTime& now) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < kSampleShares.size(); ++i) {
    HiScoreEntry sample;
    sample.score = cardsInGame * kSampleShares[i] / 52;
    sample.seconds = 5 * sample.score;
    sample.date = now.date;
    sample.time = now.time;
    sample.player = std::string("* ") + kSampleNames[i];
    sample.dealNumber = "000000000000000";
    sample.won = true;
    entries.push_back(sample.format());
  }
  return entries;
}

HiScoreTable readHiScores(const StatisticsFiles& files, int game, const std::string& scoringSystem) {
  ensureScoreFile(files);
  SectionFile file(files.scores(), *files.messages, *files.fs);
  const auto keys = placeKeys(scoringSystem);
  HiScoreTable table;
  table.entries.assign(keys.size(), emptyHiScoreEntry());
  file.readKeys(gameSection(game), keys, table.entries);
  for (auto& entry : table.entries) {
    if (entry.empty()) entry = emptyHiScoreEntry();
  }
  if (!isBlankEntry(table.entries.front()) || cleared(file)) return table;
  const int cards = files.cardsInGame ? files.cardsInGame(game) : 52;
  table.entries = sampleHiScores(cards > 0 ? cards : 52, files.now ? files.now() : localTimeNow());
  table.samplesMade = true;
  writeHiScores(files, game, scoringSystem, table.entries);
  return table;
}

bool writeHiScores(const StatisticsFiles& files, int game, const std::string& scoringSystem,
                   const std::vector<std::string>& entries) {
  SectionFile file(files.scores(), *files.messages, *files.fs);
  const auto pairs = placePairs(scoringSystem, entries);
  return file.writeSectionInPlace(gameSection(game), pairs);
}

std::optional<int> insertHiScore(std::vector<std::string>& entries, const HiScoreEntry& result) {
  for (std::size_t i = 0; i < entries.size() && i < kHiScorePlaces; ++i) {
    if (!ranksAbove(result.score, result.seconds, entries[i])) continue;
    entries.insert(entries.begin() + static_cast<long>(i), result.format());
    entries.resize(kHiScorePlaces);
    return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

bool clearHiScores(const StatisticsFiles& files) {
  std::error_code ec;
  std::filesystem::create_directories(files.folder, ec);
  const std::string contents = statisticsVersionSection() + "\r\n[" + std::string(kClearScoresSection) +
                               "]\r\nCleared=Y\r\n";
  // Replacing the file drops every entry in one step; a failure keeps them all.
  if (!replaceFileContents(files.scores(), contents, *files.messages, *files.fs)) return false;
  return removeIfPresent(files.overall(), files);
}

bool emptyHiScores(const StatisticsFiles& files, int game, const std::string& scoringSystem) {
  SectionFile file(files.scores(), *files.messages, *files.fs);
  if (!file.findSection(gameSection(game))) return true;
  return writeHiScores(files, game, scoringSystem, std::vector<std::string>(kHiScorePlaces, emptyHiScoreEntry()));
}

bool upgradeScoreFile(const StatisticsFiles& files) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(files.scores(), ec)) return false;
  const SectionFile file(files.scores(), *files.messages, *files.fs);
  const std::string version = file.readValue("Version", "Version").value_or("0000");
  if (version >= kStatisticsVersion) return false;
  const auto bytes = readFileBytes(files.scores());
  if (!bytes) return false;
  std::string contents = statisticsVersionSection() + "\r\n";
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const auto newline = rest.find('\n');
    std::string line(rest.substr(0, newline));
    rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "[Version]" || line.starts_with("Version=")) continue;
    // An entry of the older layout lacks the closing " x".
    if (line.starts_with("0")) line = textField(line, 89) + " x";
    contents += line + "\r\n";
  }
  return replaceFileContents(files.scores(), contents, *files.messages, *files.fs);
}

}  // namespace kes
