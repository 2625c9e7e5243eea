#include "selection/tree_pictures.h"

#include <array>

#include "datafiles/game_categories.h"
#include "datafiles/game_folders.h"
#include "display/resources/resource_library.h"

namespace kes {

namespace {

struct Picture {
  int index;
  const char* name;
};

constexpr std::array kPictures{
    Picture{kClosedFolderPicture, "TREE1"},
    Picture{kOpenFolderPicture, "TREE2"},
    Picture{kPlaceholderPicture, "N_TREE3"},
    Picture{11, "TREE5_CANFIELD_TYPE"},
    Picture{12, "TREE5_FAN_TYPE"},
    Picture{13, "TREE5_FORTYTHIEVES_TYPE"},
    Picture{14, "TREE5_FREECELL_TYPE"},
    Picture{15, "TREE5_KLONDIKE_TYPE"},
    Picture{16, "TREE5_PAIRING_TYPE"},
    Picture{17, "TREE5_SIMPLEGAMES_TYPE"},
    Picture{18, "TREE5_SPIDER_TYPE"},
    Picture{19, "TREE5_1DECK_TYPE"},
    Picture{20, "TREE5_2DECK_TYPE"},
    Picture{kCustomGamePicture, "TREE5_CUSTOMIZED_GAMES"},
    Picture{kFavouriteGamePicture, "S_TREE2"},
    Picture{25, "TREE5_BAKERSDOZEN_TYPE"},
    Picture{34, "TREE5_ROW_TYPE"},
};

}  // namespace

QIcon treePicture(const ResourceLibrary& library, int index) {
  for (const Picture& p : kPictures)
    if (p.index == index) return QIcon(library.picture(QString::fromLatin1(p.name)));
  return {};
}

QIcon categoryMenuPicture(const ResourceLibrary& library, int category,
                          const std::function<void(const QString&)>& showMessage) {
  const std::string name = categoryIconName(category, [&](const std::string& text) {
    if (showMessage) showMessage(QString::fromStdString(text));
  });
  return name.empty() ? QIcon() : QIcon(library.picture(QString::fromStdString(name)));
}

}  // namespace kes
