#include "selection/favourites_menu.h"

#include <QAction>
#include <QMenu>

#include "display/resources/resource_library.h"
#include "selection/tree_pictures.h"

namespace kes {

FavouritesMenu::FavouritesMenu(QMenu& gameMenu, const ResourceLibrary& library, Start start, Message message)
    : gameMenu_(gameMenu), library_(library), start_(std::move(start)), message_(std::move(message)) {}

void FavouritesMenu::rebuild(const std::vector<FolderGame>& favourites) {
  if (separator_) gameMenu_.removeAction(separator_);
  delete separator_;
  separator_ = nullptr;
  if (submenu_) gameMenu_.removeAction(submenu_->menuAction());
  delete submenu_;
  submenu_ = nullptr;
  if (favourites.empty()) return;
  separator_ = gameMenu_.addSeparator();
  submenu_ = new QMenu(QStringLiteral("Favorite games"), &gameMenu_);
  submenu_->setObjectName("mnuFavorites");
  submenu_->setIcon(QIcon(library_.picture(QStringLiteral("S_TREE2"))));
  for (const FolderGame& game : favourites) {
    QAction* item = submenu_->addAction(categoryMenuPicture(library_, game.category, message_),
                                        QString::fromStdString(game.name));
    const int number = game.number;
    QObject::connect(item, &QAction::triggered, submenu_, [this, number] { start_(number); });
  }
  gameMenu_.addMenu(submenu_);
}

}  // namespace kes
