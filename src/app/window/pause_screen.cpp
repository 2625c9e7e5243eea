#include "app/window/pause_screen.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

#include "app/window/glyph_source.h"
#include "display/table/background_painter.h"

namespace kes {

namespace {

constexpr int kGlideIntervalMs = 80;
const QColor kPauseGreen(0, 128, 0);

bool endsPause(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
      return true;
    default:
      return false;
  }
}

// The key releases and shortcut look-ups that belong to a press that ended
// the pause must not reach anything else either.
bool swallowedDuringPause(QEvent::Type type) {
  return type == QEvent::ShortcutOverride || type == QEvent::KeyRelease || type == QEvent::MouseButtonRelease ||
         type == QEvent::NonClientAreaMouseButtonRelease;
}

}  // namespace

PauseScreen::PauseScreen(const GlyphSource& glyphs, QWidget* parent)
    : QWidget(parent), first_(glyphs.picture("BMP_PAUSE_1")), second_(glyphs.picture("BMP_PAUSE_2")) {
  setObjectName("pauseScreen");
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
  glideTimer_.setInterval(kGlideIntervalMs);
  connect(&glideTimer_, &QTimer::timeout, this, &PauseScreen::glide);
}

void PauseScreen::begin() {
  if (active()) return;
  if (parentWidget()) setGeometry(parentWidget()->rect());
  place();
  glideX_ = placement_.first.x();
  glideStep_ = 3;
  active_ = true;
  show();
  raise();
  qApp->installEventFilter(this);
  glideTimer_.start();
}

void PauseScreen::end() {
  if (!active()) return;
  active_ = false;
  glideTimer_.stop();
  qApp->removeEventFilter(this);
  hide();
}

void PauseScreen::place() { placement_ = placePausePictures(size(), first_.size(), second_.size()); }

void PauseScreen::glide() {
  const int next = glideX_ + glideStep_;
  if (next < placement_.glideLeft || next + first_.width() > placement_.glideRight)
    glideStep_ = -glideStep_;
  else
    glideX_ = next;
  update();
}

void PauseScreen::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (plain_) painter.fillRect(rect(), kPauseGreen);
  else paintFade(painter, size(), kPauseGreen, false);
  painter.drawPixmap(placement_.second, second_);
  painter.drawPixmap(QPoint(glideX_, placement_.first.y()), first_);
}

void PauseScreen::resizeEvent(QResizeEvent*) {
  const int offset = glideX_ - placement_.first.x();
  place();
  glideX_ = std::clamp(placement_.first.x() + offset, placement_.glideLeft,
                       std::max(placement_.glideLeft, placement_.glideRight - first_.width()));
}

bool PauseScreen::eventFilter(QObject*, QEvent* event) {
  if (endsPause(event->type())) {
    emit endRequested();
    return true;
  }
  if (swallowedDuringPause(event->type())) {
    event->accept();
    return true;
  }
  return false;
}

}  // namespace kes
