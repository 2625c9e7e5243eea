#include "engine_play.h"

#include <vector>

#include "cli/play_driver.h"
#include "engine/card.h"
#include "engine/snapshot.h"

namespace kes::fuzz {
namespace {

void everyCardOnce(const GameState& g, const std::string& after) {
  std::vector<int> seen(kMaxCards + 1, 0);
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    // The pairing games keep their selection there, not cards.
    if (g.history.foundationOneIsSelection && id == PileId::foundation(0)) continue;
    const Pile& p = g.table.pile(id);
    for (int i = 0; i < p.size(); ++i) {
      const int card = p.cardAt(i);
      check(card >= 0 && card <= kMaxCards, "a card code out of range after " + after);
      ++seen[static_cast<std::size_t>(card)];
    }
  }
  for (int c = 1; c <= g.params[Param::CardCount]; ++c)
    check(seen[static_cast<std::size_t>(c)] == 1, "card " + std::to_string(c) + " lies in " +
                                                      std::to_string(seen[static_cast<std::size_t>(c)]) +
                                                      " piles after " + after);
}

std::vector<PileId> pilesInUse(const GameState& g) {
  std::vector<PileId> piles;
  for (int o = 0; o < kPileCount; ++o)
    if (g.inUse(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  return piles;
}

std::string chooseCard(const GameState& g, const std::vector<PileId>& piles, InputReader& input) {
  const unsigned pick = input.byte();
  if (pick < 180 && !piles.empty()) {
    const Pile& p = g.table.pile(piles[pick % piles.size()]);
    if (p.size() > 0) return std::to_string(p.cardAt(p.size() - 1 - static_cast<int>(input.below(3)) % p.size()));
  }
  const unsigned cards = static_cast<unsigned>(g.params[Param::CardCount]);
  return std::to_string(1 + input.below(cards == 0 ? 1 : cards));
}

std::string chooseCommand(const GameState& g, InputReader& input) {
  const std::vector<PileId> piles = pilesInUse(g);
  switch (input.below(10)) {
    case 0: return "stock";
    case 1: return "click " + chooseCard(g, piles, input);
    case 2: return "dblclick " + chooseCard(g, piles, input);
    case 3: return "undo";
    case 4: return "redo";
    case 5: return "stock";
    default: {
      const std::string card = chooseCard(g, piles, input);
      if (piles.empty()) return "click " + card;
      return "move " + card + " " + pileName(piles[input.below(static_cast<unsigned>(piles.size()))]);
    }
  }
}

struct Position {
  Snapshot table;
  int pass;
  int deals;
  int score;
  bool operator==(const Position&) const = default;
};

Position positionOf(const GameState& g) { return {g.history.snapshotOf(g.table), g.passNumber, g.dealCount, g.score}; }

bool isOneAction(const GameState& g, const std::string& command) {
  if (command == "undo" || command == "redo") return false;
  if (command.rfind("dblclick ", 0) != 0) return true;
  const auto at = g.locateCard(std::stoi(command.substr(9)));
  return !at || *at != PileId::stock();
}

// The first click of a double click is an action of its own (its release
// may set off autoplay after an undo), so it is played alone first.
std::vector<std::string> asActions(const GameState& g, const std::string& command) {
  if (command.rfind("dblclick ", 0) != 0 || !isOneAction(g, command)) return {command};
  return {"click " + command.substr(9), command};
}

void undoesAsOneStep(cli::PlayDriver& d, const Position& before, const std::string& command) {
  const GameState& g = d.session().state();
  const Position after = positionOf(g);
  if (!g.inProgress || after.table == before.table) return;
  check(d.execute("undo").back() == "ok", "undo refused after " + command);
  check(positionOf(g) == before, "one undo did not give back the table before " + command);
  check(d.execute("redo").back() == "ok", "redo refused after " + command);
  check(positionOf(g) == after, "one redo did not replay " + command);
}

}  // namespace

bool playFrom(const GameParams& params, const std::string& dealNumber, InputReader& input, bool checks) {
  cli::PlayDriver d;
  d.session().state().prefs.autoplay = false;
  if (!d.session().start(params, dealNumber).empty()) return false;
  const GameState& g = d.session().state();
  if (checks) everyCardOnce(g, "the deal");
  d.session().setAutoplay(input.below(2) == 1);
  // A restart plays what autoplay plays after a deal, as switching it on did.
  const Snapshot dealt = g.history.snapshotOf(g.table);
  for (int step = 0; step < 400 && !input.empty() && g.inProgress; ++step) {
    if (input.below(40) == 0) {
      d.execute("restart");
      if (checks) check(!g.inProgress || g.history.snapshotOf(g.table) == dealt, "restart did not give the deal");
      continue;
    }
    for (const std::string& command : asActions(g, chooseCommand(g, input))) {
      const Position before = positionOf(g);
      const bool action = isOneAction(g, command);
      const auto out = d.execute(command);
      check(!out.empty(), "no answer to " + command);
      if (!checks) continue;
      check(out.back().rfind("error", 0) != 0, command + ": " + out.back());
      everyCardOnce(g, command);
      if (action && out.back() == "ok") undoesAsOneStep(d, before, command);
    }
  }
  return true;
}

}  // namespace kes::fuzz
