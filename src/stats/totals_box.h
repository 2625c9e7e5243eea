#pragma once

#include <QGroupBox>

class QLabel;

namespace kes {

class PieChart;

// Games won and lost with their sum, their shares in percent and the pie:
// the "Total" and "Current session" groups of the statistics dialog.
class TotalsBox : public QGroupBox {
  Q_OBJECT

 public:
  TotalsBox(const QString& title, const QString& name, QWidget* parent = nullptr);

  void setGames(long long won, long long lost);

  QLabel* wonLabel() const { return won_; }
  QLabel* lostLabel() const { return lost_; }
  QLabel* totalLabel() const { return total_; }
  QLabel* wonPercentLabel() const { return wonPercent_; }
  QLabel* lostPercentLabel() const { return lostPercent_; }
  PieChart* pie() const { return pie_; }

 private:
  QLabel* won_;
  QLabel* lost_;
  QLabel* total_;
  QLabel* wonPercent_;
  QLabel* lostPercent_;
  PieChart* pie_;
};

// "(" + n + "%)" for the won and the lost share; empty without games.
QString wonPercentText(long long won, long long lost);
QString lostPercentText(long long won, long long lost);

}  // namespace kes
