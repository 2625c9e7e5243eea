#include "display/table/bitmap_animated.h"

#include <QBitmap>
#include <QPainter>
#include <algorithm>

namespace kes {

namespace {

// 0x00BBGGRR as stored in the settings.
QColor colourOf(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

}  // namespace

TBitmapAnimated::TBitmapAnimated(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kDefaultSize, kDefaultSize);
}

void TBitmapAnimated::setBitMap(const QPixmap& strip) {
  bitMap_ = strip;
  resize(width(), bitMap_.height() > 0 ? bitMap_.height() : kDefaultSize);
  update();
}

void TBitmapAnimated::setFrameCount(int count) {
  frameCount_ = std::max(1, count);
  if (frame_ >= frameCount_) setFrame(frame_);
  update();
}

int TBitmapAnimated::wrapped(int frame) const { return frame < 0 ? frameCount_ - 1 : frame % frameCount_; }

void TBitmapAnimated::setFrame(int frame) {
  const int next = wrapped(frame);
  if (next == frame_) return;
  frame_ = next;
  emit onChangeFrame(frame_);
  update();
}

void TBitmapAnimated::setInterval(int milliseconds) {
  interval_ = milliseconds;
  updateTimer();
}

void TBitmapAnimated::setPlay(bool play) {
  play_ = play;
  updateTimer();
}

void TBitmapAnimated::setTransparentColor(int colour) {
  transparentColor_ = colour < 0 ? kNoTransparentColour : colour;
  update();
}

// A change of the interval or of playing makes a new timer, or none.
void TBitmapAnimated::updateTimer() {
  delete timer_;
  timer_ = nullptr;
  if (!play_ || interval_ <= 0) return;
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &TBitmapAnimated::advance);
  timer_->start(interval_);
}

void TBitmapAnimated::advance() {
  setFrame(reverse_ ? frame_ - 1 : frame_ + 1);
  const int end = reverse_ ? 0 : frameCount_ - 1;
  if (frame_ == end && !loop_ && play_) setPlay(false);
}

void TBitmapAnimated::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (bitMap_.isNull()) {
    p.fillRect(rect(), Qt::white);
    return;
  }
  p.fillRect(rect(), palette().color(backgroundRole()));
  QPixmap picture = bitMap_.copy(width() * frame_, 0, width(), height());
  if (transparentColor_ != kNoTransparentColour) {
    picture.setMask(picture.createMaskFromColor(colourOf(transparentColor_), Qt::MaskInColor));
  }
  p.drawPixmap(0, 0, picture);
}

}  // namespace kes
