#pragma once

#include <QPainter>
#include <set>

#include "display/geometry/stock_thickness.h"
#include "display/geometry/table_metrics.h"
#include "display/table/card_images.h"

namespace kes {

// Paints the whole table: background, every placed pile with its cards, the
// markers of empty piles, the stock's thickness and the selection marks of
// the pairing games. Cards in `hidden` (held by the pointer) are left out.
void paintTable(QPainter& painter, const TableView& view, const CardImages& images, const std::set<int>& hidden = {});

// One card with rounded corners at (x, y): its face, or its back when face down.
void paintCard(QPainter& painter, const CardImages& images, int card, bool faceUp, int x, int y);

}  // namespace kes
