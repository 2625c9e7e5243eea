#include <QtTest>

#include "app/animation_preferences.h"
#include "app/game_controller.h"
#include "app/main_window.h"
#include "datafiles/config_field.h"
#include "display/geometry/pile_geometry.h"
#include "table_test_support.h"
#include "test_temp_dir.h"

namespace {

kes::ConfigRecord recordWith(std::initializer_list<std::pair<const kes::ConfigField*, const char*>> values) {
  kes::ConfigRecord config;
  for (const auto& [field, text] : values) config.put(*field, text);
  return config;
}

using kes::test::topCardCentre;

// The ace of hearts on top of the first tableau pile.
void aceOnFirstPile(kes::GameController& controller) { kes::test::moveCardOnto(controller, 1, kes::PileId::tableau(0)); }

}  // namespace

class AnimationPreferencesTest : public QObject {
  Q_OBJECT

 private:
  kes::TempDir data_;
  kes::DataDirs dirs() const { return kes::test::builtDataDirs(data_); }

  // A main window and controller on a start-up context holding `config`.
  struct Table {
    kes::AppContext app;
    kes::TfrmMain window;
    std::unique_ptr<kes::GameController> controller;
  };
  std::unique_ptr<Table> tableWith(const kes::ConfigRecord& config) {
    auto t = std::make_unique<Table>();
    t->app.config = config;
    // No autoplay after the deal: its flights would follow any deal.
    t->app.window.autoPlay = false;
    t->app.dirs = dirs();
    if (!t->app.readCatalogue()) return nullptr;
    t->controller = std::make_unique<kes::GameController>(t->window, dirs(), &t->app);
    t->window.resize(1024, 768);
    t->window.show();
    if (!QTest::qWaitForWindowExposed(&t->window)) return nullptr;
    t->controller->session().state().prefs.autoplay = false;
    return t;
  }

  // Lets the event loop run `rounds` times without waiting for anything.
  static void spin(int rounds) {
    for (int i = 0; i < rounds; ++i) QCoreApplication::processEvents();
  }

 private slots:
  void switchesAreOnUnlessNoAndTheWinningShowOnlyWithYes() {
    const kes::AnimationSettings blank = kes::animationSettingsOf(kes::ConfigRecord{});
    QVERIFY(blank.cardsAnimate);
    QVERIFY(blank.dealAnimation);
    QVERIFY(blank.redealAnimation);
    QVERIFY(!blank.winningAnimation);
    QCOMPARE(blank.moveSpeed, 10);
    QCOMPARE(blank.shadowSize, 9);

    const kes::AnimationSettings off = kes::animationSettingsOf(recordWith({{&kes::Field::CardsAnimate, "N"},
                                                                            {&kes::Field::DealAnimation, "N"},
                                                                            {&kes::Field::RedealAnimation, "N"},
                                                                            {&kes::Field::WinningAnimation, "N"},
                                                                            {&kes::Field::CardsShadowed, "N"},
                                                                            {&kes::Field::MoveSpeed, "0"}}));
    QVERIFY(!off.cardsAnimate);
    QVERIFY(!off.dealAnimation);
    QVERIFY(!off.redealAnimation);
    QVERIFY(!off.winningAnimation);
    QCOMPARE(off.moveSpeed, 0);
    QCOMPARE(off.shadowSize, 0);

    // Anything but "N" counts as on; the winning show needs "Y" itself.
    const kes::AnimationSettings other = kes::animationSettingsOf(recordWith({{&kes::Field::CardsAnimate, "S"},
                                                                              {&kes::Field::WinningAnimation, "Y"},
                                                                              {&kes::Field::CardsShadowed, "Y"},
                                                                              {&kes::Field::MoveSpeed, "25"}}));
    QVERIFY(other.cardsAnimate);
    QVERIFY(other.winningAnimation);
    QCOMPARE(other.moveSpeed, 25);
    QCOMPARE(other.shadowSize, 9);
  }

  void aSpeedThatIsNoNumberKeepsTheDefault() {
    QCOMPARE(kes::animationSettingsOf(recordWith({{&kes::Field::MoveSpeed, "x5"}})).moveSpeed, 10);
    QCOMPARE(kes::animationSettingsOf(recordWith({{&kes::Field::MoveSpeed, "-3"}})).moveSpeed, 10);
  }

  void theTableTakesThePreferencesOfTheRecord() {
    auto t = tableWith(recordWith({{&kes::Field::DealAnimation, "N"},
                                   {&kes::Field::WinningAnimation, "Y"},
                                   {&kes::Field::MoveSpeed, "7"},
                                   {&kes::Field::CardsShadowed, "N"}}));
    QVERIFY(t);
    const kes::AnimationSettings& s = t->controller->table().animation;
    QVERIFY(s.cardsAnimate);
    QVERIFY(!s.dealAnimation);
    QVERIFY(s.winningAnimation);
    QCOMPARE(s.moveSpeed, 7);
    QCOMPARE(s.shadowSize, 0);
  }

  void theDealShowsAtOnceOnlyWithDealAnimationNo() {
    auto animated = tableWith(recordWith({}));
    QVERIFY(animated);
    QVERIFY(animated->controller->startGame(1, "0000000000001"));
    QVERIFY(animated->controller->table().animating());
    animated->controller->table().finishAnimation();

    auto still = tableWith(recordWith({{&kes::Field::DealAnimation, "N"}}));
    QVERIFY(still);
    QVERIFY(still->controller->startGame(1, "0000000000001"));
    QVERIFY(!still->controller->table().animating());
  }

  void withCardsAnimateNoNothingFlies() {
    auto t = tableWith(recordWith({{&kes::Field::DealAnimation, "N"}, {&kes::Field::CardsAnimate, "N"}}));
    QVERIFY(t);
    QVERIFY(t->controller->startGame(1, "0000000000001"));
    aceOnFirstPile(*t->controller);
    kes::TableWidget& table = t->controller->table();
    QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
    QCOMPARE(t->controller->session().state().table.pile(kes::PileId::foundation(0)).size(), 1);
    QVERIFY(!table.animating());
  }

  // A flight at speed 0 plays its steps without waiting in between: a few
  // turns of the event loop see it land, where the slowest speed is still
  // on its way.
  void speedZeroFliesWithoutDelay() {
    for (const char* speed : {"0", "99"}) {
      auto t = tableWith(recordWith({{&kes::Field::DealAnimation, "N"}, {&kes::Field::MoveSpeed, speed}}));
      QVERIFY(t);
      QVERIFY(t->controller->startGame(1, "0000000000001"));
      aceOnFirstPile(*t->controller);
      kes::TableWidget& table = t->controller->table();
      QTest::mouseDClick(&table, Qt::LeftButton, {}, topCardCentre(table, 0));
      QVERIFY(table.animating());
      spin(500);
      QCOMPARE(table.animating(), std::string(speed) == "99");
      table.finishAnimation();
    }
  }
};

QTEST_MAIN(AnimationPreferencesTest)
#include "animation_preferences_test.moc"
