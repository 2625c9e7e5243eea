#pragma once

#include <QPainter>
#include <set>

#include "display/geometry/table_metrics.h"
#include "display/table/card_images.h"
#include "display/table/card_painting.h"

namespace kes {

// Paints every placed pile with its cards over the background already on the
// target: the markers of empty piles, the stock family raised by its
// thickness with its deck edge, and the selection marks of the pairing games.
// Cards in `hidden` (held by the pointer) are left out. `background` is the
// table's background alone, where the cards' corners take it from; without
// it every corner shows what lies beneath.
void paintTable(QPainter& painter, const TableView& view, const CardImages& images, const std::set<int>& hidden = {},
                const QPixmap* background = nullptr);

}  // namespace kes
