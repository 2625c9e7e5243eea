#include "deal_layouts.h"

#include <algorithm>

#include "card.h"
#include "foundation_deal_code.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr int kLayoutKingsToStock = 1;
constexpr int kLayoutKingHeaded = 2;
constexpr int kLayoutSortedFill = 3;
constexpr int kLayoutQueenHeaded = 4;
constexpr int kAce = 1;
constexpr int kQueen = 12;
constexpr int kKing = 13;

int longestTableau(const DealContext& deal) {
  int longest = 0;
  for (int p = 0; p < deal.game.tableauCount(); ++p)
    longest = std::max(longest, deal.game.table.pile(PileId::tableau(p)).size());
  return longest;
}

// Aces of reserve 1 start the foundations from the second on; the aces of
// the waste go to the first, and waste cards take the places of the aces
// that left the reserve.
void acesFromReserveAndWaste(DealContext& deal) {
  Pile& reserve = deal.pile(PileId::reserve(0));
  int k = 0;
  for (int pos = 0; pos < reserve.size();) {
    const int card = reserve.cardAt(pos);
    if (cardRank(card) != kAce) {
      ++pos;
      continue;
    }
    Pile& f = deal.pile(PileId::foundation(k + 1));
    f.clear();
    f.append(card);
    reserve.remove(card);
    ++k;
    pos = 0;
  }
  Pile& waste = deal.pile(PileId::waste());
  bool aceToFirst = false;
  // The position moves on after every examined card, removed or not.
  for (int pos = 0; pos < waste.size(); ++pos) {
    if (k == 0 && aceToFirst) break;
    const int card = waste.cardAt(pos);
    if (cardRank(card) == kAce) {
      deal.game.table.appendCard(PileId::foundation(0), card, true);
      waste.remove(card);
      aceToFirst = true;
    } else if (k > 0) {
      reserve.append(card);
      deal.game.table.setTopFaces(PileId::reserve(0), reserve.size(), true);
      waste.remove(card);
      --k;
    }
  }
}

// Foundations a card at the given position is offered to, as (first, last);
// -1 for every foundation.
std::pair<int, int> scanTargets(int code, int pile, int position) {
  using namespace FoundationDeal;
  if (code == kAceScanOwnPile) return {pile, pile};
  if (code == kKingsThenAces) {
    if (position >= 0 && position <= 3) return {0, 3};
    if (position >= 6 && position <= 9) return {4, 7};
    return {0, 7};
  }
  return {-1, -1};
}

bool offer(DealContext& deal, int card, std::pair<int, int> targets) {
  if (targets.first < 0) return deal.bringToFoundation(card, -1);
  for (int f = targets.first; f <= targets.second; ++f)
    if (deal.bringToFoundation(card, f)) return true;
  return false;
}

// Offers the card at (pile, depth) until it stays; a moved card lets the one
// above it drop into the same place.
void offerAt(DealContext& deal, int code, int pile, int depth, int position) {
  const Pile& p = deal.pile(PileId::tableau(pile));
  while (depth < p.size()) {
    const int card = p.cardAt(depth);
    if (card < 1 || !offer(deal, card, scanTargets(code, pile, position))) return;
  }
}

void acesFromTableau(DealContext& deal) {
  const int longest = longestTableau(deal);
  for (int depth = 0; depth < longest; ++depth) {
    for (int p = 0; p < deal.game.tableauCount(); ++p) {
      Pile& pile = deal.pile(PileId::tableau(p));
      while (depth < pile.size() && cardRank(pile.cardAt(depth)) == kAce &&
             deal.bringToFoundation(pile.cardAt(depth), -1)) {
        Pile& stock = deal.pile(PileId::stock());
        if (stock.empty()) break;
        const int card = stock.top();
        stock.takeTop(1);
        deal.game.table.appendCard(PileId::tableau(p), card, true);
      }
    }
  }
}

void kingsToBottom(DealContext& deal) {
  for (int p = 0; p < deal.game.tableauCount(); ++p) {
    Pile& pile = deal.pile(PileId::tableau(p));
    for (int pos = 1; pos < pile.size(); ++pos) {
      const int card = pile.cardAt(pos);
      if (cardRank(card) != kKing) continue;
      pile.remove(card);
      pile.insertAt(0, card);
    }
  }
}

void queenAndKingOfHearts(DealContext& deal) {
  constexpr int kQueenOfHearts = 12, kKingOfHearts = 13;
  for (int card : {kQueenOfHearts, kKingOfHearts})
    if (const auto from = deal.game.table.locate(card)) deal.pile(*from).remove(card);
  deal.pile(PileId::stock()).insertAt(0, kKingOfHearts);
  deal.game.table.appendCard(PileId::tableau(0), kQueenOfHearts, true);
}

// Kings lying at the bottom of a pile go to the bottom of the stock; the
// pile gets the first other card of the stock instead.
void kingsToStock(DealContext& deal) {
  std::vector<PileId> piles;
  for (int i = 0; i < familySize(PileFamily::Tableau); ++i) piles.push_back(PileId::tableau(i));
  for (int i = 0; i < familySize(PileFamily::Foundation); ++i) piles.push_back(PileId::foundation(i));
  Pile& stock = deal.pile(PileId::stock());
  for (PileId id : piles) {
    Pile& pile = deal.pile(id);
    if (pile.empty() || cardRank(pile.cardAt(0)) != kKing) continue;
    const int king = pile.cardAt(0);
    pile.remove(king);
    stock.insertAt(0, king);
    deal.game.table.cards.setFaceUp(stock.top(), false);
    for (int pos = 0; pos < stock.size(); ++pos) {
      const int card = stock.cardAt(pos);
      if (cardRank(card) == kKing) continue;
      stock.remove(card);
      deal.game.table.appendCard(id, card, true);
      break;
    }
  }
}

void headedPiles(DealContext& deal, int headRank) {
  int current = 0;
  if (const int head = deal.takeFirstOfRank(headRank)) deal.game.table.appendCard(PileId::tableau(0), head, true);
  while (!deal.order.empty()) {
    const int card = deal.takeFirst();
    if (cardRank(card) == headRank) ++current;
    deal.game.table.appendCard(PileId::tableau(std::min(current, familySize(PileFamily::Tableau) - 1)), card, true);
  }
  using namespace FoundationDeal;
  const int code = deal.param(Param::foundationDealCode(0));
  foundationScan(deal, code == kAceScanOwnPile || code == kKingsThenAces ? code : kAceScanAll);
}

// Every pile is refilled to its length so that no rank occurs twice in it;
// places no card fits stay empty placeholders.
void sortedFill(DealContext& deal) {
  std::vector<int> pool;
  for (int p = 0; p < deal.game.tableauCount(); ++p) {
    const Pile& pile = deal.pile(PileId::tableau(p));
    for (int pos = 0; pos < pile.size(); ++pos) pool.push_back(pile.cardAt(pos));
  }
  for (int p = 0; p < deal.game.tableauCount(); ++p) {
    Pile& pile = deal.pile(PileId::tableau(p));
    const int length = pile.size();
    std::vector<int> cards;
    for (int pos = 0; pos < length; ++pos) {
      const auto fits = [&](int c) {
        return std::none_of(cards.begin(), cards.end(), [c](int x) { return cardRank(x) == cardRank(c); });
      };
      const auto it = std::find_if(pool.begin(), pool.end(), fits);
      if (it == pool.end()) continue;
      cards.push_back(*it);
      pool.erase(it);
    }
    pile.clear();
    for (int c : cards) pile.append(c);
    for (int pos = static_cast<int>(cards.size()); pos < length; ++pos) pile.append(0);
  }
}

}  // namespace

void foundationScan(DealContext& deal, int code) {
  const int longest = longestTableau(deal);
  const int piles = deal.game.tableauCount();
  if (deal.param(Param::DealPileByPile) != 0) {
    for (int p = 0; p < piles; ++p)
      for (int depth = 0; depth < longest; ++depth) offerAt(deal, code, p, depth, depth);
  } else {
    for (int depth = 0; depth < longest; ++depth)
      for (int p = 0; p < piles; ++p) offerAt(deal, code, p, depth, p);
  }
}

void applySpecialLayouts(DealContext& deal) {
  using namespace FoundationDeal;
  if (deal.game.family() == Family::AcesFromReserve) acesFromReserveAndWaste(deal);
  const int code = deal.param(Param::foundationDealCode(0));
  if (code == kAceScanAll || code == kAceScanOwnPile || code == kKingsThenAces) foundationScan(deal, code);
  if (code == kAcesFromTableau) acesFromTableau(deal);
  if (deal.param(Param::KingsToBottom) == 1) kingsToBottom(deal);
  if (deal.game.family() == Family::RowJumpsRoyal) queenAndKingOfHearts(deal);
  switch (deal.param(Param::SpecialDealLayout)) {
    case kLayoutKingsToStock: kingsToStock(deal); break;
    case kLayoutKingHeaded: headedPiles(deal, kKing); break;
    case kLayoutQueenHeaded: headedPiles(deal, kQueen); break;
    case kLayoutSortedFill: sortedFill(deal); break;
    default: break;
  }
}

}  // namespace kes
