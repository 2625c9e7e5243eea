#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "key_table.h"
#include "solver.h"

namespace kes::solver {

// A saved position a search holds (the card table with its piles, the log,
// the moves still to try), counted against the memory cap: a round figure
// above what the largest two-pack table takes.
inline constexpr std::int64_t kSavedPositionBytes = 16 * 1024;

// The positions a search has met and what it has spent of its budget:
// positions, the memory of its table, time, and the cancel flag.
class SearchLimits {
 public:
  SearchLimits(const Budget& budget, const std::atomic<bool>* cancel);

  // Counts the position when it was never met; false when it was.
  bool meet(std::string_view key);
  // Forgets the positions met (a search that starts again), keeping the
  // positions counted and the time spent against the budget.
  void forget();
  // Ends the current search after this many more positions (counted from
  // now) without ending the budget; 0 lifts the cap.
  void capRun(std::int64_t positions) { runEnd_ = positions > 0 ? states_ + positions : 0; }
  bool runCapped() const { return runEnd_ > 0 && states_ >= runEnd_; }
  std::int64_t states() const { return states_; }
  std::int64_t elapsedMs() const;
  // True, with the reason, when a limit is reached; heldBytes is what the
  // search holds beside its table of positions (its path, its beam).
  bool spent(std::int64_t heldBytes, std::string& reason) const;

 private:
  Budget budget_;
  const std::atomic<bool>* cancel_;
  std::chrono::steady_clock::time_point start_;
  KeyTable seen_;
  std::int64_t states_ = 0;
  std::int64_t runEnd_ = 0;
};

}  // namespace kes::solver
