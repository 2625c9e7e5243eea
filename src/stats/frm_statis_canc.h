#pragma once

#include <QDialog>

class QComboBox;

namespace kes {

class StatisticsHost;

// "Clear statistics": clears the statistics of one player or all, in one
// game or all, after asking.
class TfrmStatisCanc : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmStatisCanc(StatisticsHost& host, QWidget* parent = nullptr);

  QComboBox* players() const { return cboPlayers_; }
  QComboBox* games() const { return cboGames_; }
  // OK: asks, clears, says so and closes; stays open when refused.
  void clearChosen();

 private:
  StatisticsHost& host_;
  QComboBox* cboPlayers_ = nullptr;
  QComboBox* cboGames_ = nullptr;
};

// "Clear values": the doors to clearing the statistics and the hi-scores.
class TfrmClearValues : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmClearValues(StatisticsHost& host, QWidget* parent = nullptr);

  void clearStatistics();
  void clearHiScores();

 private:
  StatisticsHost& host_;
};

}  // namespace kes
