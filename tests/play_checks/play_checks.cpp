#include "play_checks.h"

#include "engine/card.h"

namespace kes::play_checks {

std::string cardsProblem(const GameState& g) {
  std::vector<int> seen(kMaxCards + 1, 0);
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (g.history.foundationOneIsSelection && id == PileId::foundation(0)) continue;
    const Pile& p = g.table.pile(id);
    for (int i = 0; i < p.size(); ++i) {
      const int card = p.cardAt(i);
      if (card < 0 || card > kMaxCards) return "the card code " + std::to_string(card) + " is out of range";
      ++seen[static_cast<std::size_t>(card)];
    }
  }
  for (int c = 1; c <= g.params[Param::CardCount]; ++c)
    if (seen[static_cast<std::size_t>(c)] != 1)
      return "card " + std::to_string(c) + " lies in " + std::to_string(seen[static_cast<std::size_t>(c)]) + " piles";
  return {};
}

std::vector<PileId> pilesInUse(const GameState& g) {
  std::vector<PileId> piles;
  for (int o = 0; o < kPileCount; ++o)
    if (g.inUse(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  return piles;
}

Position positionOf(const GameState& g) { return {g.history.snapshotOf(g.table), g.passNumber, g.dealCount, g.score}; }

bool isOneAction(const GameState& g, const std::string& command) {
  if (command == "undo" || command == "redo") return false;
  if (command.rfind("dblclick ", 0) != 0) return true;
  const auto at = g.locateCard(std::stoi(command.substr(9)));
  return !at || *at != PileId::stock();
}

std::vector<std::string> asActions(const GameState& g, const std::string& command) {
  if (command.rfind("dblclick ", 0) != 0 || !isOneAction(g, command)) return {command};
  return {"click " + command.substr(9), command};
}

namespace {

std::string differences(const Position& back, const Position& before) {
  std::string text;
  for (int o = 0; o < kPileCount; ++o) {
    const auto i = static_cast<std::size_t>(o);
    if (back.table[i] != before.table[i])
      text += " " + pileName(PileId::fromOrdinal(o)) + " " + back.table[i] + " for " + before.table[i];
  }
  return text + " pass " + std::to_string(back.pass) + " for " + std::to_string(before.pass) + ", score " +
         std::to_string(back.score) + " for " + std::to_string(before.score);
}

}  // namespace

std::string undoProblem(cli::PlayDriver& d, const Position& before) {
  const GameState& g = d.session().state();
  const Position after = positionOf(g);
  if (!g.inProgress || after.table == before.table) return {};
  if (d.execute("undo").back() != "ok") return "undo refused";
  if (const Position back = positionOf(g); !(back == before))
    return "one undo did not give back the table before:" + differences(back, before);
  if (d.execute("redo").back() != "ok") return "redo refused";
  if (!(positionOf(g) == after)) return "one redo did not replay the action";
  return {};
}

Played playChecked(cli::PlayDriver& d, const std::string& command) {
  const GameState& g = d.session().state();
  Played played;
  for (const std::string& action : asActions(g, command)) {
    const Position before = positionOf(g);
    const bool oneAction = isOneAction(g, action);
    const auto out = d.execute(action);
    if (out.empty()) return {"no answer to " + action, played.changes};
    if (out.back() == "ok") ++played.changes;
    std::string problem;
    if (out.back().rfind("error", 0) == 0) problem = out.back();
    if (problem.empty()) problem = cardsProblem(g);
    if (problem.empty() && oneAction && out.back() == "ok") problem = undoProblem(d, before);
    if (!problem.empty()) return {action + ": " + problem, played.changes};
  }
  return played;
}

}  // namespace kes::play_checks
