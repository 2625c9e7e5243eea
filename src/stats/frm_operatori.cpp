#include "stats/frm_operatori.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "appearance/help_button.h"
#include "datafiles/config_record.h"
#include "datafiles/player_name.h"
#include "datafiles/settings_file.h"
#include "datafiles/statistics_clearing.h"
#include "stats/statistics_host.h"
#include "stats/stats_choices.h"
#include "stats/stats_help_topics.h"
#include "stats/stats_messages.h"

namespace kes {

namespace {

QPushButton* addButton(QVBoxLayout& column, QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  column.addWidget(button);
  return button;
}

}  // namespace

TfrmOperatori2::TfrmOperatori2(Purpose purpose, const QString& name, QWidget* parent) : QDialog(parent) {
  setObjectName("frmOperatori2");
  setWindowTitle(purpose == Purpose::Add ? tr("Add a player") : tr("Edit a player"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(tr("&Player name: "), this);
  auto* groupLayout = new QVBoxLayout(group);
  edtOperatore_ = new QLineEdit(name, group);
  edtOperatore_->setObjectName("edtOperatore");
  edtOperatore_->setMaxLength(static_cast<int>(kPlayerNameLength));
  edtOperatore_->selectAll();
  groupLayout->addWidget(edtOperatore_);
  layout->addWidget(group);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName("btnAnnulla");
  addHelpButton(*buttons, purpose == Purpose::Add ? kAddPlayerHelpTopic : kEditPlayerHelpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  setMinimumWidth(360);
}

QString TfrmOperatori2::name() const { return edtOperatore_->text(); }

TfrmOperatori::TfrmOperatori(StatisticsHost& host, QWidget* parent)
    : QDialog(parent), host_(host), roster_({}), playerAtOpen_(currentPlayer(host)) {
  setObjectName("frmOperatori");
  setWindowTitle(tr("Players"));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  lboOperatori_ = new QListWidget(this);
  lboOperatori_->setObjectName("lboOperatori");
  auto* label = new QLabel(tr("&Select a player:"), this);
  label->setObjectName("Label1");
  label->setBuddy(lboOperatori_);
  left->addWidget(label);
  left->addWidget(lboOperatori_, 1);
  layout->addLayout(left, 1);
  auto* column = new QVBoxLayout;
  btnOK_ = addButton(*column, this, tr("Select"), "btnOK");
  btnOK_->setDefault(true);
  QPushButton* cancel = addButton(*column, this, tr("Cancel"), "btnAnnulla");
  auto* help = new QDialogButtonBox(Qt::Vertical, this);
  addHelpButton(*help, kPlayersHelpTopic);
  column->addWidget(help);
  column->addSpacing(12);
  QPushButton* add = addButton(*column, this, tr(" &New"), "btnNuovo");
  btnModifica_ = addButton(*column, this, tr("&Edit"), "btnModifica");
  btnCancella_ = addButton(*column, this, tr("&Delete"), "btnCancella");
  column->addStretch();
  layout->addLayout(column);
  resize(380, 320);

  connect(btnOK_, &QPushButton::clicked, this, &TfrmOperatori::selectPlayer);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(add, &QPushButton::clicked, this, &TfrmOperatori::newPlayer);
  connect(btnModifica_, &QPushButton::clicked, this, &TfrmOperatori::editPlayer);
  connect(btnCancella_, &QPushButton::clicked, this, &TfrmOperatori::deletePlayer);
  connect(lboOperatori_, &QListWidget::itemSelectionChanged, this, &TfrmOperatori::updateButtons);
  connect(lboOperatori_, &QListWidget::itemDoubleClicked, this, &TfrmOperatori::selectPlayer);

  if (SettingsFile* settings = host_.settings()) roster_ = PlayerRoster(storedPlayers(settings->readAll()));
  showList(playerAtOpen_);
}

void TfrmOperatori::showList(const std::string& selected) {
  lboOperatori_->clear();
  for (const std::string& name : roster_.names()) lboOperatori_->addItem(QString::fromStdString(name));
  if (const auto i = roster_.indexOf(selected)) lboOperatori_->setCurrentRow(static_cast<int>(*i));
  updateButtons();
}

std::optional<std::string> TfrmOperatori::selectedName() const {
  const QListWidgetItem* item = lboOperatori_->currentItem();
  if (!item || !item->isSelected()) return std::nullopt;
  return item->text().toStdString();
}

void TfrmOperatori::updateButtons() {
  const bool selected = selectedName().has_value();
  btnOK_->setEnabled(selected);
  btnModifica_->setEnabled(selected);
  btnCancella_->setEnabled(selected);
}

void TfrmOperatori::selectPlayer() {
  const auto name = selectedName();
  if (!name) {
    tellUser(host_, this, QString::fromLatin1(kSelectAPlayer));
    return;
  }
  const bool changed = *name != playerAtOpen_;
  if (changed) {
    const QString question = QStringLiteral("Start new game for player") + QStringLiteral(" ") +
                             QString::fromStdString(*name) + QStringLiteral("?");
    if (!host_.confirmAbandon(question)) return;
    // The game in progress belongs to the player who played it.
    ConfigRecord& config = host_.config();
    config.put(Field::PlayerName, playerAtOpen_);
    host_.recordGameInProgress();
    config.resetCurrentCounters();
    config.put(Field::PlayerName, *name);
  }
  closeRestores_ = false;
  playerChanged_ = changed;
  save(*name);
  accept();
}

void TfrmOperatori::done(int result) {
  if (closeRestores_) {
    closeRestores_ = false;
    save(playerAtOpen_);
  }
  QDialog::done(result);
}

void TfrmOperatori::save(const std::string& player) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  host_.config().put(Field::PlayerName, player);
  if (SettingsFile* settings = host_.settings()) {
    if (listChanged_) settings->writeStrings(kUsersSection, userEntries(roster_.names()));
    settings->writeString("Preference", Field::PlayerName.preferenceKey, player);
  }
  host_.updateCaption();
  QApplication::restoreOverrideCursor();
}

std::optional<std::string> TfrmOperatori::askName(TfrmOperatori2::Purpose purpose, const std::string& name) {
  QString entered = QString::fromStdString(name);
  for (;;) {
    TfrmOperatori2 dialog(purpose, entered, this);
    if (host_.runDialog(dialog) != QDialog::Accepted) return std::nullopt;
    entered = dialog.name();
    const std::string text = entered.toStdString();
    const auto refusal =
        purpose == TfrmOperatori2::Purpose::Add ? roster_.refusalOfNew(text) : roster_.refusalOfRename(name, text);
    if (!refusal) return enteredPlayerName(text);
    tellUser(host_, this, QString::fromUtf8(refusal->data(), static_cast<qsizetype>(refusal->size())));
  }
}

void TfrmOperatori::newPlayer() {
  const auto name = askName(TfrmOperatori2::Purpose::Add, {});
  if (!name) return;
  listChanged_ = true;
  roster_.add(*name);
  showList(*name);
}

void TfrmOperatori::editPlayer() {
  const auto old = selectedName();
  if (!old) return;
  const auto name = askName(TfrmOperatori2::Purpose::Edit, *old);
  if (!name) return;
  listChanged_ = true;
  roster_.rename(*old, *name);
  if (*old == playerAtOpen_) playerAtOpen_ = *name;
  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  renamePlayerInStatistics(files, *old, *name);
  showList(*name);
}

void TfrmOperatori::deletePlayer() {
  const auto name = selectedName();
  if (!name) return;
  // The current player, under the name the dialog may have given it.
  if (*name == playerAtOpen_) {
    tellUser(host_, this, QString::fromLatin1(kCannotDeletePlayer));
    return;
  }
  if (!warnOkCancel(host_, this, QString::fromLatin1(kDeletePlayerQuestion))) return;
  listChanged_ = true;
  DialogMessageSink sink(host_, this);
  StatisticsFiles files = host_.statisticsFiles();
  files.messages = &sink;
  clearStatistics(files, std::nullopt, *name);
  roster_.remove(*name);
  showList(roster_.names().empty() ? std::string() : roster_.names().front());
}

void TfrmOperatori::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    if (selectedName()) deletePlayer();
    return;
  }
  if (event->key() == Qt::Key_Insert) {
    newPlayer();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kes
