#include "selection/game_tree.h"

#include <QHeaderView>

#include "selection/tree_pictures.h"

namespace kes {

namespace {

constexpr int kCodeRole = Qt::UserRole;

bool holdsGames(const GameFolder& folder) { return folder.content != FolderContent::Folders; }

int gamePicture(const FolderGame& game, const GameFolder& folder) {
  if (folder.content == FolderContent::Favourites)
    return game.category == kCustomGamesCategory ? kCustomGamePicture : kFavouriteGamePicture;
  return categoryPicture(game.category);
}

}  // namespace

GameTree::GameTree(const ResourceLibrary& library, Sources sources, QWidget* parent)
    : QTreeWidget(parent), library_(library), sources_(std::move(sources)) {
  setObjectName("trvGames");
  setHeaderHidden(true);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setExpandsOnDoubleClick(false);
  addFolders();
  connect(this, &QTreeWidget::itemExpanded, this, &GameTree::onExpanded);
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
    if (codeOf(item) < 0 && item->childCount() > 0) item->setIcon(0, treePicture(library_, kClosedFolderPicture));
  });
}

int GameTree::codeOf(const QTreeWidgetItem* item) { return item ? item->data(0, kCodeRole).toInt() : 0; }

int GameTree::folderCodeOf(const QTreeWidgetItem* item) { return item && item->parent() ? codeOf(item->parent()) : 0; }

QTreeWidgetItem* GameTree::folderItem(int code) const {
  for (QTreeWidgetItemIterator it(const_cast<GameTree*>(this)); *it; ++it)
    if (codeOf(*it) == code && code < 0) return *it;
  return nullptr;
}

void GameTree::addFolders() {
  for (const GameFolder& folder : gameFolders()) {
    QTreeWidgetItem* parent = folder.parent == 0 ? nullptr : folderItem(folder.parent);
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, QString::fromUtf8(folder.label));
    item->setData(0, kCodeRole, folder.code);
    item->setIcon(0, treePicture(library_, kClosedFolderPicture));
    if (holdsGames(folder)) placeholder(item, FolderCode::kNotYetFilled, QString());
  }
}

QTreeWidgetItem* GameTree::placeholder(QTreeWidgetItem* folder, int code, const QString& text) {
  auto* item = new QTreeWidgetItem(folder);
  item->setText(0, text);
  item->setData(0, kCodeRole, code);
  if (code != FolderCode::kNotYetFilled) item->setIcon(0, treePicture(library_, kPlaceholderPicture));
  return item;
}

void GameTree::onExpanded(QTreeWidgetItem* item) {
  item->setIcon(0, treePicture(library_, kOpenFolderPicture));
  if (item->childCount() == 1 && codeOf(item->child(0)) == FolderCode::kNotYetFilled) fill(item, -1);
}

void GameTree::fill(QTreeWidgetItem* folderNode, int selectGame) {
  const GameFolder* folder = findGameFolder(codeOf(folderNode));
  if (!folder || !holdsGames(*folder)) return;
  const bool blocked = blockSignals(true);
  qDeleteAll(folderNode->takeChildren());
  const FolderSources sources = sources_();
  const std::vector<FolderGame> games = gamesInFolder(*folder, sources);
  QTreeWidgetItem* chosen = nullptr;
  for (const FolderGame& game : games) {
    auto* item = new QTreeWidgetItem(folderNode);
    item->setText(0, QString::fromStdString(game.name));
    item->setData(0, kCodeRole, game.number);
    item->setIcon(0, treePicture(library_, gamePicture(game, *folder)));
    if (game.number == selectGame) chosen = item;
  }
  if (folder->content == FolderContent::Favourites && sources.favourites.empty())
    placeholder(folderNode, FolderCode::kCustomizeFavourites, QStringLiteral("(Double click to customize)"));
  if (folder->content == FolderContent::Customized && games.empty())
    placeholder(folderNode, FolderCode::kHowToCustomize, QStringLiteral("(How to customize a game)"));
  blockSignals(blocked);
  if (chosen) setCurrentItem(chosen);
}

void GameTree::showFolder(int code, int game) {
  QTreeWidgetItem* folder = folderItem(code);
  if (!folder) return;
  for (QTreeWidgetItem* up = folder->parent(); up; up = up->parent()) up->setExpanded(true);
  fill(folder, game);
  folder->setExpanded(true);
  folder->setIcon(0, treePicture(library_, kOpenFolderPicture));
  for (int i = 0; i < folder->childCount(); ++i)
    if (codeOf(folder->child(i)) == game) {
      setCurrentItem(folder->child(i));
      scrollToItem(folder->child(i));
      return;
    }
  setCurrentItem(folder);
}

void GameTree::refreshFolder(int code) {
  QTreeWidgetItem* folder = folderItem(code);
  if (!folder) return;
  const bool filled = !(folder->childCount() == 1 && codeOf(folder->child(0)) == FolderCode::kNotYetFilled);
  if (!filled) return;
  QTreeWidgetItem* current = currentItem();
  const bool inside = current && current->parent() == folder;
  const int selected = inside ? codeOf(current) : -1;
  if (inside) setCurrentItem(folder);
  fill(folder, selected);
}

}  // namespace kes
