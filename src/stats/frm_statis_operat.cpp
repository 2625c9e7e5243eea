#include "stats/frm_statis_operat.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "appearance/help_button.h"
#include "stats/bar_chart.h"
#include "stats/statistics_host.h"
#include "stats/stats_choices.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_messages.h"

namespace kes {

namespace {

constexpr std::size_t kBarsShown = 5;

// The best player's bar first.
const std::array<QColor, kBarsShown> kBarColours{QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 0, 0),
                                                 QColor(0, 160, 0), QColor(255, 255, 255)};

}  // namespace

TfrmStatisOperat::TfrmStatisOperat(StatisticsHost& host, int game, QWidget* parent)
    : QDialog(parent), host_(host), games_(host.games()) {
  setObjectName("frmStatisOperat");
  setWindowTitle(tr("Players statistics"));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  lsbGames_ = new QListWidget(this);
  lsbGames_->setObjectName("lsbGames");
  auto* label = new QLabel(tr("&Game:"), this);
  label->setBuddy(lsbGames_);
  left->addWidget(label);
  left->addWidget(lsbGames_, 1);
  layout->addLayout(left);
  auto* right = new QVBoxLayout;
  auto* type = new QGroupBox(tr("Series values "), this);
  type->setObjectName("rgbTypeVal");
  auto* typeLayout = new QHBoxLayout(type);
  rgbTypeVal_ = new QButtonGroup(this);
  auto* percent = new QRadioButton(tr("% Games &won"), type);
  auto* average = new QRadioButton(tr("&Average score"), type);
  rgbTypeVal_->addButton(percent, static_cast<int>(PlayerValue::WonPercent));
  rgbTypeVal_->addButton(average, static_cast<int>(PlayerValue::AverageScore));
  percent->setChecked(true);
  typeLayout->addWidget(percent);
  typeLayout->addWidget(average);
  right->addWidget(type);
  grafPlayer_ = new BarChart(this);
  grafPlayer_->setObjectName("grafPlayer");
  grafPlayer_->setMinimumSize(360, 240);
  right->addWidget(grafPlayer_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName("btnOK");
  addHelpButton(*buttons, kPlayersStatisticsHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  right->addWidget(buttons);
  layout->addLayout(right, 1);
  resize(720, 420);

  for (const GameChoice& g : games_) {
    auto* item = new QListWidgetItem(QString::fromStdString(g.name), lsbGames_);
    item->setData(Qt::UserRole, g.number);
    if (g.number == game) lsbGames_->setCurrentItem(item);
  }
  if (!lsbGames_->currentItem() && lsbGames_->count() > 0) lsbGames_->setCurrentRow(0);
  connect(lsbGames_, &QListWidget::currentRowChanged, this, &TfrmStatisOperat::showValues);
  connect(rgbTypeVal_, &QButtonGroup::idClicked, this, &TfrmStatisOperat::showValues);
  showValues();
}

void TfrmStatisOperat::setValue(PlayerValue kind) {
  rgbTypeVal_->button(static_cast<int>(kind))->setChecked(true);
  showValues();
}

void TfrmStatisOperat::showValues() {
  const StatisticsFiles files = host_.statisticsFiles();
  const auto table = readStatTable(files);
  if (!table) {
    grafPlayer_->setBars({});
    tellUser(host_, this, QString::fromUtf8(kOpenError) + QString::fromStdString(files.stat().string()));
    return;
  }
  const QListWidgetItem* item = lsbGames_->currentItem();
  const int game = item ? item->data(Qt::UserRole).toInt() : -1;
  const auto kind = static_cast<PlayerValue>(std::max(0, rgbTypeVal_->checkedId()));
  const auto standings = playerStandings(*table, game, playerChoices(host_), kind);
  std::vector<ChartBar> bars;
  for (std::size_t i = 0; i < standings.size() && i < kBarsShown; ++i)
    bars.push_back({QString::fromStdString(standings[i].player), standings[i].value, kBarColours[i]});
  grafPlayer_->setBars(std::move(bars));
}

}  // namespace kes
