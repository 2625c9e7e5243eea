#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "datafiles/game_log.h"

namespace kes {

// The rows of the log grid: "Date", "Start", "Time", "Game", "W/L",
// "Score", "Player", "Game number". The rows are lines of the log; a line
// is taken apart only when it is shown, so a log of many thousand games
// opens at once.
class GameLogModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GameLogModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void setLog(std::shared_ptr<const GameLogText> log);
  // The lines shown, as indices into the log.
  void setRows(std::vector<std::size_t> rows);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

  // A cell's text, as the grid shows it.
  static QString cellText(const GameLogLine& line, int column);

 private:
  GameLogLine lineOf(int row) const;

  std::shared_ptr<const GameLogText> log_ = std::make_shared<GameLogText>();
  std::vector<std::size_t> rows_;
};

}  // namespace kes
