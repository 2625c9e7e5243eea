// The libFuzzer driver of one target, named at compile time.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"

namespace {

const kes::fuzz::Target& target() {
  static const kes::fuzz::Target* found = kes::fuzz::findTarget(KES_FUZZ_TARGET);
  if (found == nullptr) kes::fuzz::fail("no fuzz target " KES_FUZZ_TARGET);
  return *found;
}

}  // namespace

// An empty input first, before the clock of the first unit runs: it loads
// what a target keeps for all inputs (the built catalogue, good files).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  target().run({});
  kes::fuzz::clearScratch();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kes::fuzz::clearScratch();
  target().run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
