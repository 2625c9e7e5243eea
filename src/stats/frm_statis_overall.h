#pragma once

#include <QDialog>
#include <vector>

#include "datafiles/overall_score_file.h"

class QPushButton;
class QTableWidget;

namespace kes {

class StatisticsHost;

// "Overall score": every player's overall score and time, best first.
class TfrmStatisOverall : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmStatisOverall(StatisticsHost& host, QWidget* parent = nullptr);

  QTableWidget* grid() const { return slScores_; }
  QPushButton* detailsButton() const { return btnDetails_; }
  const std::vector<OverallScore>& scores() const { return scores_; }

  // Reads STAT_GLO.DAT again and fills the list.
  void showScores();
  void openDetails();
  void clearHiScores();

 private:
  void updateButtons();

  StatisticsHost& host_;
  std::vector<OverallScore> scores_;
  QTableWidget* slScores_ = nullptr;
  QPushButton* btnDetails_ = nullptr;
};

// "Overall score details [player]": the player's best result in every
// catalogue game, and the door to play one of them.
class TfrmStatisOverallDetails : public QDialog {
  Q_OBJECT

 public:
  TfrmStatisOverallDetails(StatisticsHost& host, const OverallScore& overall, QWidget* parent = nullptr);

  QTableWidget* grid() const { return slDetails_; }
  // Starts the selected game; when it started, this dialog and those that
  // led here close.
  void playSelectedGame();

 private:
  StatisticsHost& host_;
  QTableWidget* slDetails_ = nullptr;
  QPushButton* btnPlay_ = nullptr;
};

}  // namespace kes
