#include "display/table/table_painter.h"

#include <QPainterPath>

#include "display/geometry/pile_geometry.h"
#include "display/geometry/pile_markers.h"
#include "display/geometry/stock_thickness.h"

namespace kes {

namespace {

const QColor kSelectionMark{255, 255, 0, 90};
constexpr double kSelectionRadius = 3.5;

// Markers are opaque card-sized pictures, drawn whole.
void paintMarker(QPainter& p, const TableView& view, const CardImages& images, PileId pile, int x, int y) {
  const int marker = emptyPileMarker(view.game, pile);
  if (!marker || x < -9999 || y < -9999) return;
  const QPixmap& picture = images.marker(marker);
  if (!picture.isNull()) p.drawPixmap(x, y, picture);
}

// A stock-family pile: its top card at the pile's stored place, which the
// thickness has already raised, with the deck's edge below and right of it.
void paintStockPile(QPainter& p, const TableView& view, const CardImages& images, PileId pile,
                    const std::set<int>& hidden, const QPixmap* background) {
  const Pile& cards = view.pile(pile);
  const int x = pileOriginX(view, pile), y = pileOriginY(view, pile);
  if (cards.empty()) return paintMarker(p, view, images, pile, x, y);
  paintDeckEdge(p, images, x, y, stockThickness(cards.size()));
  int top = cards.size() - 1;
  while (top >= 0 && hidden.count(cards.cardAt(top))) --top;
  if (top < 0) return;
  const int card = cards.cardAt(top);
  // A single card takes all four corners from the background.
  const bool single = cards.size() == 1;
  const CardCorners corners{background, single, true, !single};
  paintCard(p, images, card, !isFaceDown(view.game, card), x, y, corners);
}

// Every card of a pile from the bottom, each at its place on the fan.
void paintFannedPile(QPainter& p, const TableView& view, const CardImages& images, PileId pile,
                     const std::set<int>& hidden, const QPixmap* background) {
  const Pile& cards = view.pile(pile);
  if (cards.empty()) return paintMarker(p, view, images, pile, pileOriginX(view, pile), pileOriginY(view, pile));
  const int m = cards.size();
  for (int e = 0; e < m; ++e) {
    const int card = cards.cardAt(e);
    if (card < 1 || hidden.count(card)) continue;
    paintCard(p, images, card, !isFaceDown(view.game, card), cardLeft(view, pile, m - e, true),
              cardTop(view, pile, m - e, true), pileCardCorners(background, e == 0));
  }
}

void paintSelection(QPainter& p, const TableView& view) {
  if (!view.game.history.foundationOneIsSelection) return;
  const Pile& selected = view.pile(PileId::foundation(0));
  for (int i = 0; i < selected.size(); ++i) {
    const int card = selected.cardAt(i);
    const auto at = view.game.locateCard(card);
    if (!at) continue;
    const Pile& pile = view.pile(*at);
    const int depth = pile.size() - pile.positionOf(card);
    QPainterPath path;
    path.addRoundedRect(QRectF(cardLeft(view, *at, depth, true), cardTop(view, *at, depth, true), view.width(), view.height()),
                        kSelectionRadius, kSelectionRadius);
    p.fillPath(path, kSelectionMark);
  }
}

}  // namespace

void paintTable(QPainter& p, const TableView& view, const CardImages& images, const std::set<int>& hidden,
                const QPixmap* background) {
  const GameState& g = view.game;
  for (int i = 0; i < familySize(PileFamily::Stock); ++i)
    if (g.onTable({PileFamily::Stock, i})) paintStockPile(p, view, images, {PileFamily::Stock, i}, hidden, background);
  for (PileFamily family : {PileFamily::Foundation, PileFamily::Reserve, PileFamily::Tableau})
    for (int i = 0; i < familySize(family); ++i) {
      const PileId pile{family, i};
      if (!g.onTable(pile)) continue;
      if (family == PileFamily::Foundation && g.history.foundationOneIsSelection && i == 0) continue;
      paintFannedPile(p, view, images, pile, hidden, background);
    }
  paintSelection(p, view);
}

}  // namespace kes
