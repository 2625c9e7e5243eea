#include "previews.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "display/geometry/pile_geometry.h"
#include "display/geometry/table_layout.h"
#include "display/resources/resource_names.h"
#include "engine/card.h"
#include "engine/game_start.h"
#include "mini_cards.h"

namespace kes::gen {

namespace {

// The display the miniatures are laid out for; the grid's rows follow it.
constexpr ScreenSize kPreviewScreen{1024, 768};
const QColor kPreviewTable(0, 96, 0);
const QColor kRedPip(200, 30, 30);
const QColor kBlackPip(20, 20, 20);

MiniCard miniAt(const TableView& view, int x, int y, MiniFace face) {
  return {double(x), double(y), double(view.width()), double(view.height()), face};
}

void drawPile(QPainter& painter, const TableView& view, PileId pile) {
  const Pile& cards = view.pile(pile);
  if (cards.empty()) {
    drawMiniCard(painter, miniAt(view, pileOriginX(view, pile), pileOriginY(view, pile), MiniFace::Empty), kBlackPip);
    return;
  }
  const int m = cards.size();
  for (int e = 0; e < m; ++e) {
    const int card = cards.cardAt(e);
    if (card < 1) continue;  // a separator of the grid
    const MiniFace face = isFaceDown(view.game, card) ? MiniFace::Down : MiniFace::Up;
    drawMiniCard(painter, miniAt(view, cardLeft(view, pile, m - e, true), cardTop(view, pile, m - e, true), face),
                 isRed(card) ? kRedPip : kBlackPip);
  }
}

QImage drawPreview(const GameState& game) {
  TableMetrics metrics;
  metrics.card = kLittleCards;
  metrics.steps = fanningSteps(kLittleCards, game.params, FanningSteps{});
  metrics.irregularPiles = false;
  metrics.screenWidth = kPreviewWidth;
  const TableView view{game, metrics};
  QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_ARGB32);
  image.fill(kPreviewTable);
  QPainter painter(&image);
  for (int o = 0; o < kPileCount; ++o) {
    const PileId pile = PileId::fromOrdinal(o);
    if (!game.onTable(pile)) continue;
    if (pile == PileId::foundation(0) && game.history.foundationOneIsSelection) continue;
    drawPile(painter, view, pile);
  }
  return image;
}

// The preview rules place some stocks left of the image (their left margin
// assumes a full-size table): the miniature is moved right until every
// placed pile starts inside it, as far as its right side allows.
void shiftIntoImage(GameState& game) {
  constexpr int kMargin = 2;
  int left = kPreviewWidth, right = 0;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId pile = PileId::fromOrdinal(o);
    if (!game.onTable(pile)) continue;
    left = std::min<int>(left, game.positions.x(pile));
    right = std::max<int>(right, game.positions.x(pile) + kLittleCards.width);
  }
  const int shift = std::min(kMargin - left, kPreviewWidth - kMargin - right);
  if (left >= kMargin || shift <= 0) return;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId pile = PileId::fromOrdinal(o);
    if (game.onTable(pile)) game.positions.set(pile, game.positions.x(pile) + shift, game.positions.y(pile));
  }
}

// Loads and deals one game and lays it out as its miniature.
bool dealPreview(const CatalogueText& catalogue, int number, GameState& game) {
  GameParams params;
  SavedPileParams saved;
  if (const LoadResult loaded = loadGameParams(catalogue, number, std::nullopt, params, saved); !loaded.ok()) {
    std::fprintf(stderr, "game %d: %s\n", number, loaded.error.c_str());
    return false;
  }
  loadGame(game, params);
  // The miniature shows the dealt piles; no card goes up to a foundation.
  const auto acceptNothing = [](const GameState&, int, int) { return false; };
  if (const std::string error = startDeal(game, "1", acceptNothing); !error.empty()) {
    std::fprintf(stderr, "game %d: %s\n", number, error.c_str());
    return false;
  }
  game.positions = previewLayout(game.params, kPreviewWidth, kPreviewHeight, kPreviewScreen, kLittleCards);
  game.laidOut = true;
  shiftIntoImage(game);
  return true;
}

}  // namespace

bool makeGamePreviews(const QString& catalogueFile, PictureSink& sink) {
  const auto catalogue = readCatalogue(catalogueFile.toStdString());
  if (!catalogue) {
    std::fprintf(stderr, "cannot read the catalogue %s\n", qPrintable(catalogueFile));
    return false;
  }
  bool ok = true;
  for (const GameListEntry& entry : loadGameList(*catalogue).entries()) {
    GameState game;
    if (!dealPreview(*catalogue, entry.number, game)) {
      ok = false;
      continue;
    }
    ok = sink.add(gamePreviewName(entry.number), drawPreview(game)) && ok;
  }
  return ok;
}

}  // namespace kes::gen
