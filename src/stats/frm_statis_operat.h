#pragma once

#include <QDialog>
#include <vector>

#include "datafiles/statistics_views.h"

class QButtonGroup;
class QListWidget;

namespace kes {

class BarChart;
class StatisticsHost;

// "Players statistics": the players of one game ranked by their won
// percentage or average score; the best five as bars.
class TfrmStatisOperat : public QDialog {
  Q_OBJECT

 public:
  TfrmStatisOperat(StatisticsHost& host, int game, QWidget* parent = nullptr);

  QListWidget* gameList() const { return lsbGames_; }
  BarChart* chart() const { return grafPlayer_; }
  void setValue(PlayerValue kind);
  void showValues();

 private:
  StatisticsHost& host_;
  std::vector<GameChoice> games_;
  QListWidget* lsbGames_ = nullptr;
  QButtonGroup* rgbTypeVal_ = nullptr;
  BarChart* grafPlayer_ = nullptr;
};

}  // namespace kes
