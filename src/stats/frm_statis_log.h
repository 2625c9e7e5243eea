#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/game_log.h"

class QComboBox;
class QTableView;

namespace kes {

class GameLogModel;
class StatisticsHost;

// "Log statistics": the finished games, newest first, of one game name
// and one player, or of all.
class TfrmStatisLog : public QDialog {
  Q_OBJECT

 public:
  // Nothing selects "[All games]" or "[All players]".
  TfrmStatisLog(StatisticsHost& host, const std::optional<std::string>& gameName,
                const std::optional<std::string>& player, QWidget* parent = nullptr);
  ~TfrmStatisLog() override;

  QComboBox* players() const { return cboPlayers_; }
  QComboBox* games() const { return cboGames_; }
  QTableView* grid() const { return stgLog_; }
  GameLogModel& model() const { return *model_; }
  void showRows();

 private:
  StatisticsHost& host_;
  std::shared_ptr<const GameLogText> log_;
  QComboBox* cboPlayers_ = nullptr;
  QComboBox* cboGames_ = nullptr;
  QTableView* stgLog_ = nullptr;
  GameLogModel* model_ = nullptr;
};

}  // namespace kes
