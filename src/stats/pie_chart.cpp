#include "stats/pie_chart.h"

#include <QPainter>
#include <cmath>
#include <optional>

namespace kes {

std::optional<double> pieShare(long long won, long long lost) {
  const long long total = won + lost;
  if (total <= 0) return std::nullopt;
  const double larger = 100.0 * static_cast<double>(std::max(won, lost)) / static_cast<double>(total);
  return std::floor(larger / 2.5 + 1e-9) * 2.5;
}

PieChart::PieChart(QWidget* parent) : QWidget(parent) { setMinimumSize(64, 64); }

void PieChart::setGames(long long won, long long lost) {
  won_ = won;
  lost_ = lost;
  update();
}

void PieChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height()) - 4;
  const QRectF disc((width() - side) / 2.0, (height() - side) / 2.0, side, side);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  const auto share = pieShare(won_, lost_);
  if (!share) {
    painter.setBrush(palette().color(QPalette::Mid));
    painter.drawEllipse(disc);
    return;
  }
  const bool wonLarger = won_ >= lost_;
  const QColor larger = wonLarger ? kWonColour : kLostColour;
  const QColor smaller = wonLarger ? kLostColour : kWonColour;
  // Angles in sixteenths of a degree, the larger share from twelve o'clock.
  const int span = static_cast<int>(std::lround(*share * 3.6 * 16));
  painter.setBrush(smaller);
  painter.drawEllipse(disc);
  painter.setBrush(larger);
  if (span >= 360 * 16)
    painter.drawEllipse(disc);
  else
    painter.drawPie(disc, 90 * 16, -span);
}

}  // namespace kes
