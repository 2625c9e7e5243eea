#pragma once

class QDialogButtonBox;
class QPushButton;

namespace kes {

// The dialog's "&?" button, which shows its help topic. Where the program
// has no help to show, the button stays disabled.
QPushButton* addHelpButton(QDialogButtonBox& buttons, int topic);

}  // namespace kes
