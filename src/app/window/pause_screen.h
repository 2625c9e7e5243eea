#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "app/window/panel_placement.h"

namespace kes {

class GlyphSource;

// The screen that hides the table while the game is paused: dark green
// fading to black, with the first pause picture gliding to and fro above
// the second. While it is up, any key or mouse press anywhere in the
// application ends the pause and does nothing else.
class PauseScreen : public QWidget {
  Q_OBJECT

 public:
  PauseScreen(const GlyphSource& glyphs, QWidget* parent);

  void begin();
  void end();
  bool active() const { return active_; }
  // Where the gliding picture stands now.
  QPoint glidingPictureAt() const { return QPoint(glideX_, placement_.first.y()); }

  // Whether the screen uses the plain colour (few-colour displays).
  void setPlain(bool plain) { plain_ = plain; }

 signals:
  // A key or a mouse press asked for the pause to end.
  void endRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void glide();
  void place();

  QPixmap first_;
  QPixmap second_;
  PausePicturesPlacement placement_;
  QTimer glideTimer_;
  int glideX_ = 0;
  int glideStep_ = 3;
  bool plain_ = false;
  bool active_ = false;
};

}  // namespace kes
