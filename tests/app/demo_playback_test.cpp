// The demo bar over a demo of 29 moves, which offers 30 positions (the deal
// and the table after each move): a FreeCell deal with the first 29 moves of
// the solver's winning line, loaded into the session as the demo file would
// be.

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <sstream>

#include "app/demo_playback.h"
#include "app/window/demo_bar.h"
#include "cli/catalogue_commands.h"
#include "engine/deal_generator.h"
#include "engine/snapshot.h"
#include "solver/solver.h"

namespace kes {

namespace {

constexpr int kFreeCell = 1;
constexpr int kDemoPositions = 30;
constexpr int kDemoMoves = kDemoPositions - 1;

GameParams freeCell() {
  std::istringstream in;
  std::ostringstream out, err;
  cli::CliContext ctx{{}, DataDirs{qEnvironmentVariable("KESTROVA_TEST_DATA").toStdString(), ""}, in, out, err};
  return cli::loadGameForCommand(ctx, std::to_string(kFreeCell), "test").value_or(GameParams{});
}

struct Counting : EngineEvents, ResultListener {
  int sounds = 0;
  int beeps = 0;
  int records = 0;
  void sound(const std::string&, const std::string&) override { ++sounds; }
  void beep() override { ++beeps; }
  void recordResult(const GameState&, bool, int) override { ++records; }
};

// Plays a solver move as the mouse would.
void play(GameSession& session, const solver::SolverMove& m) {
  const GameState& g = session.state();
  if (m.kind == solver::MoveKind::Stock) {
    session.press(g.table.pile(PileId::stock()).top(), PileId::stock());
    session.release();
    return;
  }
  const PileId from = *g.locateCard(m.card);
  session.press(m.card, from);
  session.release(m.kind == solver::MoveKind::Drag ? std::vector<PileId>{m.target} : std::vector<PileId>{});
}

}  // namespace

class DemoPlaybackTest : public QObject {
  Q_OBJECT

  GameParams params_;
  std::vector<solver::SolverMove> line_;
  // The table and the score after each number of moves, 0 to 29.
  std::vector<Snapshot> tables_;
  std::vector<int> scores_;

  struct Fixture {
    Counting events;
    GameSession session{events, events};
    DemoBar bar;
    int redraws = 0;
    QStringList told;
    DemoPlayback demo;

    Fixture(const GameParams& params, const std::vector<solver::SolverMove>& line, int moves = kDemoMoves)
        : demo(session, bar, hooks(params, line, moves)) {}

    DemoPlayback::Hooks hooks(const GameParams& params, const std::vector<solver::SolverMove>& line, int moves) {
      DemoPlayback::Hooks h;
      h.load = [this, params, line, moves](QString&) {
        session.state().prefs.autoplay = false;
        session.start(params, *normalizeDealNumber("1"));
        for (int i = 0; i < moves; ++i) play(session, line[static_cast<std::size_t>(i)]);
        return true;
      };
      h.information = [this](const QString& text) { told << text; };
      h.showMode = [](bool) {};
      h.recordPlaces = [] {};
      h.redraw = [this] { ++redraws; };
      h.busy = [] { return false; };
      h.stepInterval = [] { return 1; };
      return h;
    }
    Snapshot table() const { return takeSnapshot(session.state().table); }
  };

 private slots:
  void initTestCase() {
    params_ = freeCell();
    const auto r = solver::solveDeal(params_, *normalizeDealNumber("1"), {});
    QVERIFY2(r.verdict == solver::Verdict::Won, r.reason.c_str());
    QVERIFY(r.moves.size() > kDemoMoves);
    line_ = r.moves;
    Counting events;
    GameSession session(events, events);
    session.state().prefs.autoplay = false;
    session.start(params_, *normalizeDealNumber("1"));
    tables_.push_back(takeSnapshot(session.state().table));
    scores_.push_back(session.state().score);
    for (int i = 0; i < kDemoMoves; ++i) {
      play(session, line_[static_cast<std::size_t>(i)]);
      tables_.push_back(takeSnapshot(session.state().table));
      scores_.push_back(session.state().score);
    }
    QVERIFY(scores_.front() != scores_[kDemoMoves]);
    QCOMPARE(session.state().history.undo.size(), kDemoMoves);
  }

  void aDemoOf29MovesStartsAtItsDealAndLastShowsItsFinalTable() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    QCOMPARE(f.bar.counterText(), QStringLiteral("1/30"));
    QCOMPARE(f.bar.positionBar()->minimum(), 1);
    QCOMPARE(f.bar.positionBar()->maximum(), 30);
    QVERIFY(f.table() == tables_[0]);
    QCOMPARE(f.session.state().score, scores_[0]);  // the deal's, not the file's
    f.bar.findChild<QPushButton*>("btnDemoLast")->click();
    QCOMPARE(f.bar.counterText(), QStringLiteral("30/30"));
    QCOMPARE(f.bar.positionBar()->value(), 30);
    QVERIFY(f.table() == tables_[29]);
    QCOMPARE(f.session.state().score, scores_[29]);
    f.bar.findChild<QPushButton*>("btnDemoFirst")->click();
    QCOMPARE(f.bar.counterText(), QStringLiteral("1/30"));
    QVERIFY(f.table() == tables_[0]);
    QCOMPARE(f.session.state().score, scores_[0]);
  }

  void draggingTheThumbFrom1To10RedoesNineSilentlyAndRedrawsOnce() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    const int redraws = f.redraws, sounds = f.events.sounds;
    QScrollBar* bar = f.bar.positionBar();
    bar->setSliderDown(true);
    for (int p = 2; p <= 10; ++p) bar->setSliderPosition(p);
    QCOMPARE(f.demo.position(), 1);  // nothing while the thumb is held
    QCOMPARE(f.redraws, redraws);
    bar->setSliderDown(false);
    QCOMPARE(f.demo.position(), 10);
    QCOMPARE(f.bar.counterText(), QStringLiteral("10/30"));
    QCOMPARE(f.redraws, redraws + 1);
    QCOMPARE(f.events.sounds, sounds);
    QVERIFY(f.table() == tables_[9]);
  }

  void aSingleStepIsAnOrdinaryRedoOrUndoWithItsSound() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    const int sounds = f.events.sounds;
    f.bar.positionBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.demo.position(), 2);
    QCOMPARE(f.events.sounds, sounds + 1);
    QVERIFY(f.table() == tables_[1]);
    f.bar.positionBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(f.demo.position(), 1);
    QCOMPARE(f.events.sounds, sounds + 2);
    QVERIFY(f.table() == tables_[0]);
  }

  void theThreeMoveButtonsStepSilentlyWithinTheRange() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    auto* next = f.bar.findChild<QPushButton*>("btnDemoNext");
    auto* prior = f.bar.findChild<QPushButton*>("btnDemoPrior");
    QVERIFY(!prior->isEnabled());
    next->click();
    QCOMPARE(f.bar.counterText(), QStringLiteral("4/30"));
    QVERIFY(f.table() == tables_[3]);
    f.demo.goTo(29);
    next->click();
    QCOMPARE(f.bar.counterText(), QStringLiteral("30/30"));
    QVERIFY(!next->isEnabled());
    prior->click();
    QCOMPARE(f.bar.counterText(), QStringLiteral("27/30"));
    QVERIFY(f.table() == tables_[26]);
  }

  void withUndoDisabledASingleStepOnlyBeeps() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    f.session.state().prefs.undoMode = UndoMode::Disabled;
    const int beeps = f.events.beeps;
    f.demo.goTo(2);
    QCOMPARE(f.events.beeps, beeps + 1);
    QCOMPARE(f.demo.position(), 1);
    QCOMPARE(f.bar.counterText(), QStringLiteral("1/30"));
    QCOMPARE(f.bar.positionBar()->value(), 1);
    f.demo.goTo(5);  // jumps check nothing
    QCOMPARE(f.demo.position(), 5);
  }

  void closingLeavesTheDealWithNoGameInProgressAndRecordsNothing() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    f.demo.goTo(12);
    f.bar.findChild<QPushButton*>("btnDemoClose")->click();
    QVERIFY(!f.demo.active());
    QVERIFY(!f.session.state().inProgress);
    QVERIFY(f.table() == tables_[0]);
    f.session.endGame();
    QCOMPARE(f.events.records, 0);
    // A second demo starts at its first position again.
    QVERIFY(f.demo.start());
    QCOMPARE(f.bar.counterText(), QStringLiteral("1/30"));
  }

  void playStepsToTheEndAndStops() {
    Fixture f(params_, line_);
    QVERIFY(f.demo.start());
    auto* playButton = f.bar.findChild<QPushButton*>("btnDemoPlay");
    auto* stopButton = f.bar.findChild<QPushButton*>("btnDemoStop");
    QVERIFY(playButton->isEnabled() && !stopButton->isEnabled());
    playButton->click();
    QVERIFY(f.demo.playing());
    QVERIFY(!playButton->isEnabled() && stopButton->isEnabled());
    QTRY_COMPARE(f.demo.position(), 30);
    QTRY_VERIFY(!f.demo.playing());
    QVERIFY(f.table() == tables_[29]);
    QVERIFY(!playButton->isEnabled());
  }

  void aDemoWithoutMovesIsRefused() {
    Fixture f(params_, line_, 0);
    QVERIFY(!f.demo.start());
    QVERIFY(!f.demo.active());
    QCOMPARE(f.told.size(), 1);
  }
};

}  // namespace kes

QTEST_MAIN(kes::DemoPlaybackTest)
#include "demo_playback_test.moc"
