// The solver's help in the window: the hint, the winnable status and the
// choice of winnable deals, with the searches on a worker thread.
#include <QSignalSpy>

#include "app/solver/solver_assistant.h"
#include "app/solver/winnable_line.h"
#include "engine/deal_generator.h"
#include "solver/solver_position.h"
#include "table_test_support.h"

namespace kes::test {
namespace {

constexpr int kFreeCell = 1;
// Far longer than any of these searches needs; a search that never ends
// fails the wait instead of hanging the run.
constexpr int kWaitMs = 60000;

// Budgets in positions only, so the verdicts do not depend on the machine.
SolverBudgets positionBudgets() {
  SolverBudgets b;
  for (solver::Budget* budget : {&b.hint, &b.status, &b.dealCheck}) budget->maxMs = 600000;
  b.hint.maxStates = 200000;
  b.status.maxStates = 200000;
  b.dealCheck.maxStates = 300;
  b.dealTries = 5;
  return b;
}

// Plays a move on the game in the window as the player's mouse would.
void playMove(GameController& controller, const solver::SolverMove& move) {
  GameSession& session = controller.session();
  const auto from = session.state().locateCard(move.card);
  QVERIFY(from);
  QCOMPARE(session.press(move.card, *from), PressResult::Lifted);
  QVERIFY(session.release({move.target}));
  controller.table().tableChanged();
}

// The first move of a winning line from the position on the table.
std::optional<solver::SolverMove> firstWinningMove(GameController& controller) {
  solver::SolveOptions options;
  options.budget.maxStates = 200000;
  const solver::SolveResult r = solver::solveState(controller.session().state(), options);
  if (r.verdict != solver::Verdict::Won || r.moves.empty()) return std::nullopt;
  return r.moves.front();
}

struct HintGame : ShownGame {
  SolverAssistant& assistant = controller.solverAssistant();
  QStringList information;

  HintGame() {
    assistant.setBudgets(positionBudgets());
    controller.setInformation([this](const QString& text) { information << text; });
  }
};

}  // namespace

class SolverAssistantTest : public QObject {
  Q_OBJECT

 private slots:
  // H on a deal the solver wins: the hint is a move the engine accepts,
  // its piles are marked and the window says which move it is.
  void hintShowsAMoveOfAWinningLine() {
    HintGame f;
    QVERIFY(f.deal(kFreeCell));
    QAction* hint = f.window.menuAction("mnuHint");
    QVERIFY(hint);
    QCOMPARE(hint->shortcut(), QKeySequence(QStringLiteral("H")));
    QVERIFY(hint->isEnabled());
    QSignalSpy finished(&f.assistant, &SolverAssistant::hintFinished);
    hint->trigger();
    QVERIFY(f.assistant.hintRunning());
    QVERIFY(finished.wait(kWaitMs));
    QVERIFY(f.information.isEmpty());
    const auto move = f.assistant.shownHint();
    QVERIFY(move);
    QVERIFY(f.window.solverStatus().startsWith(QStringLiteral("Hint: move the ")));
    solver::Position position;
    position.setState(f.controller.session().state());
    QVERIFY(position.apply(*move));
  }

  // A move made while the hint is searched makes the search pointless: it
  // stops, and no hint for the old position ever shows.
  void aMoveCancelsTheRunningHint() {
    HintGame f;
    QVERIFY(f.deal(kFreeCell));
    const auto move = firstWinningMove(f.controller);
    QVERIFY(move);
    QSignalSpy finished(&f.assistant, &SolverAssistant::hintFinished);
    f.controller.hint();
    QVERIFY(f.assistant.hintRunning());
    playMove(f.controller, *move);
    QVERIFY(!f.assistant.hintRunning());
    // Whatever the worker had found is dropped when it arrives.
    QTest::qWait(300);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!f.assistant.shownHint());
    QVERIFY(f.window.solverStatus().isEmpty());
  }

  // The status is off by default; switched on it follows the moves, and an
  // undo finds the verdict of the position it goes back to at once.
  void statusFollowsMovesAndUndo() {
    HintGame f;
    QVERIFY(f.deal(kFreeCell));
    QVERIFY(f.window.solverStatus().isEmpty());
    QSignalSpy finished(&f.assistant, &SolverAssistant::statusFinished);
    f.assistant.setStatusWanted(true);
    QVERIFY(f.assistant.statusRunning());
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(f.window.solverStatus(), QStringLiteral("Winnable"));

    const auto move = firstWinningMove(f.controller);
    QVERIFY(move);
    playMove(f.controller, *move);
    QVERIFY(f.assistant.statusRunning());
    QVERIFY(finished.wait(kWaitMs));
    QCOMPARE(f.window.solverStatus(), QStringLiteral("Winnable"));

    f.controller.undo();
    QVERIFY(!f.assistant.statusRunning());
    QCOMPARE(f.window.solverStatus(), QStringLiteral("Winnable"));
    f.controller.redo();
    QVERIFY(!f.assistant.statusRunning());
    QCOMPARE(f.window.solverStatus(), QStringLiteral("Winnable"));

    f.assistant.setStatusWanted(false);
    QVERIFY(f.window.solverStatus().isEmpty());
  }

  // "Winnable deals only" passes over a deal whose win the solver cannot
  // prove in its budget and keeps the next one; off, the first drawn stands.
  void winnableDealsOnlySkipsAnUnprovedDeal() {
    HintGame f;
    QVERIFY(f.deal(kFreeCell));
    const GameParams params = f.controller.session().state().params;
    // With 300 positions the solver wins deal 3 of FreeCell but not deal 2.
    QStringList drawn;
    const auto draw = [&drawn] {
      const std::string number = *normalizeDealNumber(drawn.isEmpty() ? "2" : "3");
      drawn << QString::fromStdString(number);
      return number;
    };
    QCOMPARE(f.assistant.chooseRandomDeal(params, draw), *normalizeDealNumber("2"));
    QCOMPARE(drawn.size(), 1);

    drawn.clear();
    f.assistant.setWinnableDealsOnly(true);
    QCOMPARE(f.assistant.chooseRandomDeal(params, draw), *normalizeDealNumber("3"));
    QCOMPARE(drawn.size(), 2);
    QVERIFY(f.information.isEmpty());
  }

  // When no deal of the tries can be proved, the last one drawn stands and
  // the player is told.
  void winnableDealsOnlyGivesUpAfterItsTries() {
    HintGame f;
    QVERIFY(f.deal(kFreeCell));
    f.assistant.setWinnableDealsOnly(true);
    int draws = 0;
    const auto draw = [&draws] {
      ++draws;
      return *normalizeDealNumber("2");
    };
    QCOMPARE(f.assistant.chooseRandomDeal(f.controller.session().state().params, draw), *normalizeDealNumber("2"));
    QCOMPARE(draws, positionBudgets().dealTries);
    QCOMPARE(f.information.size(), 1);
  }

  // Both preferences are read from the settings file, off unless "Y", and
  // read again when the preferences are applied.
  void preferencesComeFromTheSettingsFile() {
    ControllerWithSettings f;
    f.app.dirs = builtDataDirs(f.data);
    f.makeController();
    SolverAssistant& assistant = f.controller->solverAssistant();
    QVERIFY(!assistant.winnableDealsOnly());
    f.settings.writeString("Preference", "Winnable_Deals_Only", "Y");
    f.settings.writeString("Preference", "Solver_Status", "N");
    f.controller->applyPreferences(0);
    QVERIFY(assistant.winnableDealsOnly());
    QVERIFY(assistant.statusText().isEmpty());
    f.settings.writeString("Preference", "Winnable_Deals_Only", "S");
    f.controller->applyPreferences(0);
    QVERIFY(!assistant.winnableDealsOnly());
  }

  // The line of positions: where the game stopped being winnable, and how
  // undo and redo move along it.
  void lineTellsFromWhichMoveTheGameIsLost() {
    WinnableLine line;
    line.arrive("deal");
    line.setVerdict(0, solver::Verdict::Won);
    line.arrive("a");
    line.setVerdict(1, solver::Verdict::Won);
    line.arrive("b");
    line.setVerdict(2, solver::Verdict::Lost);
    QCOMPARE(line.arrive("c"), 3);
    QVERIFY(!line.lostSinceMove());  // not proved yet
    line.setVerdict(3, solver::Verdict::Lost);
    QCOMPARE(line.lostSinceMove(), std::optional<int>(2));

    // Undo back to the winnable position, then redo: the verdicts stay.
    QCOMPARE(line.arrive("a"), 1);
    QCOMPARE(line.verdictAt(1), std::optional(solver::Verdict::Won));
    QVERIFY(!line.lostSinceMove());
    QCOMPARE(line.arrive("b"), 2);
    QCOMPARE(line.lostSinceMove(), std::optional<int>(2));

    // Another move from "a" cuts the old continuation off.
    line.arrive("a");
    QCOMPARE(line.arrive("d"), 2);
    QVERIFY(!line.verdictAt(2));
    QVERIFY(!line.verdictAt(3));

    // A deal lost from the start, and a loss whose way in is unknown.
    WinnableLine lostDeal;
    lostDeal.arrive("deal");
    lostDeal.setVerdict(0, solver::Verdict::Lost);
    QCOMPARE(lostDeal.lostSinceMove(), std::optional<int>(0));
    WinnableLine unknownBefore;
    unknownBefore.arrive("deal");
    unknownBefore.arrive("a");
    unknownBefore.setVerdict(1, solver::Verdict::Lost);
    QVERIFY(!unknownBefore.lostSinceMove());
  }
};

}  // namespace kes::test

QTEST_MAIN(kes::test::SolverAssistantTest)
#include "solver_assistant_test.moc"
