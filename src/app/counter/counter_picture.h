#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

namespace kes {

class CounterGrid;
class ResourceLibrary;

// The counter's grid drawn from the library's pictures: the suit labels
// down the left, one cell per card (blank, up or down) by rank.
class CounterPicture : public QWidget {
 public:
  CounterPicture(const CounterGrid& grid, const ResourceLibrary& library, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const CounterGrid& grid_;
  std::array<QPixmap, 4> labels_;
  QPixmap blank_;
  std::array<QPixmap, 14> up_;
  std::array<QPixmap, 14> down_;
};

}  // namespace kes
