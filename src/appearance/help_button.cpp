#include "appearance/help_button.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include "app/help/help_request.h"

namespace kes {

QPushButton* addHelpButton(QDialogButtonBox& buttons, int topic) {
  QPushButton* help = buttons.addButton(QStringLiteral("&?"), QDialogButtonBox::HelpRole);
  help->setObjectName("btnHelp");
  connectHelpButton(*help, topic);
  return help;
}

void connectHelpButton(QPushButton& help, int topic) {
  help.setProperty("helpTopic", topic);
  help.setEnabled(helpTopicsAvailable());
  QObject::connect(&help, &QPushButton::clicked, &help, [topic] { requestHelpTopic(topic); });
}

}  // namespace kes
