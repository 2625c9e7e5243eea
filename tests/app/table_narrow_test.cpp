// Narrow windows: every catalogued game is playable in a window of 640 x 480,
// with small cards where the game needs room and the table scrolled
// sideways (and downward) where even they do not fit.
#include <QScrollBar>
#include <QtTest>

#include "datafiles/catalogue_file.h"
#include "datafiles/game_list.h"
#include "display/geometry/pile_geometry.h"
#include "display/geometry/table_area.h"
#include "display/geometry/table_scrolling.h"
#include "table_test_support.h"

namespace {

using kes::PileId;

// Every place a pile's cards cover, in the table's coordinates: the scroll
// offsets added back.
struct Extent {
  int left, top, right, bottom;
};

Extent pileExtent(const kes::TableView& v, PileId pile) {
  const int scrolledY = v.metrics.scrollOffset;
  const int left = kes::pileOriginX(v, pile);
  const int top = kes::pileOriginY(v, pile) + scrolledY;
  int right = left + v.width();
  int bottom = top + v.height();
  const kes::Pile& cards = v.pile(pile);
  if (!cards.empty() && pile.family != kes::PileFamily::Stock) {
    right = std::max(right, kes::cardLeft(v, pile, 0, false) + v.width());
    bottom = std::max(bottom, kes::pileBottom(v, pile) + scrolledY);
  }
  return {left, top, right, bottom};
}

std::vector<kes::GameListEntry> catalogueGames() {
  const auto catalogue = kes::readCatalogue(kes::catalogueFile(qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString()));
  if (!catalogue) return {};
  return kes::loadGameList(*catalogue).entries();
}

}  // namespace

class TableNarrowTest : public QObject {
  Q_OBJECT

 private slots:
  // Each pile in use lies where the window shows it or where its scroll
  // bars take the window.
  void everyGameAt640x480HasEveryPileReachable() {
    const auto games = catalogueGames();
    QVERIFY(games.size() >= 20);
    kes::TempDir data;
    kes::TfrmMain window;
    kes::GameController controller(window, kes::test::builtDataDirs(data));
    controller.setDisplayWidth([] { return 1280; });
    QVERIFY(controller.ready());
    // Each deal abandons the one before, which may enter the hi-scores.
    QStringList dialogs;
    kes::test::closeDialogsAtOnce(controller, dialogs);
    window.resize(640, 480);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    controller.table().animation.dealAnimation = false;
    kes::TableWidget& table = controller.table();
    QStringList unreachable;
    for (const kes::GameListEntry& game : games) {
      QVERIFY(controller.startGame(game.number, "0000000000001"));
      const kes::TableView v = table.view();
      const kes::GameState& g = v.game;
      const kes::ScrollBarState down = table.scrollBarState();
      const kes::HorizontalScroll across = table.horizontalScroll();
      const int shownWidth = table.width() - (down.shown ? kes::kScrollBarWidth : 0);
      const int shownHeight = table.height() - (across.shown ? kes::kScrollBarWidth : 0);
      const int reachRight = shownWidth + (across.shown ? across.maximum : 0);
      const int reachBottom = shownHeight + (down.shown ? down.maximum : 0);
      for (int ordinal = 0; ordinal < kes::kPileCount; ++ordinal) {
        const PileId pile = PileId::fromOrdinal(ordinal);
        if (!g.onTable(pile) || g.positions.x(pile) < -9999 || g.positions.y(pile) < -9999) continue;
        if (pile == PileId::foundation(0) && g.history.foundationOneIsSelection) continue;
        const Extent e = pileExtent(v, pile);
        if (e.left >= 0 && e.top >= 0 && e.right <= reachRight && e.bottom <= reachBottom) continue;
        unreachable << QString("%1 %2 at %3,%4-%5,%6 (reach %7,%8)")
                           .arg(QString::fromStdString(game.name), QString::fromStdString(kes::pileName(pile)))
                           .arg(e.left).arg(e.top).arg(e.right).arg(e.bottom).arg(reachRight).arg(reachBottom);
      }
    }
    QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join("\n")));
  }

  // Spider's last column lies past a 640-pixel window: the sideways bar
  // brings it in, and a press there lifts its top card.
  void theLastSpiderColumnIsPlayedAfterScrollingSideways() {
    kes::test::ShownGame shown;
    shown.controller.setDisplayWidth([] { return 1280; });
    shown.window.resize(640, 480);
    QVERIFY(shown.deal(4));
    shown.window.resize(640, 480);
    kes::TableWidget& table = shown.controller.table();
    QTRY_COMPARE(shown.window.width(), 640);
    const kes::HorizontalScroll across = table.horizontalScroll();
    QVERIFY(across.shown);
    auto* bar = table.findChild<QScrollBar*>("scrBarHorizontal");
    QVERIFY(bar && bar->isVisible());
    bar->setValue(bar->maximum());
    QCOMPARE(table.horizontalScroll().position, across.maximum);
    const kes::TableView v = table.view();
    const PileId last = PileId::tableau(9);
    const QPoint onTable(kes::cardLeft(v, last, 0, false) + v.width() / 2, kes::cardTop(v, last, 0, false) + v.height() / 2);
    const QPoint inWidget = onTable - QPoint(across.maximum, 0);
    QVERIFY(table.rect().contains(inWidget));
    const int top = v.game.table.pile(last).top();
    QTest::mousePress(&table, Qt::LeftButton, {}, inWidget);
    QCOMPARE(v.game.drag.draggedCard, top);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, inWidget);
  }
};

QTEST_MAIN(TableNarrowTest)
#include "table_narrow_test.moc"
