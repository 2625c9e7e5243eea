#pragma once

#include <initializer_list>

#include "engine/card.h"
#include "engine/game_state.h"

namespace kes::rules_test {

// Cards by rank and suit; the second pack with pack = 1.
constexpr int cardOf(int rank, Suit suit, int pack = 0) {
  return pack * kCardsPerPack + static_cast<int>(suit) * kRanksPerSuit + rank;
}
constexpr int H(int rank, int pack = 0) { return cardOf(rank, Suit::Hearts, pack); }
constexpr int D(int rank, int pack = 0) { return cardOf(rank, Suit::Diamonds, pack); }
constexpr int C(int rank, int pack = 0) { return cardOf(rank, Suit::Clubs, pack); }
constexpr int S(int rank, int pack = 0) { return cardOf(rank, Suit::Spades, pack); }

// A game state put together for one rules test: parameters by name and
// piles listed bottom card first, every card face up unless turned down.
// It starts as a small game of 4 foundations (13 cards each), 8 tableau
// piles and 4 reserves with a single card held.
class RulesTable {
 public:
  RulesTable() {
    set(Param::FoundationCount, 4);
    set(Param::TableauCount, 8);
    set(Param::ReserveCount, 4);
    set(Param::CardCount, 52);
    set(Param::FoundationMaxCards, 13);
  }

  RulesTable& set(int entry, int value) {
    state_.params[entry] = static_cast<std::int16_t>(value);
    return *this;
  }
  RulesTable& pile(PileId id, std::initializer_list<int> cards) {
    state_.table.pile(id).clear();
    for (const int card : cards) state_.table.appendCard(id, card, true);
    return *this;
  }
  RulesTable& faceDown(int card) {
    state_.table.cards.setFaceUp(card, false);
    return *this;
  }
  // A run is being held (the held image is taller than one card).
  RulesTable& holdingRun(int runTop = 0) {
    state_.drag.singleCardHeld = false;
    state_.drag.draggedRunTop = runTop;
    return *this;
  }
  // Fills every tableau pile and reserve in use with a card of its own, so
  // that tests of empty-pile counts start from none.
  RulesTable& fillTableauAndReserves() {
    int next = 1;
    for (int i = 0; i < state_.tableauCount(); ++i) pile(PileId::tableau(i), {spare(next)});
    for (int i = 0; i < state_.reserveCount(); ++i) pile(PileId::reserve(i), {spare(next)});
    return *this;
  }

  GameState& state() { return state_; }
  const GameState& operator*() const { return state_; }
  GameState* operator->() { return &state_; }

 private:
  // Second-pack cards, so that they never clash with the cards a test names.
  static int spare(int& next) { return kCardsPerPack + next++; }

  GameState state_;
};

}  // namespace kes::rules_test
