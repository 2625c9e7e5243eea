#pragma once

#include <QObject>

namespace kes::test {

class PlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void panelsSitAtTheRightEdgeCentredOnTheToolbar();
  void scoreTakesTheTimePlaceWhenTimeIsHidden();
  void aPanelThatWouldReachTheButtonsStaysHidden();
  void hiddenToolbarHidesBothPanels();
  void pileSizeTipOpensLeftAndAboveNearTheCorner();
  void pausePicturesAreCentredAndKeepTheirMargins();
  void pointerRestIsTakenOnceAfterHalfASecond();
};

}  // namespace kes::test
