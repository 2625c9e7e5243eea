#include "app/help/help_wiring.h"

#include <QAction>

#include "app/help/help_request.h"
#include "app/help/rules_help.h"
#include "app/main_window.h"

namespace kes {

void connectRulesHelp(TfrmMain& window, RulesHelp& help) {
  if (!help.available()) return;
  if (QAction* rules = window.menuAction("mnuRules"))
    QObject::connect(rules, &QAction::triggered, &help, [&help] { help.showGameRules(-1); });
  if (QAction* contents = window.menuAction("Sommario1"))
    QObject::connect(contents, &QAction::triggered, &help, [&help] { help.showContents(); });
  setHelpTopicHandler(&help, [&help](int topic) { help.showTopic(topic); });
  window.provideFeature("rules help");
}

}  // namespace kes
