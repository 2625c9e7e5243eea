#include "stats/frm_statis_giochi.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "stats/statistics_host.h"
#include "stats/stats_choices.h"
#include "stats/stats_grid.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_messages.h"

namespace kes {

TfrmStatisGiochi::TfrmStatisGiochi(StatisticsHost& host, const std::string& player, QWidget* parent)
    : QDialog(parent), host_(host), games_(host.games()) {
  setObjectName("frmStatisGiochi");
  setWindowTitle(tr("All games statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  cboOperatore_ = new QComboBox(this);
  cboOperatore_->setObjectName("cboOperatore");
  auto* label = new QLabel(tr("&Player:"), this);
  label->setBuddy(cboOperatore_);
  top->addWidget(label);
  top->addWidget(cboOperatore_, 1);
  auto* type = new QGroupBox(tr("Statistics values: "), this);
  type->setObjectName("rgbType");
  auto* typeLayout = new QHBoxLayout(type);
  rgbType_ = new QButtonGroup(this);
  const char* captions[] = {"&Total", "&Current session", "&Series"};
  for (int i = 0; i < 3; ++i) {
    auto* button = new QRadioButton(tr(captions[i]), type);
    rgbType_->addButton(button, i);
    typeLayout->addWidget(button);
  }
  rgbType_->button(0)->setChecked(true);
  top->addWidget(type);
  layout->addLayout(top);
  stgGiochi_ = makeGrid(this, "stgGiochi", {tr("Game"), tr("Won"), tr("Lost"), tr("Percent")}, 0);
  layout->addWidget(stgGiochi_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setObjectName("btnOK");
  addHelpButton(*buttons, kAllGamesStatisticsHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(560, 520);

  fillChoices(*cboOperatore_, playerChoices(host_), std::nullopt, QString::fromStdString(player));
  connect(cboOperatore_, &QComboBox::currentIndexChanged, this, &TfrmStatisGiochi::showValues);
  connect(rgbType_, &QButtonGroup::idClicked, this, &TfrmStatisGiochi::showValues);
  showValues();
}

void TfrmStatisGiochi::setValues(StatValues kind) {
  rgbType_->button(static_cast<int>(kind))->setChecked(true);
  showValues();
}

StatValues TfrmStatisGiochi::values() const { return static_cast<StatValues>(std::max(0, rgbType_->checkedId())); }

void TfrmStatisGiochi::showValues() {
  const StatisticsFiles files = host_.statisticsFiles();
  const auto table = readStatTable(files);
  if (!table) {
    beginFilling(*stgGiochi_, 0);
    endFilling(*stgGiochi_);
    tellUser(host_, this, QString::fromUtf8(kOpenError) + QString::fromStdString(files.stat().string()));
    return;
  }
  const std::string player = chosenName(*cboOperatore_).value_or(std::string());
  const auto rows = allGamesRows(*table, games_, player, values(), host_.config());
  beginFilling(*stgGiochi_, static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const GameStatRow& row = rows[static_cast<std::size_t>(r)];
    setCell(*stgGiochi_, r, 0, QString::fromStdString(row.game));
    setCell(*stgGiochi_, r, 1, QString::number(row.first), static_cast<double>(row.first));
    setCell(*stgGiochi_, r, 2, QString::number(row.second), static_cast<double>(row.second));
    const auto percent = wonPercent(row.first, row.second);
    setCell(*stgGiochi_, r, 3, QString::fromStdString(row.percent), percent ? *percent : -1.0);
  }
  endFilling(*stgGiochi_);
}

}  // namespace kes
