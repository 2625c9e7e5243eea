#pragma once

#include <QDialog>

namespace kes {

// The tournament dialogs are placeholders: OK and Cancel only close them.
// Their "&?" button waits for the help system and stays disabled.
class TournamentPlaceholderDialog : public QDialog {
  Q_OBJECT

 public:
  TournamentPlaceholderDialog(const QString& objectName, const QString& caption, int helpTopic, QWidget* parent);
};

TournamentPlaceholderDialog* makeTournamentManagerDialog(QWidget* parent);
TournamentPlaceholderDialog* makePlayTournamentDialog(QWidget* parent);

}  // namespace kes
