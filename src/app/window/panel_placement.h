#pragma once

#include <QPoint>
#include <QSize>

namespace kes {

// What the time and score panels are placed against.
struct PanelPlacementInput {
  int windowWidth = 0;
  int toolbarHeight = 0;
  int lastButtonRight = 0;  // right edge of the toolbar's last button
  QSize timeSize;
  QSize scoreSize;
  bool showTime = true;
  bool showScore = true;
  bool toolbarVisible = true;
};

struct PanelPlacement {
  QPoint timeAt;
  QPoint scoreAt;
  bool timeShown = false;
  bool scoreShown = false;
};

// The time panel at the right edge, the score panel left of it (or in its
// place when the time is not shown), both centred on the toolbar; a panel
// that would reach the toolbar's buttons stays hidden.
PanelPlacement placeTimeAndScore(const PanelPlacementInput& in);

// Where the pile-size tip opens for a pointer at the given point: below and
// right of it, or left of and above it near the area's right and bottom edges.
QPoint placePileSizeTip(QPoint pointer, QSize tip, QSize area);

// The two pause pictures: the first centred above the second.
struct PausePicturesPlacement {
  QPoint first;
  QPoint second;
  int glideLeft = 0;   // the band the first picture glides in
  int glideRight = 0;
};

PausePicturesPlacement placePausePictures(QSize area, QSize first, QSize second);

}  // namespace kes
