#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollBar;

namespace kes {

// The controls of the demo panel: First, Previous 3 moves, the position
// bar, Next 3 moves, Last, the counter, Play and Stop, Close. It only shows
// positions and reports what the user asks for; the demo playback decides.
class DemoBar : public QWidget {
  Q_OBJECT

 public:
  explicit DemoBar(QWidget* parent = nullptr);

  // Shows position p of n in the counter and on the bar (which reports
  // nothing for this), and which of the buttons lead anywhere.
  void showPosition(int p, int n);
  // Play is offered while not playing and not at the end; Stop while playing.
  void showPlaying(bool playing);

  QScrollBar* positionBar() const { return scbDemoMove_; }
  QString counterText() const;

 signals:
  void firstWanted();
  void priorWanted();
  void nextWanted();
  void lastWanted();
  // The bar was moved to a position (arrow, page or the end of a drag).
  void positionWanted(int position);
  void playWanted();
  void stopWanted();
  void closeWanted();

 private:
  QPushButton* button(const char* name, const QString& caption, const QString& hint, void (DemoBar::*signal)());

  QScrollBar* scbDemoMove_ = nullptr;
  QLabel* pnlDemoCount_ = nullptr;
  QPushButton* btnDemoFirst_ = nullptr;
  QPushButton* btnDemoPrior_ = nullptr;
  QPushButton* btnDemoNext_ = nullptr;
  QPushButton* btnDemoLast_ = nullptr;
  QPushButton* btnDemoPlay_ = nullptr;
  QPushButton* btnDemoStop_ = nullptr;
  bool playing_ = false;
};

}  // namespace kes
