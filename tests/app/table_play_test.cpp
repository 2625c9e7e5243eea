#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/startup/app_context.h"
#include "datafiles/config_field.h"
#include "display/resources/resource_library.h"
#include "display/table/card_images.h"
#include "app/select_game_number.h"
#include "display/geometry/pile_geometry.h"
#include "engine/deal_generator.h"
#include "engine/drop_rules.h"
#include "test_temp_dir.h"

namespace {

// A move the rules allow between two tableau piles of the dealt table.
std::optional<std::pair<int, int>> legalTableauMove(const kes::GameState& g) {
  for (int from = 0; from < g.tableauCount(); ++from)
    for (int to = 0; to < g.tableauCount(); ++to) {
      const int card = g.table.pile(kes::PileId::tableau(from)).top();
      if (from != to && card && kes::canDropOn(g, kes::PileId::tableau(to), card)) return std::pair{from, to};
    }
  return std::nullopt;
}

// The centre of the top card of a tableau pile, on the table widget.
QPoint topCardCentre(kes::TableWidget& table, int pile) {
  const kes::TableView view = table.view();
  const kes::PileId id = kes::PileId::tableau(pile);
  return {kes::cardLeft(view, id, 0, false) + view.width() / 2, kes::cardTop(view, id, 0, false) + view.height() / 2};
}

}  // namespace

class TablePlayTest : public QObject {
  Q_OBJECT

 private:
  kes::TempDir data_;
  kes::DataDirs dirs() const { return {qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString(), data_.path()}; }

  // A shown main window with its game controller, autoplay off.
  struct Played {
    kes::TfrmMain window;
    std::unique_ptr<kes::GameController> controller;
  };
  bool open(Played& p) {
    p.controller = std::make_unique<kes::GameController>(p.window, dirs());
    p.window.resize(1024, 768);
    p.window.show();
    p.controller->session().state().prefs.autoplay = false;
    return p.controller->ready() && QTest::qWaitForWindowExposed(&p.window);
  }

  void drag(kes::TableWidget& table, QPoint from, QPoint to) {
    QTest::mousePress(&table, Qt::LeftButton, {}, from);
    QTest::mouseMove(&table, (from + to) / 2);
    QTest::mouseMove(&table, to);
    QTest::mouseRelease(&table, Qt::LeftButton, {}, to);
  }

 private slots:
  void aDraggedCardLandsOnTheAcceptingPile() {
    Played p;
    QVERIFY(open(p));
    kes::TfrmMain& window = p.window;
    kes::GameController& controller = *p.controller;
    const kes::GameState& g = controller.session().state();
    std::optional<std::pair<int, int>> move;
    for (int deal = 1; deal < 50 && !move; ++deal) {
      QVERIFY(controller.startGame(1, *kes::normalizeDealNumber(std::to_string(deal))));
      move = legalTableauMove(g);
    }
    QVERIFY(move);
    QTRY_VERIFY_WITH_TIMEOUT(!controller.table().animating(), 20000);
    const int card = g.table.pile(kes::PileId::tableau(move->first)).top();
    drag(controller.table(), topCardCentre(controller.table(), move->first), topCardCentre(controller.table(), move->second));
    QCOMPARE(g.table.pile(kes::PileId::tableau(move->second)).top(), card);
    QVERIFY(window.windowTitle().startsWith("Kestrova 2000 [FreeCell]"));
  }

  void aRefusedDropFliesBack() {
    Played p;
    QVERIFY(open(p));
    kes::GameController& controller = *p.controller;
    QVERIFY(controller.startGame(1, "0000000000001"));
    QTRY_VERIFY_WITH_TIMEOUT(!controller.table().animating(), 20000);
    const kes::GameState& g = controller.session().state();
    // Pile 1 onto pile 2 unless that is allowed; then onto pile 3.
    int target = 1;
    const int card = g.table.pile(kes::PileId::tableau(0)).top();
    while (kes::canDropOn(g, kes::PileId::tableau(target), card)) ++target;
    const std::string before = g.table.pile(kes::PileId::tableau(0)).codes();
    drag(controller.table(), topCardCentre(controller.table(), 0), topCardCentre(controller.table(), target));
    QCOMPARE(g.table.pile(kes::PileId::tableau(0)).codes(), before);
    QVERIFY(g.history.undo.empty());
  }

  void aDoubleClickSendsACardHome() {
    Played p;
    QVERIFY(open(p));
    kes::GameController& controller = *p.controller;
    QVERIFY(controller.startGame(1, "0000000000001"));
    QTRY_VERIFY_WITH_TIMEOUT(!controller.table().animating(), 20000);
    kes::GameState& g = controller.session().state();
    // Put an ace on top of pile 1 by hand, then double-click it.
    kes::Pile& pile = g.table.pile(kes::PileId::tableau(0));
    const auto at = g.locateCard(1);
    QVERIFY(at);
    g.table.pile(*at).remove(1);
    pile.append(1);
    controller.table().tableChanged();
    QTest::mouseDClick(&controller.table(), Qt::LeftButton, {}, topCardCentre(controller.table(), 0));
    QCOMPARE(g.table.pile(kes::PileId::foundation(0)).codes(), std::string("001"));
  }

  void aBackDesignWithoutItsPictureShowsTheDefaultBack() {
    kes::ResourceLibrary library(qEnvironmentVariable("KESTROVA_TEST_DATA"));
    kes::CardImages images(library, qEnvironmentVariable("KESTROVA_TEST_DATA"));
    images.load(kes::kBigCards, 1, 6);
    const QImage chosen = images.back().toImage();
    QVERIFY(!chosen.isNull());
    images.load(kes::kBigCards, 1, 3);  // no such picture is installed
    QVERIFY(!images.back().isNull());
    images.load(kes::kBigCards, 1, kes::kDefaultBackDesign);
    QCOMPARE(images.back().toImage(), [&] {
      images.load(kes::kBigCards, 1, 3);
      return images.back().toImage();
    }());
    QVERIFY(images.back().toImage() != chosen);
  }

  void theFaceSetAndBackFollowThePreferences() {
    kes::TfrmMain window;
    kes::AppContext app;
    app.config.put(kes::Field::FaceSet, "002");
    app.config.put(kes::Field::BackDesign, "006");
    kes::GameController controller(window, dirs(), &app);
    QCOMPARE(controller.faceSet(), 2);
    QCOMPARE(controller.backDesign(), 6);
    app.config.put(kes::Field::FaceSet, "009");
    QCOMPARE(controller.faceSet(), 1);
  }

  void gameNumbersAreCheckedLikeTheDialogSays() {
    QCOMPARE(kes::checkGameNumber("12a").message, QString("Only numbers required."));
    QCOMPARE(kes::checkGameNumber("12345678901234").message, QString("From 1 up to 13 ciphers."));
    QVERIFY(!kes::checkGameNumber("0").dealNumber);
    QVERIFY(kes::checkGameNumber("0").message.isEmpty());
    QCOMPARE(*kes::checkGameNumber(" 42").dealNumber, std::string("0000000000042"));
  }
};

QTEST_MAIN(TablePlayTest)
#include "table_play_test.moc"
