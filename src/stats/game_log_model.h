#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "datafiles/game_log_line.h"

namespace kes {

// The rows of the log grid: "Date", "Start", "Time", "Game", "W/L",
// "Score", "Player", "Game number". Cells are made when shown, so a log of
// many thousand games opens at once.
class GameLogModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GameLogModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void setRows(std::vector<GameLogLine> rows);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

  // A cell's text, as the grid shows it.
  static QString cellText(const GameLogLine& line, int column);

 private:
  std::vector<GameLogLine> rows_;
};

}  // namespace kes
