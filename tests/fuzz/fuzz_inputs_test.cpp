// Every kept input of every fuzz target, fed through the same entry as the
// fuzzer feeds it: the committed corpus of good files and each input a
// fuzzer once found to fail. A failure aborts, which fails the test.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "fuzz_support.h"

namespace kes::fuzz {
namespace {

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.') files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

class KeptInputs : public ::testing::TestWithParam<std::string> {};

TEST_P(KeptInputs, GoThroughTheirReader) {
  const Target* target = findTarget(GetParam());
  ASSERT_NE(target, nullptr);
  const std::filesystem::path root = KES_FUZZ_INPUTS;
  const auto corpus = inputsIn(root / "corpus" / GetParam());
  // A fuzzer starts from good files; every target has some.
  EXPECT_FALSE(corpus.empty()) << "no corpus for " << GetParam();
  auto inputs = corpus;
  const auto regressions = inputsIn(root / "regressions" / GetParam());
  inputs.insert(inputs.end(), regressions.begin(), regressions.end());
  for (const auto& file : inputs) {
    SCOPED_TRACE(file.string());
    clearScratch();
    target->run(readBytes(file));
  }
}

std::vector<std::string> targetNames() {
  std::vector<std::string> names;
  for (const Target& t : targets()) names.emplace_back(t.name);
  return names;
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, KeptInputs, ::testing::ValuesIn(targetNames()),
                         [](const auto& target) { return target.param; });

}  // namespace
}  // namespace kes::fuzz
