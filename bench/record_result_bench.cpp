// Recording the end of a game must not hold up the game's end: a STAT.DAT of
// 1,000 games x 20 players and a log of 100,000 lines, with hi-scores and
// overall scores in place, should record in well under 50 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "datafiles/config_record.h"
#include "datafiles/game_log_line.h"
#include "datafiles/pad.h"
#include "datafiles/record_result.h"
#include "datafiles/statistics_files.h"

namespace {

class NoMessages : public kes::MessageSink {
 public:
  void information(const std::string&) override {}
};

constexpr int kGames = 1000;
constexpr int kPlayers = 20;
constexpr int kLogLines = 100000;

std::string player(int i) { return "Player " + std::to_string(i); }

void writeLargeFiles(const kes::StatisticsFiles& files) {
  std::filesystem::create_directories(files.folder);
  {
    std::ofstream stat(files.stat(), std::ios::binary);
    stat << kes::statisticsVersionSection();
    const std::string record = "000010 000020 000003 000004 000001 000000 000000001234 000000000000";
    for (int game = 0; game < kGames; ++game) {
      stat << "\r\n[" << kes::pad(game, 4) << "]\r\n";
      for (int p = 1; p <= kPlayers; ++p) stat << player(p) << "=" << record << "\r\n";
    }
  }
  std::ofstream log(files.log(), std::ios::binary);
  kes::GameLogLine line{"20261209", "18:30:05", 300, 2, "Klondike", "Player 1", true, "01", "120", "0000000004711"};
  const std::string text = line.format() + "\r\n";
  for (int i = 0; i < kLogLines; ++i) log << text;
}

void BM_RecordResultIntoLargeFiles(benchmark::State& state) {
  NoMessages messages;
  kes::StatisticsFiles files;
  files.folder = std::filesystem::temp_directory_path() / ("kestrova-bench-" + std::to_string(::getpid())) / "DATA";
  files.messages = &messages;
  files.now = [] { return kes::StampedTime{"20261209", "18:30:05"}; };
  files.fillerDigit = [] { return 4; };
  files.cardsInGame = [](int) { return 52; };
  writeLargeFiles(files);
  kes::ConfigRecord config;
  kes::GameResult result;
  result.gameName = "Some game";
  result.dealNumber = "0000000004711";
  result.won = true;
  int n = 0;
  for (auto _ : state) {
    // A game and player in the middle of the file, with every file in place.
    result.game = 500 + n % 100;
    result.player = player(1 + n % kPlayers);
    result.score = 100 + n % 50;
    result.seconds = 200 + n % 60;
    ++n;
    benchmark::DoNotOptimize(kes::recordResult(files, result, config));
  }
  std::filesystem::remove_all(files.folder.parent_path());
}
BENCHMARK(BM_RecordResultIntoLargeFiles)->Unit(benchmark::kMillisecond);

}  // namespace
