#include "app/window/panel_placement.h"

#include <algorithm>

namespace kes {

namespace {

constexpr int kRightMargin = 15;
constexpr int kPanelGap = 5;
constexpr int kButtonClearance = 3;
constexpr int kTipEdge = 47;

}  // namespace

PanelPlacement placeTimeAndScore(const PanelPlacementInput& in) {
  PanelPlacement out;
  const int timeLeft = in.windowWidth - in.timeSize.width() - kRightMargin;
  const int scoreLeft = in.showTime ? timeLeft - kPanelGap - in.scoreSize.width()
                                    : in.windowWidth - in.scoreSize.width() - kRightMargin;
  out.timeAt = QPoint(timeLeft, (in.toolbarHeight - in.timeSize.height()) / 2);
  out.scoreAt = QPoint(scoreLeft, (in.toolbarHeight - in.scoreSize.height()) / 2);
  if (!in.toolbarVisible) return out;
  out.timeShown = in.showTime && timeLeft > in.lastButtonRight + kButtonClearance;
  out.scoreShown = in.showScore && scoreLeft > in.lastButtonRight + kButtonClearance;
  return out;
}

QPoint placePileSizeTip(QPoint pointer, QSize tip, QSize area) {
  int left = pointer.x();
  int top = pointer.y() - tip.height() + kTipEdge;
  if (left + tip.width() > area.width() - kTipEdge) left = pointer.x() - tip.width() - 2;
  if (top + tip.height() > area.height() - kTipEdge) top = pointer.y() - tip.height() - 2;
  return {left, top};
}

PausePicturesPlacement placePausePictures(QSize area, QSize first, QSize second) {
  PausePicturesPlacement out;
  const int firstTop = std::max(100, (area.height() - first.height() - second.height() - 45) / 2);
  out.first = QPoint(std::max(5, (area.width() - first.width()) / 2), firstTop);
  out.second = QPoint(std::max(5, (area.width() - second.width()) / 2), firstTop + first.height() + 15);
  out.glideLeft = out.second.x() - 2;
  out.glideRight = out.second.x() + second.width() + 2;
  return out;
}

}  // namespace kes
