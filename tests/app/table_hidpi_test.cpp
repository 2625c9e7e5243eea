// The card table on a screen of two device pixels per pixel: the window is
// laid out and hit in logical pixels, the cards drawn from the double-size
// pictures.
#include <QApplication>
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/hit_testing.h"
#include "display/geometry/pile_geometry.h"
#include "display/resources/resource_library.h"
#include "display/resources/resource_names.h"
#include "picture_test_support.h"
#include "table_test_support.h"
#include "test_temp_dir.h"

class TableHiDpiTest : public QObject {
  Q_OBJECT

 private slots:
  void cardsAreDrawnSharpWhileTheLayoutStaysLogical() {
    kes::test::ShownGame play;
    kes::GameController& controller = play.controller;
    QVERIFY(play.deal(2));
    kes::TableWidget& table = controller.table();
    QCOMPARE(table.devicePixelRatioF(), 2.0);

    const QImage picture = table.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), table.size() * 2);
    // The top card of tableau pile 7, and a point on it hits it in logical pixels.
    const kes::TableView view = table.view();
    const kes::PileId pile = kes::PileId::tableau(6);
    const int x = kes::cardLeft(view, pile, 0, false), y = kes::cardTop(view, pile, 0, false);
    const kes::PileHit hit = kes::pileAtPoint(view, x + 35, y + 48);
    QCOMPARE(hit.card, view.pile(pile).top());
    const QImage card = picture.copy(2 * x, 2 * y, 2 * view.width(), 2 * view.height());
    QVERIFY(!kes::test::isPixelDoubled(card));
    // Its pixels are the double-size face's own, not an enlarged small one.
    const int code = hit.card > 52 ? hit.card - 52 : hit.card;
    const int suit = (code - 1) / 13, rank = (code - 1) % 13;
    const kes::ResourceLibrary library(qEnvironmentVariable("KESTROVA_TEST_DATA"));
    const QImage sheet = library.image(kes::faceBitmapName('B', controller.faceSet(), kes::kSuitLetters[std::size_t(suit)]) + "@2x");
    const QImage face = sheet.copy((rank % 5) * 142, (rank / 5) * 192, 142, 192).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(card.copy(4, 4, 134, 184), face.copy(4, 4, 134, 184));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  TableHiDpiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "table_hidpi_test.moc"
