#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kes::solver {

// The set of position keys a search has met. The keys lie end to end in one
// block and the slots of an open-addressing table point into it with each
// key's hash beside: a key costs no allocation of its own, and a search
// adds or looks up one key for every move it plays.
class KeyTable {
 public:
  // Adds the key; false when it was there already.
  bool insert(std::string_view key);
  // Forgets every key, keeping the memory for the next search.
  void clear();
  std::int64_t size() const { return count_; }
  // What the keys' block and the slots hold (their capacity).
  std::int64_t bytes() const;

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;  // 0: an empty slot (no key is empty)
  };

  std::string_view keyAt(const Slot& slot) const { return {keys_.data() + slot.offset, slot.length}; }
  void grow();

  std::vector<Slot> slots_;
  std::vector<char> keys_;
  std::int64_t count_ = 0;
};

}  // namespace kes::solver
