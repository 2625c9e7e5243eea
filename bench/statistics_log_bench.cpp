// Opening the log of finished games: reading a log of 100,000 games and
// showing them newest first in the log dialog (target: under 300 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTableView>

#include "datafiles/file_append.h"
#include "datafiles/game_log.h"
#include "stats/frm_statis_log.h"
#include "stats/statistics_host.h"
#include "test_temp_dir.h"

namespace {

using namespace kes;

constexpr int kGames = 100'000;

class NoMessages : public MessageSink {
 public:
  void information(const std::string&) override {}
};

// A data folder whose log holds kGames finished games of 20 games and 20 players.
class LogFolder {
 public:
  LogFolder() {
    files.folder = dir.path() / "DATA";
    files.messages = &sink;
    std::filesystem::create_directories(files.folder);
    std::string text;
    text.reserve(static_cast<std::size_t>(kGames) * 149);
    for (int i = 0; i < kGames; ++i) {
      const GameLogLine line{"20261209", "18:30:05", i % 3600, i % 20 + 1, "Game " + std::to_string(i % 20 + 1),
                             "Player " + std::to_string(i % 20 + 1), i % 3 == 0, "01", std::to_string(i % 500),
                             "0000000000042"};
      text += line.format() + "\r\n";
    }
    appendToFile(files.log(), text, sink);
  }

  TempDir dir;
  NoMessages sink;
  StatisticsFiles files;
};

class BenchHost : public StatisticsHost {
 public:
  explicit BenchHost(const StatisticsFiles& files) : files_(files) {}
  ConfigRecord& config() override { return config_; }
  SettingsFile* settings() override { return nullptr; }
  StatisticsFiles statisticsFiles() override { return files_; }
  std::vector<GameChoice> games() override {
    std::vector<GameChoice> games;
    for (int g = 1; g <= 20; ++g) games.push_back({g, "Game " + std::to_string(g)});
    return games;
  }
  long long maximumScore(int) override { return 0; }
  int runDialog(QDialog&) override { return QDialog::Rejected; }
  std::function<void(QWidget*, int)> hiScores() override { return {}; }
  bool startChosenGame(int) override { return false; }
  bool confirmAbandon(const QString&) override { return true; }
  void recordGameInProgress() override {}
  void updateCaption() override {}
  void playerChanged() override {}

 private:
  StatisticsFiles files_;
  ConfigRecord config_;
};

void BM_ReadAndFilterLog(benchmark::State& state) {
  const LogFolder folder;
  for (auto _ : state) {
    const auto log = GameLogText::read(folder.files);
    benchmark::DoNotOptimize(filteredGameLog(*log, std::nullopt, std::nullopt));
  }
}
BENCHMARK(BM_ReadAndFilterLog)->Unit(benchmark::kMillisecond);

void BM_OpenLogDialog(benchmark::State& state) {
  const LogFolder folder;
  BenchHost host(folder.files);
  for (auto _ : state) {
    TfrmStatisLog dialog(host, std::nullopt, std::nullopt);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.grid()->model()->rowCount());
  }
}
BENCHMARK(BM_OpenLogDialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
