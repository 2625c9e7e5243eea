#pragma once

#include <QDialog>
#include <QMessageBox>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "datafiles/config_record.h"
#include "datafiles/settings_file.h"
#include "datafiles/statistics_files.h"
#include "stats/statistics_host.h"
#include "test_temp_dir.h"

namespace kes::test {

class RecordingSink : public MessageSink {
 public:
  void information(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// The statistics dialogs' view of a program, over a fresh DATA folder: the
// files are written by the program's own writers, every modal window is
// answered here instead of waiting for a person.
class StatsTestHost : public StatisticsHost {
 public:
  StatsTestHost() {
    files_.folder = dir_.path() / "DATA";
    files_.messages = &sink_;
    files_.now = [] { return StampedTime{"20261209", "18:30:05"}; };
    files_.fillerDigit = [this] { return filler_++ % 9; };
    files_.cardsInGame = [](int) { return 52; };
    std::filesystem::create_directories(files_.folder);
    config_.put(Field::CurrentGame, "2");
    config_.put(Field::PlayerName, "Anna");
  }

  ConfigRecord& config() override { return config_; }
  SettingsFile* settings() override { return &settings_; }
  StatisticsFiles statisticsFiles() override { return files_; }
  std::vector<GameChoice> games() override { return games_; }
  long long maximumScore(int game) override { return game == 2 ? 208 : 500; }
  int runDialog(QDialog& dialog) override {
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      // As shown: the lines apart with LF.
      messages.push_back(box->text().toStdString());
      if (answers.empty()) return box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::Ok;
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    }
    dialogs.push_back(dialog.windowTitle().toStdString());
    return onDialog ? onDialog(dialog) : QDialog::Rejected;
  }
  std::function<void(QWidget*, int)> hiScores() override { return {}; }
  bool startChosenGame(int game) override {
    startedGames.push_back(game);
    return startSucceeds;
  }
  bool confirmAbandon(const QString& question) override {
    if (!gameInProgress) return true;
    questions.push_back(question.toStdString());
    return abandonAgreed;
  }
  void recordGameInProgress() override {
    if (gameInProgress) recordedFor.push_back(config_.get(Field::PlayerName));
    gameInProgress = false;
  }
  void updateCaption() override { ++captionUpdates; }
  void playerChanged() override { ++playerChanges; }

  const StatisticsFiles& files() const { return files_; }
  RecordingSink& sink() { return sink_; }
  std::string users(int n) const {
    return settings_.readString("Users", "User" + std::string(n < 10 ? "00" : "0") + std::to_string(n), "");
  }

  std::vector<GameChoice> games_{{7, "Calculation"}, {2, "Klondike"}, {5, "Spider"}};
  // Answers to message boxes, in order; the default button when none is left.
  std::deque<int> answers;
  std::vector<std::string> messages;
  std::vector<std::string> dialogs;
  std::function<int(QDialog&)> onDialog;
  std::vector<int> startedGames;
  bool startSucceeds = true;
  bool gameInProgress = false;
  bool abandonAgreed = true;
  std::vector<std::string> questions;
  std::vector<std::string> recordedFor;
  int captionUpdates = 0;
  int playerChanges = 0;

 private:
  TempDir dir_;
  RecordingSink sink_;
  SettingsFile settings_{dir_.path() / "DATA" / "CFG.DAT", sink_};
  StatisticsFiles files_;
  ConfigRecord config_;
  int filler_ = 0;
};

}  // namespace kes::test
