// The four statistics files. Each target damages one of them (the input is
// that file) beside three good ones, then reads everything the dialogs read
// and records a game: the good files keep every record they had.
#include <algorithm>

#include "datafiles/config_record.h"
#include "datafiles/game_log.h"
#include "datafiles/game_log_line.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/overall_score_file.h"
#include "datafiles/record_result.h"
#include "datafiles/section_file.h"
#include "datafiles/stat_file.h"
#include "datafiles/statistics_clearing.h"
#include "datafiles/statistics_views.h"
#include "fuzz_support.h"

namespace kes::fuzz {
namespace {

enum class Which { Stat, Scores, Overall, Log };

StatisticsFiles filesIn(const std::filesystem::path& folder, MessageSink& sink) {
  StatisticsFiles files;
  files.folder = folder;
  files.messages = &sink;
  files.fs = &unsynced();
  files.now = [] { return StampedTime{"20261209", "18:30:05"}; };
  files.fillerDigit = [] { return 4; };
  files.cardsInGame = [](int game) { return game == 4 ? 104 : 52; };
  return files;
}

GameResult result(int game, const std::string& player, bool won, long long score) {
  GameResult r;
  r.game = game;
  r.gameName = "Game " + std::to_string(game);
  r.player = player;
  r.dealNumber = "0000000000077";
  r.won = won;
  r.score = score;
  r.seconds = 100 + score;
  return r;
}

// Good files, made once by the program itself and copied for every input.
const std::string& goodFile(Which which) {
  static const std::array<std::string, 4> good = [] {
    const auto folder = scratch() / "good";
    CollectingSink sink;
    const StatisticsFiles files = filesIn(folder, sink);
    std::filesystem::create_directories(folder);
    ConfigRecord config;
    recordResult(files, result(1, "Ann", true, 40), config);
    recordResult(files, result(2, "Bob", false, 3), config);
    recordResult(files, result(1, "Bob", true, 52), config);
    std::array<std::string, 4> bytes{readBytes(files.stat()), readBytes(files.scores()), readBytes(files.overall()),
                                     readBytes(files.log())};
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return bytes;
  }();
  return good[static_cast<std::size_t>(which)];
}

std::filesystem::path pathOf(const StatisticsFiles& files, Which which) {
  switch (which) {
    case Which::Stat: return files.stat();
    case Which::Scores: return files.scores();
    case Which::Overall: return files.overall();
    case Which::Log: return files.log();
  }
  return {};
}

void readEverything(const StatisticsFiles& files, ConfigRecord& config) {
  for (int game : gamesWithStatistics(files)) readPlayerGameStats(files, game, "Ann");
  if (const auto table = readStatTable(files)) {
    const std::vector<GameChoice> games{{1, "Game 1"}, {2, "Game 2"}, {8000, "Mine"}};
    for (auto kind : {StatValues::Total, StatValues::CurrentSession, StatValues::Series})
      allGamesRows(*table, games, "Ann", kind, config);
    for (auto kind : {PlayerValue::WonPercent, PlayerValue::AverageScore})
      playerStandings(*table, 1, {"Ann", "Bob", "Eve"}, kind);
  }
  readHiScores(files, 1, "01");
  readOverallScores(files);
  readBestResult(files, "Ann", 1);
  if (const auto log = GameLogText::read(files)) {
    for (std::size_t i = 0; i < log->size(); ++i) {
      GameLogLine::parse(log->line(i));
      logLineGame(log->line(i));
      logLinePlayer(log->line(i));
    }
    filteredGameLog(*log, std::string("Game 1"), std::string("Ann"));
    filteredGameLog(*log, std::nullopt, std::nullopt);
  }
}

// A good file keeps its sections (and the log its lines) whatever the
// damaged one next to it holds.
void keptRecords(const StatisticsFiles& files, Which good, const std::string& step) {
  const std::string now = readBytes(pathOf(files, good));
  if (good == Which::Log) {
    check(now.rfind(goodFile(Which::Log), 0) == 0, "the log lost lines " + step);
    return;
  }
  CollectingSink sink;
  const auto sections = [&](const std::string& bytes) {
    writeBytes(scratch() / "probe", bytes);
    return SectionFile(scratch() / "probe", sink, unsynced()).listSections();
  };
  const auto before = sections(goodFile(good));
  const auto after = sections(now);
  for (const auto& name : before)
    check(std::find(after.begin(), after.end(), name) != after.end(),
          pathOf(files, good).filename().string() + " lost section " + name + " " + step);
}

void statistics(Which damaged, std::string_view data) {
  InputReader input(data);
  const unsigned choice = input.byte();
  CollectingSink sink;
  const StatisticsFiles files = filesIn(scratch() / "DATA", sink);
  for (Which w : {Which::Stat, Which::Scores, Which::Overall, Which::Log})
    writeBytes(pathOf(files, w), w == damaged ? input.rest() : goodFile(w));
  ConfigRecord config;
  readEverything(files, config);
  recordResult(files, result(1 + static_cast<int>(choice % 3), choice & 8 ? "Ann" : "Eve", choice & 16, choice % 60),
               config);
  readEverything(files, config);
  for (Which w : {Which::Stat, Which::Scores, Which::Overall, Which::Log})
    if (w != damaged) keptRecords(files, w, "after a game was recorded");
  if (choice & 32) upgradeScoreFile(files);
  if (choice & 64) renamePlayerInStatistics(files, "Ann", "Anna");
  if (choice & 128) clearStatistics(files, 1, std::string("Bob"));
}

}  // namespace

void statFile(std::string_view input) { statistics(Which::Stat, input); }
void scoreFile(std::string_view input) { statistics(Which::Scores, input); }
void overallScoreFile(std::string_view input) { statistics(Which::Overall, input); }
void gameLogFile(std::string_view input) { statistics(Which::Log, input); }

}  // namespace kes::fuzz
