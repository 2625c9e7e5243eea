#pragma once

#include <optional>
#include <string>
#include <vector>

#include "solver/solver.h"

namespace kes {

// The positions of the line the player has followed through the current
// deal, each with the solver's verdict once it has one. A position met
// again (after an undo, or a redo) becomes the current one and the line
// stays; a new position cuts the line after the current one and goes on
// from there. So the line up to the current position is the way to the
// position on the table, and a verdict stays with its position when the
// player comes back to it.
class WinnableLine {
 public:
  // The deal starts again from its first position.
  void reset();
  // The position now on the table; its index on the line (0 the deal).
  int arrive(const std::string& key);
  void setVerdict(int index, solver::Verdict verdict);
  std::optional<solver::Verdict> verdictAt(int index) const;
  int current() const { return current_; }
  // The first move after which the game could not be won any more: the
  // move that led from a position known winnable to the first of the lost
  // ones that follow it, when the current position is proved lost.
  std::optional<int> lostSinceMove() const;

 private:
  struct Entry {
    std::string key;
    std::optional<solver::Verdict> verdict;
  };
  std::vector<Entry> line_;
  int current_ = -1;
};

}  // namespace kes
