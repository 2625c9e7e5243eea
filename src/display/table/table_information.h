#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <set>
#include <vector>

#include "display/geometry/table_metrics.h"
#include "engine/pile_id.h"

namespace kes {

// What the table's information area says (the hands of poker solitaire and
// their points, one line each) and which cells are marked meanwhile.
class TableInformation {
 public:
  void setText(const QString& text) { text_ = text; }
  const QString& text() const { return text_; }
  void mark(const std::vector<PileId>& piles, bool marked);
  bool isMarked(PileId pile) const { return marked_.count(pile.ordinal()) > 0; }
  bool anyMarked() const { return !marked_.empty(); }
  void clear();

 private:
  QString text_;
  std::set<int> marked_;  // pile ordinals
};

// Where the information panel goes on a table of `tableWidth` pixels: to the
// right of the tableau when there is room for it, else below it.
QRect informationArea(const TableView& view, int tableWidth, int lines);

// Draws the marks over the marked piles and, when there is text, the panel.
void paintInformation(QPainter& painter, const TableView& view, const TableInformation& information, int tableWidth);

}  // namespace kes
