#include "stats/bar_chart.h"

#include <QPainter>
#include <algorithm>

namespace kes {

BarChart::BarChart(QWidget* parent) : QWidget(parent) { setMinimumSize(160, 120); }

void BarChart::setBars(std::vector<ChartBar> bars) {
  bars_ = std::move(bars);
  update();
}

void BarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  const QColor ink = palette().color(QPalette::Text);
  const int line = fontMetrics().height();
  const QRect plot = rect().adjusted(8, line + 6, -8, -(line + 8));
  painter.setPen(ink);
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  if (bars_.empty()) return;
  long long top = 0;
  for (const ChartBar& bar : bars_) top = std::max(top, bar.value);
  const int slot = plot.width() / static_cast<int>(bars_.size());
  const int barWidth = std::max(4, slot * 3 / 5);
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    const ChartBar& bar = bars_[i];
    const int left = plot.left() + static_cast<int>(i) * slot + (slot - barWidth) / 2;
    const int height = top > 0 ? static_cast<int>(std::max(0LL, bar.value) * plot.height() / top) : 0;
    const QRect body(left, plot.bottom() - height, barWidth, height);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(bar.colour);
    if (height > 0) painter.drawRect(body);
    const QRect slotRect(plot.left() + static_cast<int>(i) * slot, 0, slot, height);
    painter.drawText(QRect(slotRect.left(), body.top() - line - 2, slot, line), Qt::AlignCenter,
                     QString::number(bar.value));
    painter.drawText(QRect(slotRect.left(), plot.bottom() + 4, slot, line), Qt::AlignCenter,
                     fontMetrics().elidedText(bar.label, Qt::ElideRight, slot - 2));
  }
}

}  // namespace kes
