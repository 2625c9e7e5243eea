#include "stats/frm_statis_canc.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "datafiles/config_record.h"
#include "datafiles/hi_score_file.h"
#include "datafiles/statistics_clearing.h"
#include "stats/statistics_host.h"
#include "stats/stats_choices.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_messages.h"

namespace kes {

TfrmStatisCanc::TfrmStatisCanc(StatisticsHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("frmStatisCanc");
  setWindowTitle(tr("Clear statistics"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  cboPlayers_ = new QComboBox(this);
  cboPlayers_->setObjectName("cboPlayers");
  cboGames_ = new QComboBox(this);
  cboGames_->setObjectName("cboGames");
  cboGames_->setMaxVisibleItems(20);
  form->addRow(tr("For player:"), cboPlayers_);
  form->addRow(tr("For game:"), cboGames_);
  layout->addLayout(form);
  auto* note = new QLabel(tr("Select (All players) and (All games) to delete all statistics."), this);
  note->setWordWrap(true);
  layout->addWidget(note);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("btnOK");
  ok->setAutoDefault(false);
  QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName("btnAnnulla");
  cancel->setDefault(true);
  addHelpButton(*buttons, kClearStatisticsHelpTopic);
  connect(ok, &QPushButton::clicked, this, &TfrmStatisCanc::clearChosen);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(460, sizeHint().height());

  fillChoices(*cboPlayers_, playerChoices(host_), QString::fromLatin1(kAllPlayers),
              QString::fromStdString(currentPlayer(host_)));
  fillGameChoices(*cboGames_, host_.games(), QString::fromLatin1(kAllGames), currentGame(host_));
}

void TfrmStatisCanc::clearChosen() {
  const QString question = QStringLiteral("Are you sure you want to clear statistics for player: ") +
                           cboPlayers_->currentText() + QStringLiteral("\r") + QStringLiteral("for game:") +
                           QStringLiteral(" ") + cboGames_->currentText() + QStringLiteral("?");
  if (!askYesNo(host_, this, question)) return;
  const std::optional<int> game = chosenGame(*cboGames_);
  const std::optional<std::string> player = chosenName(*cboPlayers_);
  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  clearStatistics(files, game, player);
  if (!game || !player || *game == currentGame(host_)) host_.config().resetCurrentCounters();
  tellUser(host_, this, tr("Statistics cleared."));
  accept();
}

TfrmClearValues::TfrmClearValues(StatisticsHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName("frmClearValues");
  setWindowTitle(tr("Clear values"));
  auto* layout = new QVBoxLayout(this);
  const auto addGroup = [this, layout](const QString& title, const QString& text, const QString& name) {
    auto* group = new QGroupBox(title, this);
    auto* row = new QHBoxLayout(group);
    auto* button = new QPushButton(tr("Clear..."), group);
    button->setObjectName(name);
    button->setAutoDefault(false);
    auto* label = new QLabel(text, group);
    label->setBuddy(button);
    row->addWidget(label, 1);
    row->addWidget(button);
    layout->addWidget(group);
    return button;
  };
  connect(addGroup(tr("Clear statistics"), tr("Click this button to clear &statistics:"), "btnClearStatistics"),
          &QPushButton::clicked, this, &TfrmClearValues::clearStatistics);
  connect(addGroup(tr("Clear Hi-Scores"), tr("Clic&k this button to clear Hi-Scores and Overall score:"),
                   "btnClearHiScores"),
          &QPushButton::clicked, this, &TfrmClearValues::clearHiScores);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
  close->setObjectName("btnOK");
  close->setDefault(true);
  addHelpButton(*buttons, kClearValuesHelpTopic);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TfrmClearValues::clearStatistics() {
  TfrmStatisCanc dialog(host_, this);
  host_.runDialog(dialog);
}

void TfrmClearValues::clearHiScores() {
  if (!askYesNo(host_, this, QString::fromUtf8(kClearHiScoresQuestion))) return;
  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  if (kes::clearHiScores(files)) tellUser(host_, this, tr("Hi-Scores cleared."));
}

}  // namespace kes
