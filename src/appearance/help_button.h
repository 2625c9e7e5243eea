#pragma once

class QDialogButtonBox;

namespace kes {

// The dialog's "&?" button for its help topic. The help viewer is still to
// come, so the button stays disabled until it can show the topic.
void addHelpButton(QDialogButtonBox& buttons, int topic);

}  // namespace kes
