// The stock on the table widget: its stored place follows the raised top
// card as the card count changes, so a click meets the card where it is drawn.
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/stock_thickness.h"
#include "table_test_support.h"
#include "test_temp_dir.h"

class TableStockTest : public QObject {
  Q_OBJECT

 private slots:
  void aClickOnTheRaisedStockTurnsItAndThePilesFollowTheirCounts() {
    kes::test::ShownGame play;
    kes::TfrmMain& window = play.window;
    kes::GameController& controller = play.controller;
    controller.table().animation.cardsAnimate = false;
    QVERIFY(play.deal(2));
    kes::TableWidget& table = controller.table();
    const kes::GameState& g = controller.session().state();
    const kes::StockDrawPlaces& layout = table.metrics().stockDraw;
    const auto expectRaised = [&](kes::PileId pile) {
      const auto i = static_cast<std::size_t>(pile.index);
      const int d = kes::stockThickness(g.table.pile(pile).size());
      QCOMPARE(int(g.positions.x(pile)), layout.x[i] - d);
      QCOMPARE(int(g.positions.y(pile)), layout.y[i] - d);
    };
    QCOMPARE(g.table.pile(kes::PileId::stock()).size(), 24);
    expectRaised(kes::PileId::stock());
    // The raised card's top-left corner lies outside the unraised place.
    const QPoint corner(layout.x[0] - 3, layout.y[0] - 3 - table.metrics().scrollOffset);
    QTest::mouseClick(&table, Qt::LeftButton, {}, corner);
    QVERIFY(g.table.pile(kes::PileId::stock()).size() < 24);
    QVERIFY(g.table.pile(kes::PileId::waste()).size() > 0);
    expectRaised(kes::PileId::stock());
    expectRaised(kes::PileId::waste());
    // A new layout of the same game starts from the unraised places.
    window.resize(1000, 760);
    table.relayout();
    expectRaised(kes::PileId::stock());
    expectRaised(kes::PileId::waste());
  }
};

QTEST_MAIN(TableStockTest)
#include "table_stock_test.moc"
