#include "stats/frm_statistics.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "datafiles/stat_file.h"
#include "stats/bar_chart.h"
#include "stats/frm_statis_canc.h"
#include "stats/frm_statis_giochi.h"
#include "stats/frm_statis_log.h"
#include "stats/frm_statis_operat.h"
#include "stats/frm_statis_overall.h"
#include "stats/pie_chart.h"
#include "stats/statistics_dialogs.h"
#include "stats/statistics_host.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_choices.h"
#include "stats/totals_box.h"

namespace kes {

namespace {

// The streak words: a streak of one and longer streaks have words of their
// own (the same in English).
constexpr const char* kStreakWords[2][2] = {{"lost", "lost"}, {"won", "won"}};

QString streakWord(long long streak, bool winning) {
  return QString::fromLatin1(kStreakWords[winning ? 1 : 0][streak == 1 ? 0 : 1]);
}

QPushButton* addButton(QVBoxLayout& column, QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  column.addWidget(button);
  return button;
}

}  // namespace

QString currentStreakText(long long winning, long long losing) {
  const QString caption = QStringLiteral("Current");
  if (winning >= 1) return caption + QStringLiteral(": %1 ").arg(winning) + streakWord(winning, true);
  if (losing >= 1) return caption + QStringLiteral(": %1 ").arg(losing) + streakWord(losing, false);
  return caption;
}

TfrmStatistics::TfrmStatistics(StatisticsHost& host, int game, const std::string& player, QWidget* parent)
    : QDialog(parent), host_(host), gameList_(host.games()) {
  setObjectName("frmStatistics");
  buildControls();
  fillChoices(*cboPlayers_, playerChoices(host_), std::nullopt, QString::fromStdString(player));
  fillGameChoices(*cboGames_, gameList_, std::nullopt, game);
  connect(cboPlayers_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::showValues);
  connect(cboGames_, &QComboBox::currentIndexChanged, this, &TfrmStatistics::showValues);
  showValues();
}

void TfrmStatistics::buildControls() {
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* choices = new QGridLayout;
  const PlayerAndGameBoxes boxes = makePlayerAndGameBoxes(this);
  cboPlayers_ = boxes.players;
  cboGames_ = boxes.games;
  choices->addWidget(boxes.playerLabel, 0, 0);
  choices->addWidget(cboPlayers_, 0, 1);
  choices->addWidget(boxes.gameLabel, 1, 0);
  choices->addWidget(cboGames_, 1, 1);
  choices->setColumnStretch(1, 1);
  left->addLayout(choices);

  auto* totals = new QHBoxLayout;
  total_ = new TotalsBox(tr("Total "), "grbTotal", this);
  session_ = new TotalsBox(tr("Current session "), "grbCurrent", this);
  totals->addWidget(total_);
  totals->addWidget(session_);
  left->addLayout(totals);

  auto* seriesBox = new QGroupBox(tr("Series "), this);
  seriesBox->setObjectName("grbSeries");
  auto* seriesLayout = new QHBoxLayout(seriesBox);
  series_ = new BarChart(seriesBox);
  series_->setObjectName("grafSeries");
  auto* seriesLabels = new QVBoxLayout;
  seriesWon_ = new QLabel(seriesBox);
  seriesWon_->setObjectName("lblSerWon");
  seriesLost_ = new QLabel(seriesBox);
  seriesLost_->setObjectName("lblSerLost");
  lblSerCur_ = new QLabel(seriesBox);
  lblSerCur_->setObjectName("lblSerCur");
  seriesLabels->addWidget(seriesWon_);
  seriesLabels->addWidget(seriesLost_);
  seriesLabels->addSpacing(8);
  seriesLabels->addWidget(lblSerCur_);
  seriesLabels->addStretch();
  seriesLayout->addWidget(series_, 1);
  seriesLayout->addLayout(seriesLabels);
  left->addWidget(seriesBox, 1);
  layout->addLayout(left, 1);

  auto* column = new QVBoxLayout;
  connect(addButton(*column, this, tr("O&verall score..."), "btnOverall"), &QPushButton::clicked, this,
          &TfrmStatistics::openOverall);
  connect(addButton(*column, this, tr("Log s&tatistics"), "btnLog"), &QPushButton::clicked, this,
          &TfrmStatistics::openLog);
  connect(addButton(*column, this, tr("Pla&yers statistics..."), "btnPlayers"), &QPushButton::clicked, this,
          &TfrmStatistics::openPlayers);
  connect(addButton(*column, this, tr("A&ll games..."), "btnAllGames"), &QPushButton::clicked, this,
          &TfrmStatistics::openAllGames);
  btnHiScores_ = addButton(*column, this, tr("  &Hi-Scores..."), "btnHiScores");
  btnHiScores_->setEnabled(static_cast<bool>(host_.hiScores()));
  connect(btnHiScores_, &QPushButton::clicked, this, &TfrmStatistics::openHiScores);
  column->addStretch();
  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  addHelpButton(*buttons, kStatisticsHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  column->addWidget(buttons);
  layout->addLayout(column);

  auto* clear = new QAction(tr("Clear statistics..."), this);
  clear->setObjectName("mnuClearStatistics");
  connect(clear, &QAction::triggered, this, &TfrmStatistics::clearStatistics);
  addAction(clear);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

int TfrmStatistics::selectedGame() const { return chosenGame(*cboGames_).value_or(-1); }

std::string TfrmStatistics::selectedPlayer() const { return chosenName(*cboPlayers_).value_or(std::string()); }

void TfrmStatistics::showValues() {
  const int game = selectedGame();
  const std::string player = selectedPlayer();
  setWindowTitle(QStringLiteral("Statistics [%1]").arg(cboGames_->currentText()));
  const StatisticsFiles files = host_.statisticsFiles();
  const PlayerGameStats stats = readPlayerGameStats(files, game, player);
  total_->setGames(stats.won, stats.lost);
  const SessionCounts session = sessionCounts(host_.config(), game, player);
  session_->setGames(session.won, session.lost);
  showSeries(stats);
}

void TfrmStatistics::showSeries(const PlayerGameStats& stats) {
  const long long won = stats.longestWinningStreak;
  const long long lost = stats.longestLosingStreak;
  series_->setBars({{QStringLiteral("Won"), won, kWonColour}, {QStringLiteral("Lost"), lost, kLostColour}});
  const bool any = won + lost > 0;
  seriesWon_->setText(QStringLiteral("Won: ") + (any ? QStringLiteral("%1 %2").arg(won).arg(wonPercentText(won, lost))
                                                     : QString()));
  seriesLost_->setText(QStringLiteral("Lost: ") +
                       (any ? QStringLiteral("%1 %2").arg(lost).arg(lostPercentText(won, lost)) : QString()));
  lblSerCur_->setText(currentStreakText(stats.currentWinningStreak, stats.currentLosingStreak));
}

void TfrmStatistics::closeWhenGameStarted(int result) {
  if (result == kGameStartedResult) done(kGameStartedResult);
}

void TfrmStatistics::openOverall() { closeWhenGameStarted(showOverallScore(host_, this)); }

void TfrmStatistics::openLog() {
  TfrmStatisLog dialog(host_, std::nullopt, std::nullopt, this);
  host_.runDialog(dialog);
}

void TfrmStatistics::openPlayers() {
  TfrmStatisOperat dialog(host_, selectedGame(), this);
  host_.runDialog(dialog);
}

void TfrmStatistics::openAllGames() {
  TfrmStatisGiochi dialog(host_, selectedPlayer(), this);
  host_.runDialog(dialog);
}

void TfrmStatistics::openHiScores() {
  if (const auto hiScores = host_.hiScores()) hiScores(this, selectedGame());
}

void TfrmStatistics::clearStatistics() {
  TfrmStatisCanc dialog(host_, this);
  host_.runDialog(dialog);
  showValues();
}

}  // namespace kes
