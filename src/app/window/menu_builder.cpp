#include "app/window/menu_builder.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "datafiles/product_title.h"

namespace kes {

namespace {

QMenu* parentMenu(const QHash<QString, QMenu*>& menus, const MenuEntry& entry) {
  return menus.value(QString::fromLatin1(entry.parent), nullptr);
}

QMenu* addSubmenu(QMenuBar& bar, QMenu* parent, const MenuEntry& entry) {
  const QString caption = menuCaption(entry.caption);
  QMenu* menu = parent ? parent->addMenu(caption) : bar.addMenu(caption);
  menu->setObjectName(QString::fromLatin1(entry.name));
  menu->menuAction()->setObjectName(QString::fromLatin1(entry.name));
  return menu;
}

QAction* addItem(QMenu& menu, const MenuEntry& entry) {
  QAction* action = menu.addAction(menuCaption(entry.caption));
  action->setObjectName(QString::fromLatin1(entry.name));
  if (*entry.shortcut != '\0')
    action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut), QKeySequence::PortableText));
  return action;
}

}  // namespace

QString menuCaption(const char* caption) { return QString::fromStdString(expandProductTitle(caption)); }

MenuActions buildMainMenu(QMenuBar& bar, std::span<const MenuEntry> table) {
  QHash<QString, QMenu*> menus;
  MenuActions actions;
  for (const MenuEntry& entry : table) {
    QMenu* parent = parentMenu(menus, entry);
    QAction* action = nullptr;
    if (entry.kind == MenuKind::Menu) {
      QMenu* menu = addSubmenu(bar, parent, entry);
      menus.insert(QString::fromLatin1(entry.name), menu);
      action = menu->menuAction();
    } else if (parent && entry.kind == MenuKind::Separator) {
      parent->addSeparator()->setObjectName(QString::fromLatin1(entry.name));
      continue;
    } else if (parent) {
      action = addItem(*parent, entry);
    } else {
      continue;
    }
    action->setVisible(entry.visible);
    action->setEnabled(entry.laterFeature == nullptr);
    actions.insert(QString::fromLatin1(entry.name), action);
  }
  return actions;
}

QMenu* buildPopupMenu(const QString& name, std::span<const PopupEntry> table, QWidget* parent,
                      MenuActions& actions) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(name);
  for (const PopupEntry& entry : table) {
    if (name != QLatin1String(entry.menu)) continue;
    QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
    action->setObjectName(QString::fromLatin1(entry.name));
    actions.insert(action->objectName(), action);
  }
  return menu;
}

}  // namespace kes
