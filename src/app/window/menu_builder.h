#pragma once

#include <QHash>
#include <QString>
#include <span>

#include "app/window/menu_table.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kes {

// The actions of a built menu by object name.
using MenuActions = QHash<QString, QAction*>;

// The caption as shown: the product title put in for its placeholders.
QString menuCaption(const char* caption);

// Builds the main menu from its table into the bar. Submenus and their
// actions carry the entry's object name; items of a later feature start
// disabled, hidden entries stay invisible.
MenuActions buildMainMenu(QMenuBar& bar, std::span<const MenuEntry> table);

// Builds one popup menu (all entries of the table naming it) owned by parent.
QMenu* buildPopupMenu(const QString& name, std::span<const PopupEntry> table, QWidget* parent,
                      MenuActions& actions);

}  // namespace kes
