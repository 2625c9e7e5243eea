// The card counter window: its sizes, filters and inverted view, its saved
// state, and a grid that stays true to the table through random play.
#include <QAction>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

#include "app/counter/card_counter.h"
#include "app/counter/card_counter_window.h"
#include "app/counter/counter_settings.h"
#include "app/startup/preference_table.h"
#include "engine/card.h"
#include "table_test_support.h"

namespace {

constexpr int kKlondike = 2;
constexpr int kSpider = 4;

using kes::CounterCell;
using kes::PileId;

// A game on a controller with a settings file, the counter shown.
struct CounterGame : kes::test::ControllerWithSettings {
  CounterGame() {
    app.dirs = kes::test::builtDataDirs(data);
    kes::loadPreferences(kes::IniDocument{}, kes::DisplayInfo{}, app.config);
    app.config.put(kes::Field::ConfirmQuitGame, "N");
    makeController();
  }
  [[nodiscard]] bool deal(int game) {
    if (!kes::test::showTable(window, *controller)) return false;
    controller->table().animation = {};
    controller->session().state().prefs.autoplay = false;
    return controller->startGame(game, "0000000000001");
  }
  kes::CardCounter& counter() { return controller->cardCounter(); }
  kes::TfrmCardCounter& shown() {
    if (!counter().shown()) counter().toggle();
    return *counter().window();
  }
  kes::GameState& state() { return controller->session().state(); }
  // The cells a fresh refresh would give, for comparison.
  std::vector<CounterCell> expectedCells() {
    kes::CounterGrid fresh;
    fresh.filter = counter().window()->grid().filter;
    fresh.refresh(state());
    std::vector<CounterCell> cells;
    for (int card = 1; card <= fresh.cardCount(); ++card) cells.push_back(fresh.cell(card));
    return cells;
  }
  std::vector<CounterCell> counterCells() {
    const kes::CounterGrid& grid = counter().window()->grid();
    std::vector<CounterCell> cells;
    for (int card = 1; card <= grid.cardCount(); ++card) cells.push_back(grid.cell(card));
    return cells;
  }
  // Moves a card by hand and tells the counter as the engine would.
  void moveAndTell(int card, PileId to) {
    const PileId from = *state().locateCard(card);
    QVERIFY(kes::test::takeCard(state(), card));
    state().table.pile(to).append(card);
    controller->events().cardMoved(card, from, to);
  }
};

}  // namespace

class CardCounterTest : public QObject {
  Q_OBJECT

 private slots:
  void theHeightFollowsTheCardCount() {
    QCOMPARE(kes::counterWindowHeight(52), 121);
    QCOMPARE(kes::counterWindowHeight(104), 194);
    QCOMPARE(kes::counterWindowHeight(156), 268);
    QCOMPARE(kes::counterWindowHeight(208), 340);
    QCOMPARE(kes::counterWindowHeight(78), 121);
    // Card 52 lies on row 3 and card 104 on row 7; each picture holds its rows.
    QCOMPARE(kes::counterRowOf(52), 3);
    QCOMPARE(kes::counterRowOf(53), 4);
    QCOMPARE(kes::counterRowOf(104), 7);
    QCOMPARE(kes::counterCellLeft(1), 16);
    QCOMPARE(kes::counterCellLeft(13), 184);
    CounterGame one;
    QVERIFY(one.deal(kKlondike));
    kes::TfrmCardCounter& small = one.shown();
    QCOMPARE(small.grid().cardCount(), 52);
    QCOMPARE(small.counterHeight(), 121);
    QVERIFY(small.pictureHeight() >= kes::counterRowTop(3) + 16);
    QVERIFY(small.pictureHeight() < kes::counterRowTop(4) + 16);
    CounterGame two;
    QVERIFY(two.deal(kSpider));
    kes::TfrmCardCounter& large = two.shown();
    QCOMPARE(large.grid().cardCount(), 104);
    QCOMPARE(large.counterHeight(), 194);
    QVERIFY(large.pictureHeight() >= kes::counterRowTop(7) + 16);
    QCOMPARE(large.width(), kes::kCounterWidth);
  }

  void theMenuCommandShowsHidesAndChecks() {
    CounterGame game;
    QVERIFY(game.deal(kKlondike));
    QAction* item = game.window.menuAction("mnuCardCounter");
    QVERIFY(item->isEnabled());
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F8));
    item->trigger();
    QVERIFY(game.counter().shown());
    QVERIFY(item->isChecked());
    QCOMPARE(game.counter().window()->windowTitle(), QString("Card counter"));
    QVERIFY(game.counter().window()->windowFlags() & Qt::WindowStaysOnTopHint);
    // Stock down, tableau by face, foundations empty.
    QCOMPARE(game.counterCells(), game.expectedCells());
    game.counter().window()->close();
    QVERIFY(!game.counter().shown());
    QVERIFY(!item->isChecked());
  }

  void stockOnlyBlanksACardThatLeavesTheStockForTheTableau() {
    CounterGame game;
    QVERIFY(game.deal(kKlondike));
    kes::TfrmCardCounter& counter = game.shown();
    counter.stockOnlyItem()->trigger();
    QVERIFY(counter.grid().filter.stockOnly);
    const int card = game.state().table.pile(PileId::stock()).top();
    QCOMPARE(counter.grid().cell(card), CounterCell::Down);
    const int tableauCard = game.state().table.pile(PileId::tableau(6)).top();
    QCOMPARE(counter.grid().cell(tableauCard), CounterCell::Blank);
    game.moveAndTell(card, PileId::tableau(0));
    QCOMPARE(counter.grid().cell(card), CounterCell::Blank);
    game.controller->table().tableChanged();
    QCOMPARE(counter.grid().cell(card), CounterCell::Blank);
    QCOMPARE(game.counterCells(), game.expectedCells());
    // Checking one filter clears the other.
    counter.tableauOnlyItem()->trigger();
    QVERIFY(!counter.stockOnlyItem()->isChecked());
    QCOMPARE(counter.grid().cell(card), CounterCell::Down);  // it kept its back up
  }

  void theInvertedViewSwapsUpAndDownButNotBlank() {
    CounterGame game;
    QVERIFY(game.deal(kKlondike));
    kes::TfrmCardCounter& counter = game.shown();
    const int stockCard = game.state().table.pile(PileId::stock()).top();
    const int tableauCard = game.state().table.pile(PileId::tableau(6)).top();
    QCOMPARE(counter.grid().shown(stockCard), CounterCell::Down);
    QCOMPARE(counter.grid().shown(tableauCard), CounterCell::Up);
    counter.invertedItem()->trigger();
    QCOMPARE(counter.grid().shown(stockCard), CounterCell::Up);
    QCOMPARE(counter.grid().shown(tableauCard), CounterCell::Down);
    counter.stockOnlyItem()->trigger();
    QCOMPARE(counter.grid().shown(tableauCard), CounterCell::Blank);
  }

  void tableauOnlyIgnoresRedeals() {
    for (const bool tableauOnly : {true, false}) {
      CounterGame game;
      QVERIFY(game.deal(kKlondike));
      kes::TfrmCardCounter& counter = game.shown();
      if (tableauOnly) counter.tableauOnlyItem()->trigger();
      // A tableau card put into the stock by hand, then a redeal notice.
      const int card = game.state().table.pile(PileId::tableau(6)).top();
      QVERIFY(kes::test::takeCard(game.state(), card));
      game.state().table.pile(PileId::stock()).append(card);
      game.controller->events().wasteTurnover(true);
      game.controller->events().wasteTurnover(false);
      QCOMPARE(counter.grid().cell(card), tableauOnly ? CounterCell::Up : CounterCell::Down);
    }
  }

  void theStateIsSavedAndAPlaceOfZeroIgnored() {
    CounterGame game;
    game.settings.writeStrings(kes::kPreferenceSection,
                               std::vector<kes::SettingsEntry>{{"CardCounter_Left", "0"},
                                                               {"CardCounter_Top", "100"},
                                                               {"CardCounter_Stock", "Y"},
                                                               {"CardCounter_Tableau", "Y"},
                                                               {"CardCounter_Inverse", "Y"},
                                                               {"CardCounter_Visible", "Y"}});
    QVERIFY(game.deal(kKlondike));
    game.counter().restore();
    QVERIFY(game.counter().shown());
    kes::TfrmCardCounter& counter = *game.counter().window();
    QVERIFY(counter.pos() != QPoint(0, 100));
    QVERIFY(counter.stockOnlyItem()->isChecked());
    QVERIFY(!counter.tableauOnlyItem()->isChecked());
    QVERIFY(counter.invertedItem()->isChecked());
    QVERIFY(game.window.menuAction("mnuCardCounter")->isChecked());
    counter.move(150, 120);
    counter.stockOnlyItem()->trigger();  // an option change saves at once
    const kes::CounterSettings saved = kes::readCounterSettings(game.settings);
    QVERIFY(!saved.filter.stockOnly && !saved.filter.tableauOnly && saved.filter.inverted);
    QCOMPARE(saved.left, counter.pos().x());
    QCOMPARE(saved.top, counter.pos().y());
    QVERIFY(saved.visible);
    counter.close();
    game.counter().save();
    QVERIFY(!kes::readCounterSettings(game.settings).visible);
  }

  void aSavedPlaceOffEveryScreenIsBroughtBack() {
    CounterGame game;
    game.settings.writeStrings(kes::kPreferenceSection,
                               std::vector<kes::SettingsEntry>{{"CardCounter_Left", "30000"},
                                                               {"CardCounter_Top", "30000"},
                                                               {"CardCounter_Visible", "Y"}});
    QVERIFY(game.deal(kKlondike));
    game.counter().restore();
    QVERIFY(QGuiApplication::screenAt(game.counter().window()->pos()) != nullptr);
  }

  void theGridStaysTrueThroughRandomPlay() {
    for (const int gameNumber : {kKlondike, 3, kSpider, 6, 13}) {
      CounterGame game;
      QVERIFY(game.deal(gameNumber));
      game.shown();
      kes::GameSession& session = game.controller->session();
      QRandomGenerator random(static_cast<quint32>(gameNumber));
      for (int step = 0; step < 300 && game.state().inProgress; ++step) {
        const int choice = random.bounded(10);
        if (choice < 3) {
          session.press(game.state().table.pile(PileId::stock()).top(), PileId::stock());
          session.release();
        } else if (choice < 6) {
          session.doubleClick(random.bounded(1, game.state().params[kes::Param::CardCount] + 1));
        } else if (choice < 8) {
          // A drag of a random card onto a random tableau pile.
          const int card = random.bounded(1, game.state().params[kes::Param::CardCount] + 1);
          const auto from = game.state().locateCard(card);
          if (from && session.press(card, *from) == kes::PressResult::Lifted)
            session.release({PileId::tableau(random.bounded(game.state().tableauCount()))});
          else
            session.release();
        } else if (choice == 8) {
          session.undo();
        } else {
          session.redo();
        }
        QCOMPARE(game.counterCells(), game.expectedCells());
      }
    }
  }
};

QTEST_MAIN(CardCounterTest)
#include "card_counter_test.moc"
