#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "datafiles/game_folders.h"

class QAction;
class QMenu;

namespace kes {

class ResourceLibrary;

// The "Favorite games" submenu at the end of the "&Game" menu: one item
// per favourite game, with its category's picture; clicking one starts it.
class FavouritesMenu {
 public:
  using Start = std::function<void(int game)>;
  using Message = std::function<void(const QString&)>;

  FavouritesMenu(QMenu& gameMenu, const ResourceLibrary& library, Start start, Message message);

  // Removes what the last build added; with at least one favourite, adds a
  // separator and the submenu.
  void rebuild(const std::vector<FolderGame>& favourites);
  QMenu* submenu() const { return submenu_; }

 private:
  QMenu& gameMenu_;
  const ResourceLibrary& library_;
  Start start_;
  Message message_;
  QAction* separator_ = nullptr;
  QMenu* submenu_ = nullptr;
};

}  // namespace kes
