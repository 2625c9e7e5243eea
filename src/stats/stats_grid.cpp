#include "stats/stats_grid.h"

#include <QHeaderView>
#include <QTableWidget>

namespace kes {

QTableWidget* makeGrid(QWidget* parent, const QString& name, const QStringList& headings, int stretching) {
  auto* grid = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(headings);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setAlternatingRowColors(true);
  grid->verticalHeader()->setVisible(false);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid->horizontalHeader()->setSectionResizeMode(stretching, QHeaderView::Stretch);
  grid->horizontalHeader()->setMinimumSectionSize(grid->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
  grid->setSortingEnabled(true);
  grid->setTabKeyNavigation(false);
  return grid;
}

bool NumberCell::operator<(const QTableWidgetItem& other) const {
  if (const auto* number = dynamic_cast<const NumberCell*>(&other)) return key_ < number->key_;
  return QTableWidgetItem::operator<(other);
}

void beginFilling(QTableWidget& grid, int rows) {
  grid.setSortingEnabled(false);
  grid.clearContents();
  grid.setRowCount(rows);
}

void setCell(QTableWidget& grid, int row, int column, const QString& text) {
  grid.setItem(row, column, new QTableWidgetItem(text));
}

void setCell(QTableWidget& grid, int row, int column, const QString& text, double key) {
  auto* cell = new NumberCell(text, key);
  cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid.setItem(row, column, cell);
}

void endFilling(QTableWidget& grid) {
  // Sorting stays off until the user asks for it, so the rows keep the
  // order the dialog gave them.
  grid.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  grid.setSortingEnabled(true);
}

QStringList rowTexts(const QTableWidget& grid, int row) {
  QStringList texts;
  for (int c = 0; c < grid.columnCount(); ++c) {
    const QTableWidgetItem* item = grid.item(row, c);
    texts << (item ? item->text() : QString());
  }
  return texts;
}

}  // namespace kes
