#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/pile_id.h"

namespace kes::solver {

// What the player does with the mouse, as the command driver of
// kestrova-cli spells it, so a found line can be replayed as it stands.
enum class MoveKind {
  Drag,   // "move CARD PILE": press on the card, release over the pile
  Click,  // "click CARD": a press and release on the card
  Stock,  // "stock": a press on the stock's place
};

struct SolverMove {
  MoveKind kind = MoveKind::Stock;
  int card = 0;
  PileId target{};
  // A drag made after this many presses on the stock: the play of a card
  // the stock will bring to the top of the waste. The searches branch on
  // such plays instead of on single presses; a found line is given out as
  // single moves (primitiveLine), so it replays through the command driver.
  int presses = 0;

  bool operator==(const SolverMove&) const = default;
};

// "move 12 Fila3", "click 40", "stock" (for a move without presses).
std::string commandText(const SolverMove& move);
// The line with every play after presses spelt out as its presses and drag.
std::vector<SolverMove> primitiveLine(const std::vector<SolverMove>& line);
// The move a command text names; nothing for any other text.
std::optional<SolverMove> moveFromText(const std::string& text);

}  // namespace kes::solver
