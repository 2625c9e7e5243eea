#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace kes {

inline const QColor kWonColour{0, 160, 0};
inline const QColor kLostColour{200, 0, 0};

// The larger of two shares in percent, taken down to a multiple of 2.5
// (50 to 100), as the pie shows it; nothing when there are no games.
std::optional<double> pieShare(long long won, long long lost);

// The pie picture of won and lost games: the larger share drawn in steps
// of 2.5 percent, each share in its own colour; a grey disc for no games.
// Drawn as shapes, so it stays sharp at any pixel ratio.
class PieChart : public QWidget {
  Q_OBJECT

 public:
  explicit PieChart(QWidget* parent = nullptr);

  void setGames(long long won, long long lost);
  long long won() const { return won_; }
  long long lost() const { return lost_; }

  QSize sizeHint() const override { return {96, 96}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  long long won_ = 0;
  long long lost_ = 0;
};

}  // namespace kes
