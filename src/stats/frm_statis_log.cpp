#include "stats/frm_statis_log.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "datafiles/game_log.h"
#include "datafiles/statistics_views.h"
#include "stats/game_log_model.h"
#include "stats/statistics_host.h"
#include "stats/stats_choices.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_messages.h"

namespace kes {

TfrmStatisLog::TfrmStatisLog(StatisticsHost& host, const std::optional<std::string>& gameName,
                             const std::optional<std::string>& player, QWidget* parent)
    : QDialog(parent), host_(host), model_(new GameLogModel(this)) {
  setObjectName("frmStatisLog");
  setWindowTitle(tr("Log statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* choices = new QGridLayout;
  const PlayerAndGameBoxes boxes = makePlayerAndGameBoxes(this);
  cboPlayers_ = boxes.players;
  cboGames_ = boxes.games;
  choices->addWidget(boxes.playerLabel, 0, 0);
  choices->addWidget(cboPlayers_, 0, 1);
  choices->addWidget(boxes.gameLabel, 0, 2);
  choices->addWidget(cboGames_, 0, 3);
  choices->setColumnStretch(1, 1);
  choices->setColumnStretch(3, 2);
  layout->addLayout(choices);
  stgLog_ = new QTableView(this);
  stgLog_->setObjectName("stgLog");
  stgLog_->setModel(model_);
  stgLog_->setSelectionBehavior(QAbstractItemView::SelectRows);
  stgLog_->setSelectionMode(QAbstractItemView::SingleSelection);
  stgLog_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  stgLog_->setAlternatingRowColors(true);
  stgLog_->setTabKeyNavigation(false);
  stgLog_->verticalHeader()->setVisible(false);
  stgLog_->verticalHeader()->setDefaultSectionSize(stgLog_->fontMetrics().height() + 6);
  stgLog_->horizontalHeader()->setStretchLastSection(true);
  stgLog_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  stgLog_->setSortingEnabled(true);
  const int digit = stgLog_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
  const int widths[] = {11, 6, 8, 24, 5, 7, 16, 16};
  for (int c = 0; c < 8; ++c) stgLog_->setColumnWidth(c, widths[c] * digit + 12);
  layout->addWidget(stgLog_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName("btnOK");
  addHelpButton(*buttons, kLogStatisticsHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(900, 560);

  const QString all = QString::fromLatin1(kAllPlayers);
  fillChoices(*cboPlayers_, playerChoices(host_), all, player ? QString::fromStdString(*player) : all);
  std::vector<std::string> names;
  for (const GameChoice& g : host_.games()) names.push_back(g.name);
  const QString allGames = QString::fromLatin1(kAllGames);
  fillChoices(*cboGames_, names, allGames, gameName ? QString::fromStdString(*gameName) : allGames);

  const StatisticsFiles files = host_.statisticsFiles();
  auto log = GameLogText::read(files);
  if (!log) tellUser(host_, this, QString::fromUtf8(kOpenError) + QString::fromStdString(files.log().string()));
  log_ = std::make_shared<const GameLogText>(log ? std::move(*log) : GameLogText{});
  model_->setLog(log_);
  connect(cboPlayers_, &QComboBox::currentIndexChanged, this, &TfrmStatisLog::showRows);
  connect(cboGames_, &QComboBox::currentIndexChanged, this, &TfrmStatisLog::showRows);
  showRows();
}

TfrmStatisLog::~TfrmStatisLog() = default;

void TfrmStatisLog::showRows() {
  stgLog_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  model_->setRows(filteredGameLog(*log_, chosenName(*cboGames_), chosenName(*cboPlayers_)));
}

}  // namespace kes
