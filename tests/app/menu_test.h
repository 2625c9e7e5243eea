#pragma once

#include <QObject>

namespace kes::test {

class MenuTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTableItemExistsWithCaptionAndShortcut();
  void captionsMatchTheWrittenWords_data();
  void captionsMatchTheWrittenWords();
  void menuBarHoldsTheMenusInOrder();
  void laterFeaturesAreShownButDisabled();
  void gameCommandsSwitchTogetherWithTheirButtons();
  void popupMenusHoldTheirItems();
};

}  // namespace kes::test
