#include "key_table.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace kes::solver {

namespace {

constexpr std::size_t kFirstSlots = 1024;  // a power of two

}  // namespace

bool KeyTable::insert(std::string_view key) {
  if (key.empty()) throw std::invalid_argument("an empty position key");
  // At most half the slots in use keeps the probe runs short.
  if (static_cast<std::size_t>(count_ + 1) * 2 > slots_.size()) grow();
  const std::uint64_t hash = std::hash<std::string_view>{}(key);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = slots_[i];
    if (slot.length == 0) {
      slot = {hash, keys_.size(), key.size()};
      keys_.insert(keys_.end(), key.begin(), key.end());
      ++count_;
      return true;
    }
    if (slot.hash == hash && keyAt(slot) == key) return false;
  }
}

void KeyTable::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? kFirstSlots : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.length == 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].length != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void KeyTable::clear() {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  keys_.clear();
  count_ = 0;
}

std::int64_t KeyTable::bytes() const {
  return static_cast<std::int64_t>(keys_.capacity() + slots_.capacity() * sizeof(Slot));
}

}  // namespace kes::solver
