#include "pairing_removal.h"

#include "automatic_moves.h"
#include "card.h"
#include "pairing_rules.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr int kPlaceholderFanning = 4;
constexpr int kGridFanning = 8;
constexpr int kPauseBeforeRemoval = 150;

// Takes the card out of its pile as the game's layout wants it.
void takeOut(ActionRun& run, int card, PileId from) {
  Pile& pile = run.pile(from);
  const int fanning = run.param(Param::TableauFanning);
  const int pos = pile.positionOf(card);
  if (from.family == PileFamily::Tableau && fanning == kPlaceholderFanning) {
    pile.replaceAt(pos, kNoCard);
  } else if (from == PileId::tableau(0) && fanning == kGridFanning && pos > 0 && pile.cardAt(pos - 1) == 0) {
    pile.eraseAt(pos - 1, 2);
  } else {
    pile.eraseAt(pos, 1);
  }
  if (from.family == PileFamily::Tableau) run.leftTableau = true;
}

}  // namespace

void removeSelection(ActionRun& run) {
  GameState& g = run.game;
  const std::vector<int> selected = selectedCards(g);
  if (selected.empty()) return;
  run.sound("Pairing.wav", "Sounds_Pairing");
  run.beforeChange();
  run.events.pause(kPauseBeforeRemoval);
  for (int card : selected) {
    const auto from = g.locateCard(card);
    if (!from) continue;
    takeOut(run, card, *from);
    g.table.appendCard(PileId::secondWaste(), card, true);
    run.events.cardMoved(card, *from, PileId::secondWaste());
    run.lastCard = card;
  }
  run.pile(PileId::foundation(0)).clear();
  if (g.family() == Family::PairsEqualFaceUp || g.family() == Family::ElevensCourtsFaceUp) autoFaceUp(g, run.events, false);
  run.recomputeWon();
}

}  // namespace kes
