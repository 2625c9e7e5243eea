#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace kes {

// A small picture that plays a horizontal strip of frames, each as wide as
// the control, for the previews of the appearance dialog. Without a strip it
// shows white; a transparent colour lets the control's colour through.
class TBitmapAnimated : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDefaultSize = 30;
  static constexpr int kNoTransparentColour = -1;

  explicit TBitmapAnimated(QWidget* parent = nullptr);

  // The strip; the control takes its height (30 for an empty one).
  void setBitMap(const QPixmap& strip);
  const QPixmap& bitMap() const { return bitMap_; }

  // At least 1.
  void setFrameCount(int count);
  int frameCount() const { return frameCount_; }

  // A negative frame is the last one; others wrap around the frame count.
  void setFrame(int frame);
  int frame() const { return frame_; }

  // Milliseconds between frames while playing; 0 or less plays nothing.
  void setInterval(int milliseconds);
  int interval() const { return interval_; }

  void setPlay(bool play);
  bool play() const { return play_; }

  void setReverse(bool reverse) { reverse_ = reverse; }
  bool reverse() const { return reverse_; }

  // Without it, playing stops at the last frame (at frame 0 in reverse).
  void setLoop(bool loop) { loop_ = loop; }
  bool loop() const { return loop_; }

  // A colour as 0x00BBGGRR, or -1 for none.
  void setTransparentColor(int colour);
  int transparentColor() const { return transparentColor_; }

  // Whether a timer drives the frames now, and at what interval.
  bool timerActive() const { return timer_ != nullptr && timer_->isActive(); }
  int timerInterval() const { return timer_ ? timer_->interval() : 0; }

  QSize sizeHint() const override { return {kDefaultSize, kDefaultSize}; }

 public slots:
  // One frame on (one back in reverse), as the timer does.
  void advance();

 signals:
  void onChangeFrame(int frame);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void updateTimer();
  int wrapped(int frame) const;

  QPixmap bitMap_;
  int frameCount_ = 1;
  int frame_ = 0;
  int interval_ = 100;
  bool play_ = false;
  bool reverse_ = false;
  bool loop_ = true;
  int transparentColor_ = kNoTransparentColour;
  QTimer* timer_ = nullptr;
};

}  // namespace kes
