#pragma once

class QDialogButtonBox;
class QPushButton;

namespace kes {

// The dialog's "&?" button, which shows its help topic. Where the program
// has no help to show, the button stays disabled.
QPushButton* addHelpButton(QDialogButtonBox& buttons, int topic);
// The same for a "&?" button the dialog lays out itself.
void connectHelpButton(QPushButton& help, int topic);

}  // namespace kes
