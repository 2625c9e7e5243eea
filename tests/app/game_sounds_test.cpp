// The game's sounds as the table plays them: in step with the flying
// cards, under the lifting and redeal switches, with a recording output.
#include <QtTest>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "datafiles/config_field.h"
#include "display/sound/sound_player.h"
#include "recording_sound_output.h"
#include "table_test_support.h"

namespace {

constexpr int kKlondike = 2;
constexpr int kKlondikeThree = 3;

// A shown game whose sounds are recorded, each with the number of cards
// that had landed when it was asked for.
struct SoundGame {
  kes::test::ShownGame play;
  QStringList log;
  int landed = 0;

  SoundGame() {
    play.controller.sounds().setOutput(
        std::make_unique<kes::test::RecordingSoundOutput>(log, [this] { return QString::number(landed); }));
    QObject::connect(&play.controller.table().animationQueue(), &kes::AnimationQueue::landed, [this] { ++landed; });
  }
  kes::TableWidget& table() { return play.controller.table(); }
  kes::ConfigRecord& config() { return play.controller.config(); }
  void clickStock() { QTest::mouseClick(&table(), Qt::LeftButton, {}, kes::test::pileCentre(table(), kes::PileId::stock())); }
  [[nodiscard]] bool settle() {
    return QTest::qWaitFor([this] { return !table().animating(); }, 60000);
  }
  QStringList requests(const QString& start) const {
    QStringList found;
    for (const QString& r : log)
      if (r.startsWith(start)) found << r;
    return found;
  }
};

}  // namespace

class GameSoundsTest : public QObject {
  Q_OBJECT

 private slots:
  void threeCardsTurnedGiveThreeStockSoundsAsTheyLand() {
    SoundGame game;
    QVERIFY(game.play.deal(kKlondikeThree));
    game.table().animation.cardsAnimate = true;
    game.table().animation.moveSpeed = 1;
    game.log.clear();
    game.landed = 0;
    game.clickStock();
    // Nothing is heard before the first card has flown.
    QVERIFY(game.requests("play Stock.wav").isEmpty());
    QVERIFY(game.settle());
    QCOMPARE(game.landed, 3);
    QCOMPARE(game.requests("play Stock.wav"), QStringList({"play Stock.wav 1", "play Stock.wav 2", "play Stock.wav 3"}));
  }

  void liftingAndPuttingBackAreHeardOnlyWithShadowedCards() {
    for (const bool shadowed : {true, false}) {
      SoundGame game;
      QVERIFY(game.play.deal(kKlondike));
      game.config().put(kes::Field::CardsShadowed, shadowed ? "Y" : "N");
      game.log.clear();
      // A click on the top card of the last pile lifts it and puts it back.
      const QPoint top = kes::test::topCardCentre(game.table(), 6);
      QTest::mousePress(&game.table(), Qt::LeftButton, {}, top);
      QTest::mouseRelease(&game.table(), Qt::LeftButton, {}, top);
      QVERIFY(game.settle());
      const QStringList expected = shadowed ? QStringList({"play card_up.wav 0", "play card_down.wav 0"}) : QStringList();
      QCOMPARE(game.log, expected);
    }
  }

  void theRedealLoopsOnlyWhileAnAnimatedTurnoverFlies() {
    for (const bool animated : {true, false}) {
      SoundGame game;
      QVERIFY(game.play.deal(kKlondike));
      game.table().animation.cardsAnimate = false;
      game.table().animation.redealAnimation = animated;
      game.table().animation.moveSpeed = 1;
      for (int i = 0; i < 24; ++i) game.clickStock();
      QVERIFY(game.settle());
      QCOMPARE(game.play.controller.session().state().table.pile(kes::PileId::stock()).size(), 0);
      game.log.clear();
      game.landed = 0;
      game.clickStock();
      QVERIFY(game.settle());
      QVERIFY(game.play.controller.session().state().table.pile(kes::PileId::stock()).size() >= 23);
      if (animated) {
        // The loop starts before the first card flies and stops after the last.
        QCOMPARE(game.requests("loop"), QStringList({"loop Redeal.wav 0"}));
        QCOMPARE(game.requests("stop"), QStringList({"stop 24"}));
      } else {
        QVERIFY(game.requests("loop").isEmpty());
        QVERIFY(game.requests("play Redeal").isEmpty());
      }
    }
  }

  void anAnimatedDealLoopsTheRiffleUntilItsLastCard() {
    SoundGame game;
    QVERIFY(kes::test::showTable(game.play.window, game.play.controller));
    game.table().animation.dealAnimation = true;
    game.table().animation.moveSpeed = 0;
    QVERIFY(game.play.controller.startGame(kKlondike, "0000000000001"));
    QVERIFY(game.settle());
    QCOMPARE(game.requests("loop"), QStringList({"loop Shuffle.wav 0"}));
    QCOMPARE(game.requests("stop"), QStringList({"stop " + QString::number(game.landed)}));
    QVERIFY(game.landed >= 28);
  }

  void aNewGameWaitsForItsShortSound() {
    SoundGame game;
    QVERIFY(game.play.deal(kKlondike));
    game.config().put(kes::Field::ConfirmQuitGame, "N");
    game.log.clear();
    game.play.controller.newGame();
    QVERIFY(!game.log.isEmpty());
    QCOMPARE(game.log.first(), QString("wait New.wav 0"));
  }
};

QTEST_MAIN(GameSoundsTest)
#include "game_sounds_test.moc"
