#include "stats/frm_statis_overall.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "appearance/help_button.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/overall_best_results.h"
#include "datafiles/statistics_views.h"
#include "engine/custom_rules.h"
#include "stats/statistics_dialogs.h"
#include "stats/statistics_host.h"
#include "stats/stats_grid.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_messages.h"

namespace kes {

namespace {

// The list shows at least this many rows, empty ones below the players.
constexpr int kOverallRows = 20;
constexpr int kGameRole = Qt::UserRole + 2;

QString timeText(long long seconds, int hourDigits) {
  return QString::fromStdString(playingTimeText(seconds, hourDigits));
}

}  // namespace

TfrmStatisOverall::TfrmStatisOverall(StatisticsHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("frmStatisOverall");
  setWindowTitle(tr("Overall score"));
  auto* layout = new QHBoxLayout(this);
  slScores_ = makeGrid(this, "slScores", {tr("N."), tr("Player"), tr("Score"), tr("Time")}, 1);
  // The rows are the ranking; the number in front says the place.
  slScores_->setSortingEnabled(false);
  layout->addWidget(slScores_, 1);
  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  btnDetails_ = buttons->addButton(tr("&Details..."), QDialogButtonBox::ActionRole);
  btnDetails_->setObjectName("btnDetails");
  QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
  close->setObjectName("btnOK");
  close->setDefault(true);
  addHelpButton(*buttons, kOverallScoreHelpTopic);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(btnDetails_, &QPushButton::clicked, this, &TfrmStatisOverall::openDetails);
  connect(slScores_, &QTableWidget::itemSelectionChanged, this, &TfrmStatisOverall::updateButtons);
  connect(slScores_, &QTableWidget::cellDoubleClicked, this, [this] {
    if (btnDetails_->isEnabled()) openDetails();
  });
  layout->addWidget(buttons);
  auto* clear = new QAction(tr("Clear Hi-Scores and Overall score..."), this);
  clear->setObjectName("mnuClearScores");
  connect(clear, &QAction::triggered, this, &TfrmStatisOverall::clearHiScores);
  addAction(clear);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  resize(560, 480);
  showScores();
}

void TfrmStatisOverall::showScores() {
  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  scores_ = readOverallScores(files);
  const int rows = std::max(kOverallRows, static_cast<int>(scores_.size()));
  beginFilling(*slScores_, rows);
  for (int r = 0; r < rows; ++r) {
    setCell(*slScores_, r, 0, QStringLiteral("%1").arg(r + 1, 2, 10, QLatin1Char('0')));
    if (r >= static_cast<int>(scores_.size())) continue;
    const OverallScore& s = scores_[static_cast<std::size_t>(r)];
    setCell(*slScores_, r, 1, QString::fromStdString(s.player));
    setCell(*slScores_, r, 2, QString::number(s.score), static_cast<double>(s.score));
    setCell(*slScores_, r, 3, timeText(s.seconds, 2), static_cast<double>(s.seconds));
  }
  endFilling(*slScores_);
  slScores_->setSortingEnabled(false);
  if (!scores_.empty()) slScores_->selectRow(0);
  updateButtons();
}

void TfrmStatisOverall::updateButtons() {
  const int row = slScores_->currentRow();
  btnDetails_->setEnabled(row >= 0 && row < static_cast<int>(scores_.size()) &&
                          !slScores_->selectedItems().isEmpty());
}

void TfrmStatisOverall::openDetails() {
  const int row = slScores_->currentRow();
  if (row < 0 || row >= static_cast<int>(scores_.size())) return;
  TfrmStatisOverallDetails details(host_, scores_[static_cast<std::size_t>(row)], this);
  if (host_.runDialog(details) == kGameStartedResult) done(kGameStartedResult);
}

void TfrmStatisOverall::clearHiScores() {
  if (!askYesNo(host_, this, QString::fromUtf8(kClearHiScoresQuestion))) return;
  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  kes::clearHiScores(files);
  showScores();
}

TfrmStatisOverallDetails::TfrmStatisOverallDetails(StatisticsHost& host, const OverallScore& overall,
                                                   QWidget* parent)
    : QDialog(parent), host_(host) {
  setObjectName("frmStatisOverallDetails");
  setWindowTitle(QStringLiteral("Overall score details [%1]").arg(QString::fromStdString(overall.player)));
  auto* layout = new QVBoxLayout(this);
  auto* totals = new QGridLayout;
  auto* score = new QLabel(QString::number(overall.score), this);
  score->setObjectName("lblScore");
  auto* time = new QLabel(timeText(overall.seconds, 2), this);
  time->setObjectName("lblTime");
  totals->addWidget(new QLabel(tr("Overall score:"), this), 0, 0);
  totals->addWidget(score, 0, 1);
  totals->addWidget(new QLabel(tr("Overall time:"), this), 1, 0);
  totals->addWidget(time, 1, 1);
  totals->setColumnStretch(1, 1);
  layout->addLayout(totals);
  slDetails_ = makeGrid(this, "slDetails", {tr("Game"), tr("Score"), tr("Max"), tr("Time")}, 0);
  layout->addWidget(slDetails_, 1);
  auto* buttons = new QDialogButtonBox(this);
  btnPlay_ = buttons->addButton(tr("&Play this game"), QDialogButtonBox::ActionRole);
  btnPlay_->setObjectName("btnPlay");
  QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
  close->setObjectName("btnOK");
  close->setDefault(true);
  addHelpButton(*buttons, kOverallDetailsHelpTopic);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(btnPlay_, &QPushButton::clicked, this, &TfrmStatisOverallDetails::playSelectedGame);
  layout->addWidget(buttons);
  resize(560, 560);

  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  const auto best = readBestResults(files, overall.player).value_or(std::map<int, BestResult>{});
  std::vector<GameChoice> games = host_.games();
  std::erase_if(games, [](const GameChoice& g) { return g.number < 0 || g.number >= kFirstCustomGame; });
  beginFilling(*slDetails_, static_cast<int>(games.size()));
  for (int r = 0; r < static_cast<int>(games.size()); ++r) {
    const GameChoice& g = games[static_cast<std::size_t>(r)];
    const auto found = best.find(g.number);
    const BestResult result = found == best.end() ? BestResult{} : found->second;
    setCell(*slDetails_, r, 0, QString::fromStdString(g.name));
    slDetails_->item(r, 0)->setData(kGameRole, g.number);
    setCell(*slDetails_, r, 1, result.score ? QString::number(result.score) : QString(),
            static_cast<double>(result.score));
    // A game without a known maximum (0) never shows "Yes".
    const long long maximum = host_.maximumScore(g.number);
    const bool max = maximum > 0 && result.score >= maximum;
    setCell(*slDetails_, r, 2, max ? tr("Yes") : QString());
    setCell(*slDetails_, r, 3, result.seconds ? timeText(result.seconds, 1) : QString(),
            static_cast<double>(result.seconds));
  }
  endFilling(*slDetails_);
  if (!games.empty()) slDetails_->selectRow(0);
  btnPlay_->setEnabled(!games.empty());
}

void TfrmStatisOverallDetails::playSelectedGame() {
  const int row = slDetails_->currentRow();
  const QTableWidgetItem* item = row >= 0 ? slDetails_->item(row, 0) : nullptr;
  if (!item) return;
  // The dialogs stay up while the game starts: hiding a dialog would end
  // its modal loop, and a refused start must leave them as they were. The
  // result closes the dialogs that led here one after the other.
  if (host_.startChosenGame(item->data(kGameRole).toInt())) done(kGameStartedResult);
}

}  // namespace kes
