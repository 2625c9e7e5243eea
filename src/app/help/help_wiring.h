#pragma once

namespace kes {

class RulesHelp;
class TfrmMain;

// The window's help commands: "&Rules" (F1, and the toolbar's Rules
// button), "&Contents" and the dialogs' "&?" buttons. Without an installed
// help file they stay disabled.
void connectRulesHelp(TfrmMain& window, RulesHelp& help);

}  // namespace kes
