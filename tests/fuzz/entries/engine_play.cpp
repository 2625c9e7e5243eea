#include "engine_play.h"

#include <optional>
#include <vector>

#include "engine/snapshot.h"
#include "play_checks.h"

namespace kes::fuzz {
namespace {

using play_checks::pilesInUse;

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

}  // namespace

void playOn(cli::PlayDriver& d, InputReader& input, bool checks) {
  const GameState& g = d.session().state();
  if (checks) check(play_checks::cardsProblem(g).empty(), "the start: " + play_checks::cardsProblem(g));
  // A restart gives the table of the deal with what autoplay plays after it;
  // a resumed game restarts to its deal, which only its history holds.
  std::optional<Snapshot> start;
  if (g.history.undo.empty()) start = g.history.snapshotOf(g.table);
  for (int step = 0; step < 400 && !input.empty() && g.inProgress; ++step) {
    if (input.below(40) == 0) {
      d.execute("restart");
      if (checks) {
        check(play_checks::cardsProblem(g).empty(), "restart: " + play_checks::cardsProblem(g));
        if (!start) start = g.history.snapshotOf(g.table);
        check(!g.inProgress || g.history.snapshotOf(g.table) == *start, "restart did not give the deal");
      }
      continue;
    }
    const std::string command = chooseCommand(g, input);
    if (!checks) {
      d.execute(command);
      continue;
    }
    const play_checks::Played played = play_checks::playChecked(d, command);
    check(played.problem.empty(), played.problem);
  }
}

bool playFrom(const GameParams& params, const std::string& dealNumber, InputReader& input, bool checks) {
  cli::PlayDriver d;
  d.session().state().prefs.autoplay = false;
  if (!d.session().start(params, dealNumber).empty()) return false;
  d.session().setAutoplay(input.below(2) == 1);
  playOn(d, input, checks);
  return true;
}

}  // namespace kes::fuzz
