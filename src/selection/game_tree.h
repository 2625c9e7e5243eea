#pragma once

#include <QTreeWidget>
#include <functional>

#include "datafiles/game_folders.h"

namespace kes {

class ResourceLibrary;

// The tree of the game selection dialog: the folders of the catalogue,
// each filled with its games the first time it is opened. A node's code
// is a game number (0 and above) or a folder or placeholder code.
class GameTree : public QTreeWidget {
  Q_OBJECT

 public:
  using Sources = std::function<FolderSources()>;

  GameTree(const ResourceLibrary& library, Sources sources, QWidget* parent = nullptr);

  static int codeOf(const QTreeWidgetItem* item);
  static bool isGame(const QTreeWidgetItem* item) { return item && codeOf(item) >= 0; }

  QTreeWidgetItem* folderItem(int code) const;
  // The code of the folder that holds the node; 0 at the top.
  static int folderCodeOf(const QTreeWidgetItem* item);

  // Opens the folder, fills it if it was never opened, and selects the game
  // in it when it is there (else the folder itself).
  void showFolder(int code, int game);
  // Fills the folder anew when it was already opened, keeping the selection
  // on the game when it is still there.
  void refreshFolder(int code);

 private:
  void addFolders();
  void fill(QTreeWidgetItem* folder, int selectGame);
  void onExpanded(QTreeWidgetItem* item);
  QTreeWidgetItem* placeholder(QTreeWidgetItem* folder, int code, const QString& text);

  const ResourceLibrary& library_;
  Sources sources_;
};

}  // namespace kes
