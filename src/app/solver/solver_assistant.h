#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/solver/solver_worker.h"
#include "app/solver/winnable_line.h"
#include "engine/game_session.h"

namespace kes {

class SettingsFile;
class TableWidget;
class TfrmMain;

// What each use of the solver in the window may spend.
struct SolverBudgets {
  solver::Budget hint{5000, 2000000, 256};
  solver::Budget status{3000, 1000000, 128};
  // A deal drawn for "Winnable deals only" is kept when a win is proved
  // within this; otherwise the next one is drawn, up to dealTries.
  solver::Budget dealCheck{700, 150000, 64};
  int dealTries = 60;
};

// The solver's help in the window: "&Hint", the winnable status beside the
// score and the choice of winnable deals. Every search runs on a worker
// thread; any change of the table (a move, undo, redo, a new deal) cancels
// the search that was made for the position before it.
class SolverAssistant : public QObject {
  Q_OBJECT

 public:
  using Information = std::function<void(const QString& text)>;
  // Draws one random deal number.
  using DrawDeal = std::function<std::string()>;

  SolverAssistant(TfrmMain& window, GameSession& session, TableWidget& table, Information information);

  // "Solver_Status" and "Winnable_Deals_Only" of the settings file, both
  // off unless "Y"; without a file both stay as they are.
  void readPreferences(const SettingsFile* settings);
  void setStatusWanted(bool on);
  void setWinnableDealsOnly(bool on) { winnableDealsOnly_ = on; }
  bool winnableDealsOnly() const { return winnableDealsOnly_; }
  void setBudgets(const SolverBudgets& budgets) { budgets_ = budgets; }

  // "&Hint" (H): searches from the position on the table and shows the
  // next move of a winning line.
  void hint();
  bool hintRunning() const { return hintWorker_.busy(); }
  // The last hint shown for the position on the table; none after a change.
  const std::optional<solver::SolverMove>& shownHint() const { return shownHint_; }
  // The status text beside the score; empty while it is off.
  const QString& statusText() const { return statusText_; }
  bool statusRunning() const { return statusWorker_.busy(); }

  // A random deal number of the game; with "Winnable deals only" drawn
  // again until the solver proves a win, with a progress dialog when that
  // takes more than a moment. The drawn number stands when the player
  // cancels or no winnable deal turned up.
  std::string chooseRandomDeal(const GameParams& params, const DrawDeal& draw);

 signals:
  // A hint search or a status search has delivered its result.
  void hintFinished();
  void statusFinished();

 private:
  void tableChanged();
  void refreshStatus();
  void showStatus();
  void showLabel();
  void hintFound(const solver::SolveResult& result);
  void clearHint();

  TfrmMain& window_;
  GameSession& session_;
  TableWidget& table_;
  Information information_;
  SolverBudgets budgets_;
  SolverWorker hintWorker_;
  SolverWorker statusWorker_;
  WinnableLine line_;
  std::string positionKey_;
  std::optional<solver::SolverMove> shownHint_;
  std::vector<PileId> flashed_;
  QString hintText_;
  QString statusText_;
  bool statusWanted_ = false;
  bool winnableDealsOnly_ = false;
  bool choosingDeal_ = false;
};

}  // namespace kes
