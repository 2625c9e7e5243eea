// The table is laid out in the window's client area under the toolbar, by
// the window's own measures, with the shadow the preferences ask for.
#include <QtTest>
#include <algorithm>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "display/geometry/pile_geometry.h"
#include "table_test_support.h"

namespace {

constexpr int kFreeCell = 1;  // free cells and foundations in row 1
constexpr int kKlondike = 2;  // downward fans
constexpr int kSpider = 4;    // the stock in the top left corner

int firstRowY(kes::GameController& controller) {
  return kes::pileOriginY(controller.table().view(), kes::PileId::reserve(0));
}

}  // namespace

class TableAreaTest : public QObject {
  Q_OBJECT

 private slots:
  void theFirstRowStandsAMarginBelowTheToolbar() {
    kes::test::ShownGame game;
    QVERIFY(game.deal(kFreeCell));
    const kes::WindowMeasures m = game.window.tableMeasures();
    QVERIFY(m.panelsBottom > 0);
    // Two lines lie between the toolbar and the table.
    QCOMPARE(m.tableTop, m.panelsBottom + 2);
    QCOMPARE(m.outerHeight, game.window.frameGeometry().height());
    QCOMPARE(firstRowY(game.controller), m.panelsBottom + 10 - m.tableTop);
    // Without a toolbar the table's top is 5 pixels into the client area.
    kes::WindowOptions bare;
    bare.toolbarVisible = false;
    game.window.applyOptions(bare);
    QTRY_VERIFY(game.window.tableMeasures().panelsBottom == 0);
    game.controller.table().relayout();
    const kes::WindowMeasures without = game.window.tableMeasures();
    QCOMPARE(firstRowY(game.controller), 5 + 10 - without.tableTop);
  }

  void aLowWindowIsJudgedByItsOuterHeight_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("margin");
    QTest::newRow("520 high") << 520 << 10;
    QTest::newRow("490 high") << 490 << 5;
  }

  void aLowWindowIsJudgedByItsOuterHeight() {
    QFETCH(int, height);
    QFETCH(int, margin);
    kes::test::ShownGame game;
    QVERIFY(game.deal(kFreeCell));
    // The outer height counts the window's frame too.
    const int frame = game.window.frameGeometry().height() - game.window.height();
    game.window.resize(800, height - frame);
    QTRY_COMPARE(game.window.frameGeometry().height(), height);
    QTRY_COMPARE(game.window.tableMeasures().outerHeight, height);
    game.controller.table().relayout();
    const kes::WindowMeasures m = game.window.tableMeasures();
    QCOMPARE(firstRowY(game.controller), m.panelsBottom + margin - m.tableTop);
  }

  void theShadowMovesTheStockFromTheEdge() {
    kes::test::ShownGame game;
    QVERIFY(game.deal(kSpider));
    kes::TableWidget& table = game.controller.table();
    table.animation.shadowSize = 9;
    table.relayout();
    const int shadowed = kes::pileOriginX(table.view(), kes::PileId::stock());
    table.animation.shadowSize = 0;
    table.relayout();
    // 15 pixels from the edge, and half the shadow more when there is one.
    QCOMPARE(shadowed - kes::pileOriginX(table.view(), kes::PileId::stock()), 4);
  }

  void irregularPilesLeanByTheOffsetsOfTheirDeal() {
    kes::test::ShownGame game;
    kes::TableWidget& table = game.controller.table();
    QVERIFY(game.deal(kKlondike));
    game.controller.setQuestion([](const QString&) { return true; });
    const kes::PileId last = kes::PileId::tableau(6);  // seven cards
    const auto lean = [&] {
      std::vector<int> xs;
      const kes::TableView view = table.view();
      for (int depth = 0; depth < view.pile(last).size(); ++depth)
        xs.push_back(kes::cardLeft(view, last, depth, false) - kes::pileOriginX(view, last));
      return xs;
    };
    QCOMPARE(lean(), std::vector<int>(7, 0));  // "Piles_TT" is "N" by default
    table.irregularPiles = true;
    table.relayout();
    std::vector<std::vector<int>> deals{lean()};
    for (int deal = 0; deal < 3; ++deal) {
      game.controller.newGame();
      deals.push_back(lean());
    }
    // The offsets are drawn for each deal: the piles lean, and not alike every time.
    QVERIFY(std::any_of(deals.begin(), deals.end(), [](const std::vector<int>& xs) {
      return std::any_of(xs.begin(), xs.end(), [](int x) { return x != 0; });
    }));
    QVERIFY(std::any_of(deals.begin(), deals.end(), [&](const std::vector<int>& xs) { return xs != deals.front(); }));
  }
};

QTEST_MAIN(TableAreaTest)
#include "table_area_test.moc"
