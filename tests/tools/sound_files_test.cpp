// The wave files the build synthesised into SOUNDS: all 21 present and
// readable as PCM, "New" short (a new game waits for it), loops that join
// without a click, nothing clipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Wave {
  int format = 0;
  int channels = 0;
  int rate = 0;
  int bits = 0;
  std::vector<std::int16_t> samples;
  int milliseconds() const { return rate ? static_cast<int>(samples.size() * 1000 / static_cast<std::size_t>(rate)) : 0; }
};

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int width) {
  std::uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

bool readWave(const fs::path& file, Wave& wave) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + 4));
    const std::uint32_t size = le(b, at + 4, 4);
    if (at + 8 + size > b.size()) return false;
    if (id == "fmt ") {
      wave.format = static_cast<int>(le(b, at + 8, 2));
      wave.channels = static_cast<int>(le(b, at + 10, 2));
      wave.rate = static_cast<int>(le(b, at + 12, 4));
      wave.bits = static_cast<int>(le(b, at + 22, 2));
    } else if (id == "data") {
      for (std::size_t i = 0; i + 1 < size; i += 2)
        wave.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
      return true;
    }
    at += 8 + size + (size & 1);
  }
  return false;
}

fs::path soundsFolder() {
  const char* data = std::getenv("KESTROVA_TEST_DATA");
  return fs::path(data ? data : ".") / "SOUNDS";
}

const std::set<std::string> kExpected{
    "About.wav",   "Autoplay.wav", "card_down.wav", "card_up.wav", "Eddy.wav",    "Face_up.wav", "Foundation.wav",
    "Hi-Scor.wav", "New.wav",      "Pairing.wav",   "Redeal.wav",  "Redo.wav",    "Reorder.wav", "Restart.wav",
    "Scores.wav",  "Shuffle.wav",  "Splash.wav",    "Stock.wav",   "Tableau.wav", "Undo.wav",    "Won.wav"};

Wave load(const std::string& name) {
  Wave wave;
  EXPECT_TRUE(readWave(soundsFolder() / name, wave)) << name;
  return wave;
}

}  // namespace

TEST(SoundFiles, TheFolderHoldsTheTwentyOneSoundsAsPcmWaves) {
  std::set<std::string> found;
  for (const auto& entry : fs::directory_iterator(soundsFolder())) found.insert(entry.path().filename().string());
  EXPECT_EQ(found, kExpected);
  for (const std::string& name : kExpected) {
    const Wave wave = load(name);
    EXPECT_EQ(wave.format, 1) << name;
    EXPECT_EQ(wave.channels, 1) << name;
    EXPECT_EQ(wave.bits, 16) << name;
    EXPECT_GE(wave.rate, 11025) << name;
    EXPECT_GT(wave.milliseconds(), 15) << name;
    EXPECT_LT(wave.milliseconds(), 2000) << name;
    // Audible, never clipped.
    int peak = 0;
    for (const std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 3000) << name;
    EXPECT_LT(peak, 30000) << name;
  }
}

TEST(SoundFiles, NewIsShortBecauseTheDealWaitsForIt) { EXPECT_LE(load("New.wav").milliseconds(), 300); }

TEST(SoundFiles, EverySoundStartsAndEndsOnSilenceSoLoopsJoinCleanly) {
  for (const std::string& name : kExpected) {
    const Wave wave = load(name);
    ASSERT_FALSE(wave.samples.empty()) << name;
    EXPECT_LT(std::abs(static_cast<int>(wave.samples.front())), 200) << name;
    EXPECT_LT(std::abs(static_cast<int>(wave.samples.back())), 200) << name;
  }
}
