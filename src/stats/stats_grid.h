#pragma once

#include <QString>
#include <QStringList>
#include <QTableWidgetItem>

class QTableWidget;
class QWidget;

namespace kes {

// The read-only grids of the statistics dialogs: whole rows selected, a
// click on a heading sorts by that column (numbers as numbers). The
// stretching column takes the width the others leave.
QTableWidget* makeGrid(QWidget* parent, const QString& name, const QStringList& headings, int stretching);

// A cell that sorts by its number rather than its text.
class NumberCell : public QTableWidgetItem {
 public:
  NumberCell(const QString& text, double key) : QTableWidgetItem(text), key_(key) {}
  bool operator<(const QTableWidgetItem& other) const override;

 private:
  double key_;
};

// Starts filling: no sorting while rows go in, and no rows left.
void beginFilling(QTableWidget& grid, int rows);
// Puts a text cell, or a number cell when a key is given.
void setCell(QTableWidget& grid, int row, int column, const QString& text);
void setCell(QTableWidget& grid, int row, int column, const QString& text, double key);
void endFilling(QTableWidget& grid);

// The texts of a grid's row, for tests and for copying.
QStringList rowTexts(const QTableWidget& grid, int row);

}  // namespace kes
