#include "appearance/help_button.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace kes {

void addHelpButton(QDialogButtonBox& buttons, int topic) {
  QPushButton* help = buttons.addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
  help->setObjectName("btnHelp");
  help->setProperty("helpTopic", topic);
  help->setEnabled(false);
}

}  // namespace kes
