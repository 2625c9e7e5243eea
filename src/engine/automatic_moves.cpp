#include "automatic_moves.h"

#include "card.h"
#include "base_rule.h"
#include "move_executor.h"

namespace kes {

namespace {
constexpr int kRunLength = 13;
constexpr int kAlternateColours = 3;
constexpr int kInSuit = 0;
}  // namespace

void turnFaceUp(GameState& g, EngineEvents& events, int card, bool ownStep) {
  if (card < 1 || g.table.isFaceUp(card)) return;
  if (ownStep) {
    g.history.pushUndo(g.table);
    g.history.clearRedo();
  }
  g.table.cards.setFaceUp(card, true);
  events.cardTurned(card, true);
  events.sound("Face_up.wav", "Sounds_FaceUp");
}

bool autoFaceUp(GameState& g, EngineEvents& events, bool ownSteps) {
  if (!g.prefs.automaticFaceUp) return false;
  bool turned = false;
  for (int i = 0; i < g.tableauCount(); ++i) {
    const int top = g.table.pile(PileId::tableau(i)).top();
    if (top >= 1 && !g.table.isFaceUp(top)) {
      turnFaceUp(g, events, top, ownSteps);
      turned = true;
    }
  }
  return turned;
}

namespace {

int runFoundation(const GameState& g) {
  for (int i = 0; i < familySize(PileFamily::Foundation); ++i) {
    const int base = g.params[Param::foundationBase(i)];
    if ((base == BaseCode::RunRemoval || base == BaseCode::RunRemovalOther) && g.table.pile(PileId::foundation(i)).empty())
      return i;
  }
  return -1;
}

bool isCompleteRun(const GameState& g, const Pile& p, int base, int buildRule) {
  const int top = p.top();
  for (int k = 1; k <= kRunLength; ++k) {
    const int card = p.cardAt(p.size() - k);
    if (!g.table.isFaceUp(card) || cardRank(card) != k) return false;
    if (k == 1) continue;
    const int above = p.cardAt(p.size() - k + 1);
    const bool needsSuit = base == BaseCode::RunRemovalOther || buildRule == kInSuit;
    if (needsSuit && suitIndex(card) != suitIndex(top)) return false;
    if (base == BaseCode::RunRemoval && buildRule == kAlternateColours && isRed(card) == isRed(above)) return false;
  }
  // The colour balance is that of the foundations sharing the target's base.
  return groupTestPasses(g, base, top);
}

// The cards leave one at a time, top first, each merged into the step before.
void discardTop(ActionRun& run, int p, int count, MoveAction action) {
  for (int k = 0; k < count; ++k) {
    const int card = run.pile(PileId::tableau(p)).top();
    if (card < 1 || !executeMove(run.game, run.events, card, action)) return;
    run.game.history.mergeLastSnapshots(1);
  }
}

}  // namespace

void removeCompleteRun(ActionRun& run, int p) {
  GameState& g = run.game;
  const Pile& pile = g.table.pile(PileId::tableau(p));
  const int target = runFoundation(g);
  if (pile.size() < kRunLength || target < 0) return;
  const int base = g.params[Param::foundationBase(target)];
  if (!isCompleteRun(g, pile, base, g.params[Param::tableauBuildRule(p)])) return;
  const bool foundationShown = g.onTable(PileId::foundation(target));
  discardTop(run, p, kRunLength,
             foundationShown ? MoveAction::to(ActionKind::ToFoundation, target) : MoveAction::to(ActionKind::ToSecondWaste));
}

void removeFourOfAKind(ActionRun& run, int p) {
  const Pile& pile = run.game.table.pile(PileId::tableau(p));
  if (pile.size() < 4) return;
  const int rank = cardRank(pile.top());
  for (int k = 2; k <= 4; ++k)
    if (cardRank(pile.cardAt(pile.size() - k)) != rank) return;
  discardTop(run, p, 4, MoveAction::to(ActionKind::ToSecondWaste));
}

}  // namespace kes
