#include "solver_move.h"

namespace kes::solver {

std::string commandText(const SolverMove& move) {
  switch (move.kind) {
    case MoveKind::Drag: return "move " + std::to_string(move.card) + " " + pileName(move.target);
    case MoveKind::Click: return "click " + std::to_string(move.card);
    case MoveKind::Stock: break;
  }
  return "stock";
}

}  // namespace kes::solver
