#include "app/solver/solver_assistant.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "app/main_window.h"
#include "app/solver/hint_text.h"
#include "datafiles/settings_file.h"
#include "display/table/table_widget.h"

namespace kes {

namespace {

constexpr const char* kStatusKey = "Solver_Status";
constexpr const char* kWinnableDealsKey = "Winnable_Deals_Only";
// How long the cards of a hint stay marked.
constexpr int kFlashMs = 1500;
// How long the search for a winnable deal runs before its progress shows.
constexpr int kProgressAfterMs = 500;

const QString& seesEveryCard() {
  static const QString text = QStringLiteral("The solver sees every card, the face-down ones included.");
  return text;
}

solver::SolveOptions optionsWith(const solver::Budget& budget) {
  solver::SolveOptions options;
  options.budget = budget;
  return options;
}

// The position as the player sees it: every pile's cards and faces and the
// pass through the stock. Unlike the solver's keys it leaves out the
// counters of moves made, which an undo does not take back, so that an
// undo comes back to the very position it left.
std::string positionKeyOf(const GameState& g) {
  std::string key = std::to_string(g.passNumber) + ';';
  for (int o = 0; o < kPileCount; ++o) {
    const Pile& pile = g.table.pile(PileId::fromOrdinal(o));
    for (int i = 0; i < pile.size(); ++i) {
      const int card = pile.cardAt(i);
      key += std::to_string(g.table.isFaceUp(card) ? card : -card);
      key += ',';
    }
    key += ';';
  }
  return key;
}

QString lostText(std::optional<int> since) {
  const QString text = QStringLiteral("Not winnable any more");
  if (!since) return text;
  if (*since == 0) return text + QStringLiteral(" (not from the deal on)");
  return text + QStringLiteral(" (since move %1)").arg(*since);
}

}  // namespace

SolverAssistant::SolverAssistant(TfrmMain& window, GameSession& session, TableWidget& table, Information information)
    : window_(window), session_(session), table_(table), information_(std::move(information)) {
  connect(&table_, &TableWidget::changed, this, &SolverAssistant::tableChanged);
}

void SolverAssistant::readPreferences(const SettingsFile* settings) {
  if (!settings) return;
  setWinnableDealsOnly(settings->readString("Preference", kWinnableDealsKey, "N") == "Y");
  setStatusWanted(settings->readString("Preference", kStatusKey, "N") == "Y");
}

void SolverAssistant::setStatusWanted(bool on) {
  if (on == statusWanted_) return;
  statusWanted_ = on;
  refreshStatus();
}

// Every change of the table lands here; only a change of the position
// (not of the picture) makes the searches of the old one pointless.
void SolverAssistant::tableChanged() {
  const GameState& g = session_.state();
  const bool playing = g.inProgress && !g.won;
  const std::string key = playing ? positionKeyOf(g) : std::string();
  if (key == positionKey_) return;
  positionKey_ = key;
  hintWorker_.cancel();
  clearHint();
  // A deal with no history is a new one: the line starts again.
  if (!playing || (g.history.undo.empty() && g.history.redo.empty())) line_.reset();
  if (playing) line_.arrive(key);
  refreshStatus();
}

void SolverAssistant::refreshStatus() {
  statusWorker_.cancel();
  if (!statusWanted_ || positionKey_.empty()) {
    statusText_.clear();
    showLabel();
    return;
  }
  const int index = line_.current();
  if (line_.verdictAt(index)) {
    showStatus();
    return;
  }
  statusText_ = QStringLiteral("Checking...");
  showLabel();
  statusWorker_.start(session_.state(), optionsWith(budgets_.status), [this, index](const solver::SolveResult& r) {
    line_.setVerdict(index, r.verdict);
    showStatus();
    emit statusFinished();
  });
}

void SolverAssistant::showStatus() {
  const auto verdict = line_.verdictAt(line_.current());
  if (!verdict) return;
  switch (*verdict) {
    case solver::Verdict::Won: statusText_ = QStringLiteral("Winnable"); break;
    case solver::Verdict::Lost: statusText_ = lostText(line_.lostSinceMove()); break;
    case solver::Verdict::Unknown: statusText_ = QStringLiteral("Unknown"); break;
  }
  showLabel();
}

void SolverAssistant::showLabel() {
  const QString& text = hintText_.isEmpty() ? statusText_ : hintText_;
  window_.setSolverStatus(text, seesEveryCard());
}

void SolverAssistant::hint() {
  const GameState& g = session_.state();
  if (!g.inProgress || g.won || table_.holding()) return;
  clearHint();
  hintText_ = QStringLiteral("Hint: searching...");
  showLabel();
  hintWorker_.start(g, optionsWith(budgets_.hint), [this](const solver::SolveResult& r) { hintFound(r); });
}

void SolverAssistant::hintFound(const solver::SolveResult& r) {
  hintText_.clear();
  const int index = line_.current();
  if (r.verdict != solver::Verdict::Unknown && !line_.verdictAt(index)) {
    line_.setVerdict(index, r.verdict);
    if (statusWanted_) showStatus();
  }
  if (r.verdict == solver::Verdict::Won && !r.moves.empty()) {
    const solver::SolverMove move = r.moves.front();
    shownHint_ = move;
    hintText_ = hintText(move);
    flashed_ = hintPiles(session_.state(), move);
    table_.markPiles(flashed_, true);
    const std::string key = positionKey_;
    QTimer::singleShot(kFlashMs, this, [this, key] {
      if (key != positionKey_) return;
      table_.markPiles(flashed_, false);
      flashed_.clear();
    });
    showLabel();
  } else {
    showLabel();
    if (r.verdict == solver::Verdict::Lost)
      information_(QStringLiteral("No hint: the solver has proved that this game cannot be won any more from "
                                  "here.\r") + seesEveryCard());
    else
      information_(QStringLiteral("No hint: the solver found no winning line from here within its time. The game "
                                  "may still be winnable.\r") + seesEveryCard());
  }
  emit hintFinished();
}

void SolverAssistant::clearHint() {
  if (!flashed_.empty()) table_.markPiles(flashed_, false);
  flashed_.clear();
  shownHint_.reset();
  hintText_.clear();
  showLabel();
}

std::string SolverAssistant::chooseRandomDeal(const GameParams& params, const DrawDeal& draw) {
  if (!winnableDealsOnly_ || choosingDeal_) return draw();
  choosingDeal_ = true;
  QProgressDialog progress(QStringLiteral("Looking for a deal the solver can win..."), QStringLiteral("Cancel"), 0,
                           budgets_.dealTries, &window_);
  progress.setObjectName("dlgWinnableDeal");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressAfterMs);
  progress.setValue(0);
  SolverWorker worker;
  std::string number;
  bool found = false;
  for (int tried = 0; tried < budgets_.dealTries && !found && !progress.wasCanceled(); ++tried) {
    number = draw();
    QEventLoop loop;
    connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    worker.run([params, number](const solver::SolveOptions& o) { return solver::solveDeal(params, number, o); },
               optionsWith(budgets_.dealCheck), [&](const solver::SolveResult& r) {
                 found = r.verdict == solver::Verdict::Won;
                 loop.quit();
               });
    loop.exec();
    worker.cancel();
    progress.setValue(tried + 1);
  }
  const bool cancelled = progress.wasCanceled();
  progress.close();
  choosingDeal_ = false;
  if (!found && !cancelled)
    information_(QStringLiteral("The solver could not prove a win for any of %1 deals; this one may not be winnable.")
                     .arg(budgets_.dealTries));
  return number;
}

}  // namespace kes
