#include "counter_grid.h"

#include "engine/card.h"
#include "engine/game_state.h"

namespace kes {

namespace {

constexpr int kRowStep = 18;
constexpr int kFirstRowTop = 3;
constexpr int kCellStep = 14;
constexpr int kCellOffset = 2;
constexpr int kRanks = 13;

struct HeightByCards {
  int cards;
  int height;
};
constexpr std::array kHeights{HeightByCards{208, 340}, HeightByCards{156, 268}, HeightByCards{104, 194}};
constexpr int kDefaultHeight = 121;

CounterCell byFace(const GameState& g, int card) { return g.table.isFaceUp(card) ? CounterCell::Up : CounterCell::Down; }

}  // namespace

bool CounterFilter::watches(CardFamily family) const {
  const bool stockSide = family == CardFamily::Stock || family == CardFamily::Waste;
  return stockSide ? watchesStock() : watchesTableau();
}

void CounterGrid::reset(int cardCount) {
  cardCount_ = cardCount < 0 ? 0 : cardCount > kMaxCards ? kMaxCards : cardCount;
  cells_.fill(CounterCell::Blank);
}

void CounterGrid::refresh(const GameState& game) {
  reset(game.params[Param::CardCount]);
  if (!game.params.loaded()) return;
  for (int ordinal = 0; ordinal < kPileCount; ++ordinal) markPile(game, PileId::fromOrdinal(ordinal));
}

void CounterGrid::markPile(const GameState& g, PileId pile) {
  if (!g.onTable(pile) && pile.family != PileFamily::Stock) return;
  const CardFamily family = cardFamilyOf(pile);
  if (!filter.watches(family)) return;
  const Pile& cards = g.table.pile(pile);
  const int shownAtStock = g.params[Param::StockShownAtStock];
  const bool wasteShown = g.params[Param::WasteUsed] == 1 && (shownAtStock == 0 || shownAtStock == 1);
  for (int i = 0; i < cards.size(); ++i) {
    const int card = cards.cardAt(i);
    if (card < 1) continue;
    switch (family) {
      case CardFamily::Stock: mark(card, family, CounterCell::Down); break;
      case CardFamily::Waste: {
        if (!wasteShown) break;
        const bool up = shownAtStock == 1 || i == cards.size() - 1;
        mark(card, family, up ? CounterCell::Up : CounterCell::Down);
        break;
      }
      case CardFamily::Reserve: mark(card, family, CounterCell::Up); break;
      default: mark(card, family, byFace(g, card));
    }
  }
}

void CounterGrid::mark(int card, CardFamily family, CounterCell state) {
  if (card < 1 || card > cardCount_ || !filter.watches(family)) return;
  cells_[static_cast<std::size_t>(card)] = state;
}

void CounterGrid::stockReplaced(const GameState& game) {
  if (!filter.tableauOnly) refresh(game);
}

void CounterGrid::showWasteTop(const GameState& game, CardFamily family) {
  if (!filter.watchesStock() || family != CardFamily::Waste) return;
  if (game.params[Param::StockShownAtStock] != 0 || game.params[Param::WasteUsed] != 1) return;
  const Pile& waste = game.table.pile(PileId::waste());
  if (!waste.empty()) mark(waste.top(), CardFamily::Waste, CounterCell::Up);
}

CounterCell CounterGrid::cell(int card) const {
  return card >= 1 && card <= cardCount_ ? cells_[static_cast<std::size_t>(card)] : CounterCell::Blank;
}

CounterCell CounterGrid::shown(int card) const {
  const CounterCell c = cell(card);
  if (!filter.inverted || c == CounterCell::Blank) return c;
  return c == CounterCell::Up ? CounterCell::Down : CounterCell::Up;
}

int counterWindowHeight(int cardCount) {
  for (const HeightByCards& h : kHeights)
    if (h.cards == cardCount) return h.height;
  return kDefaultHeight;
}

int counterRowOf(int card) { return (card - 1) / kRanks; }
int counterRowTop(int row) { return kFirstRowTop + kRowStep * row; }
int counterCellLeft(int card) { return cardRank(card) * kCellStep + kCellOffset; }

}  // namespace kes
