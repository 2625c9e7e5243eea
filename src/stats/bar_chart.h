#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace kes {

struct ChartBar {
  QString label;
  long long value = 0;
  QColor colour;
};

// Upright bars side by side, each with its value above and its label
// below, scaled to the largest value. Drawn as shapes, so it stays sharp at
// any pixel ratio.
class BarChart : public QWidget {
  Q_OBJECT

 public:
  explicit BarChart(QWidget* parent = nullptr);

  void setBars(std::vector<ChartBar> bars);
  const std::vector<ChartBar>& bars() const { return bars_; }

  QSize sizeHint() const override { return {260, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ChartBar> bars_;
};

}  // namespace kes
