#pragma once

#include <QtCore/qnamespace.h>
#include <span>

#include "appearance/background_tree.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace kes {

// Where a tree item keeps its code.
inline constexpr int kTreeCodeRole = Qt::UserRole;

// Adds the rows of a picture tree at the top of the tree, or under an item.
void fillTree(QTreeWidget& tree, std::span<const TreeRow> rows, QTreeWidgetItem* under = nullptr);

long long treeCode(const QTreeWidgetItem* item);

}  // namespace kes
