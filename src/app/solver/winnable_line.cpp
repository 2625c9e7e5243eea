#include "app/solver/winnable_line.h"

namespace kes {

void WinnableLine::reset() {
  line_.clear();
  current_ = -1;
}

int WinnableLine::arrive(const std::string& key) {
  for (std::size_t i = 0; i < line_.size(); ++i) {
    if (line_[i].key != key) continue;
    current_ = static_cast<int>(i);
    return current_;
  }
  line_.resize(static_cast<std::size_t>(current_ + 1));
  line_.push_back({key, std::nullopt});
  current_ = static_cast<int>(line_.size()) - 1;
  return current_;
}

void WinnableLine::setVerdict(int index, solver::Verdict verdict) {
  if (index >= 0 && index < static_cast<int>(line_.size())) line_[static_cast<std::size_t>(index)].verdict = verdict;
}

std::optional<solver::Verdict> WinnableLine::verdictAt(int index) const {
  if (index < 0 || index >= static_cast<int>(line_.size())) return std::nullopt;
  return line_[static_cast<std::size_t>(index)].verdict;
}

std::optional<int> WinnableLine::lostSinceMove() const {
  if (current_ < 0 || line_[static_cast<std::size_t>(current_)].verdict != solver::Verdict::Lost) return std::nullopt;
  // A lost position has only lost ones after it, so the walk back stops at
  // the last position that was not proved lost.
  int first = current();
  while (first > 0 && line_[static_cast<std::size_t>(first - 1)].verdict == solver::Verdict::Lost) --first;
  if (first == 0) return 0;
  if (line_[static_cast<std::size_t>(first - 1)].verdict != solver::Verdict::Won) return std::nullopt;
  return first;
}

}  // namespace kes
