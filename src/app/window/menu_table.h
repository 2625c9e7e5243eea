#pragma once

#include <span>

namespace kes {

enum class MenuKind { Menu, Item, Separator };

// One entry of the main menu, as data. Captions keep their & marker and the
// "[Program]" placeholders; the builder expands them.
struct MenuEntry {
  MenuKind kind;
  const char* name;      // object name of the item (and of its submenu)
  const char* parent;    // owning menu, "" for the menu bar
  const char* caption;
  const char* shortcut;  // portable key text, "" for none
  bool visible;          // false: never shown
  bool gameCommand;      // follows SetGameCommandsEnabled
  // The feature that is still to come and will enable the item; nullptr when
  // the item works now. Such items are shown but disabled.
  const char* laterFeature;
};

// Every entry of the main menu in menu order, parents before their items.
std::span<const MenuEntry> mainMenuTable();

// One item of the window's popup menus.
struct PopupEntry {
  const char* menu;  // "popTB", "popTime", "popScore"
  const char* name;
  const char* caption;
};

std::span<const PopupEntry> popupMenuTable();

}  // namespace kes
