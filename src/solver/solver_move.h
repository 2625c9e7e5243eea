#pragma once

#include <optional>
#include <string>

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

  bool operator==(const SolverMove&) const = default;
};

// "move 12 Fila3", "click 40", "stock".
std::string commandText(const SolverMove& move);
// The move a command text names; nothing for any other text.
std::optional<SolverMove> moveFromText(const std::string& text);

}  // namespace kes::solver
