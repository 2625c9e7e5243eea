#include "display/table/table_painter.h"

#include <QPainterPath>

#include "display/geometry/pile_geometry.h"
#include "display/geometry/pile_markers.h"

namespace kes {

namespace {

constexpr double kCornerRadius = 3.5;
const QColor kSelectionMark{255, 255, 0, 90};
const QColor kDeckEdge{40, 40, 60};

void paintClipped(QPainter& p, const QPixmap& picture, int x, int y, int w, int h) {
  if (picture.isNull()) return;
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), kCornerRadius, kCornerRadius);
  p.save();
  p.setClipPath(path, Qt::IntersectClip);
  p.drawPixmap(x, y, w, h, picture);
  p.restore();
}

void paintMarker(QPainter& p, const TableView& view, const CardImages& images, PileId pile, int x, int y) {
  const int marker = emptyPileMarker(view.game, pile);
  if (marker) paintClipped(p, images.marker(marker), x, y, view.width(), view.height());
}

// A stock-family pile: its top card raised by the pile's thickness, with
// the edges of the cards beneath.
void paintStockPile(QPainter& p, const TableView& view, const CardImages& images, PileId pile,
                    const std::set<int>& hidden) {
  const Pile& cards = view.pile(pile);
  const int x = pileOriginX(view, pile), y = pileOriginY(view, pile);
  if (cards.empty()) return paintMarker(p, view, images, pile, x, y);
  const int d = stockThickness(cards.size());
  p.setPen(kDeckEdge);
  for (int k = 0; k < d; ++k) p.drawRoundedRect(QRectF(x - k + 0.5, y - k + 0.5, view.width() - 1, view.height() - 1), 3, 3);
  int top = cards.size() - 1;
  while (top >= 0 && hidden.count(cards.cardAt(top))) --top;
  if (top < 0) return;
  const int card = cards.cardAt(top);
  paintCard(p, images, card, !isFaceDown(view.game, card), x - d, y - d);
}

// Every card of a pile from the bottom, each at its place on the fan.
void paintFannedPile(QPainter& p, const TableView& view, const CardImages& images, PileId pile,
                     const std::set<int>& hidden) {
  const Pile& cards = view.pile(pile);
  if (cards.empty()) return paintMarker(p, view, images, pile, pileOriginX(view, pile), pileOriginY(view, pile));
  const int m = cards.size();
  for (int e = 0; e < m; ++e) {
    const int card = cards.cardAt(e);
    if (card < 1 || hidden.count(card)) continue;
    paintCard(p, images, card, !isFaceDown(view.game, card), cardLeft(view, pile, m - e, true), cardTop(view, pile, m - e, true));
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
                        kCornerRadius, kCornerRadius);
    p.fillPath(path, kSelectionMark);
  }
}

}  // namespace

void paintCard(QPainter& p, const CardImages& images, int card, bool faceUp, int x, int y) {
  if (card < 1 || x < -9999 || y < -9999) return;
  const CardSize& s = images.size();
  paintClipped(p, faceUp ? images.face(card) : images.back(), x, y, s.width, s.height);
}

void paintTable(QPainter& p, const TableView& view, const CardImages& images, const std::set<int>& hidden) {
  const GameState& g = view.game;
  for (int i = 0; i < familySize(PileFamily::Stock); ++i)
    if (g.onTable({PileFamily::Stock, i})) paintStockPile(p, view, images, {PileFamily::Stock, i}, hidden);
  for (PileFamily family : {PileFamily::Foundation, PileFamily::Reserve, PileFamily::Tableau})
    for (int i = 0; i < familySize(family); ++i) {
      const PileId pile{family, i};
      if (!g.onTable(pile)) continue;
      if (family == PileFamily::Foundation && g.history.foundationOneIsSelection && i == 0) continue;
      paintFannedPile(p, view, images, pile, hidden);
    }
  paintSelection(p, view);
}

}  // namespace kes
