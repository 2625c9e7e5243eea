// The libFuzzer driver of one target, named at compile time.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const kes::fuzz::Target* target = kes::fuzz::findTarget(KES_FUZZ_TARGET);
  if (target == nullptr) kes::fuzz::fail("no fuzz target " KES_FUZZ_TARGET);
  kes::fuzz::clearScratch();
  target->run(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
