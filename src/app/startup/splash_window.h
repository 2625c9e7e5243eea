#pragma once

#include <QWidget>

namespace kes {

// The frameless window with the program's name shown while start-up runs.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // Shows the window centred on the screen and lets it paint before the
  // long start-up work begins.
  void showAndPaint();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kes
