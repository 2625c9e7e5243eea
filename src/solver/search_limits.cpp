#include "search_limits.h"

namespace kes::solver {

namespace {

constexpr std::int64_t kBytesPerMb = 1024 * 1024;
// The clock is read every so many positions: reading it costs more than
// a position of the quick games.
constexpr int kClockCheckEvery = 64;

}  // namespace

SearchLimits::SearchLimits(const Budget& budget, const std::atomic<bool>* cancel)
    : budget_(budget), cancel_(cancel), start_(std::chrono::steady_clock::now()) {}

bool SearchLimits::meet(std::string_view key) {
  if (!seen_.insert(key)) return false;
  ++states_;
  return true;
}

void SearchLimits::forget() { seen_.clear(); }

std::int64_t SearchLimits::elapsedMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
}

bool SearchLimits::spent(std::int64_t heldBytes, std::string& reason) const {
  if (cancel_ && cancel_->load(std::memory_order_relaxed)) {
    reason = "the search was cancelled";
    return true;
  }
  if (states_ >= budget_.maxStates) {
    reason = "the state budget ran out (" + std::to_string(budget_.maxStates) + " positions)";
    return true;
  }
  if (seen_.bytes() + heldBytes >= budget_.maxMb * kBytesPerMb) {
    reason = "the memory budget ran out (" + std::to_string(budget_.maxMb) + " MB)";
    return true;
  }
  if (states_ % kClockCheckEvery == 0 && elapsedMs() >= budget_.maxMs) {
    reason = "the time budget ran out (" + std::to_string(budget_.maxMs) + " ms)";
    return true;
  }
  return false;
}

}  // namespace kes::solver
