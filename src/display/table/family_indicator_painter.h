#pragma once

#include <QPainter>
#include <QRect>

#include "display/geometry/table_metrics.h"

namespace kes {

// The small box under a foundation of the counting family, straddling the
// gap below the card.
QRect countingBox(const TableView& view, int foundation);

// The indicators some families show beside their piles: under each of the
// counting family's four foundations the rank it needs next.
void paintFamilyIndicators(QPainter& painter, const TableView& view);

}  // namespace kes
