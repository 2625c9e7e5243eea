#include "appearance/picture_tree.h"

#include <QTreeWidget>

namespace kes {

void fillTree(QTreeWidget& tree, std::span<const TreeRow> rows, QTreeWidgetItem* under) {
  QTreeWidgetItem* parents[3] = {under, nullptr, nullptr};
  for (const TreeRow& row : rows) {
    QTreeWidgetItem* parent = parents[row.depth];
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
    item->setText(0, QString::fromUtf8(row.text.data(), static_cast<int>(row.text.size())));
    item->setData(0, kTreeCodeRole, row.code);
    if (row.depth < 2) parents[row.depth + 1] = item;
  }
}

long long treeCode(const QTreeWidgetItem* item) { return item ? item->data(0, kTreeCodeRole).toLongLong() : 0; }

}  // namespace kes
