#include "app/window/tournament_dialogs.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help/help_topics.h"
#include "appearance/help_button.h"

namespace kes {

TournamentPlaceholderDialog::TournamentPlaceholderDialog(const QString& objectName, const QString& caption,
                                                         int helpTopic, QWidget* parent)
    : QDialog(parent) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  addHelpButton(*buttons, helpTopic);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addStretch();
  layout->addWidget(buttons);
  resize(360, 200);
}

TournamentPlaceholderDialog* makeTournamentManagerDialog(QWidget* parent) {
  return new TournamentPlaceholderDialog("frmTournamentManager", "Tournament manager",
                                         HelpTopic::kTournamentManager, parent);
}

TournamentPlaceholderDialog* makePlayTournamentDialog(QWidget* parent) {
  return new TournamentPlaceholderDialog("frmPlayTournament", "Play tournament", HelpTopic::kPlayTournament,
                                         parent);
}

}  // namespace kes
