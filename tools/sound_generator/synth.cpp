#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kes::gen {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kEdgeFade = 0.003;  // seconds

// One-pole filter coefficient for a corner frequency.
double poleFor(double hertz) { return 1.0 - std::exp(-kTwoPi * hertz / kSampleRate); }

double envelope(double t, double attack, double decay) {
  const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  return rise * std::exp(-t / decay);
}

void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& bytes, const char* tag) { bytes.insert(bytes.end(), tag, tag + 4); }

}  // namespace

float Noise::next() {
  // xorshift32: plenty for noise, and the same everywhere.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_) / 2147483648.0f - 1.0f;
}

int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

void reserve(Samples& out, int start, int length) {
  const auto needed = static_cast<std::size_t>(start + length);
  if (out.size() < needed) out.resize(needed, 0.0f);
}

void addTone(Samples& out, double at, const Tone& tone) {
  const int start = samplesFor(at);
  const int length = samplesFor(tone.seconds);
  reserve(out, start, length);
  double phase = 0;
  for (int i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += kTwoPi * (tone.frequency + tone.glide * t) / kSampleRate;
    out[static_cast<std::size_t>(start + i)] +=
        static_cast<float>(tone.level * envelope(t, tone.attack, tone.decay) * std::sin(phase));
  }
}

void addChime(Samples& out, double at, double frequency, double level, double seconds) {
  addTone(out, at, {frequency, level, seconds, seconds / 3, 0.003, 0});
  addTone(out, at, {frequency * 2, level * 0.35, seconds, seconds / 5, 0.002, 0});
  addTone(out, at, {frequency * 3, level * 0.12, seconds, seconds / 8, 0.002, 0});
}

void addBurst(Samples& out, double at, const Burst& burst) {
  const int start = samplesFor(at);
  const int length = samplesFor(burst.seconds);
  reserve(out, start, length);
  Noise noise(burst.seed);
  const double low = poleFor(burst.lowPass);
  const double high = poleFor(burst.highPass);
  double lowState = 0;
  double highState = 0;
  for (int i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    lowState += low * (noise.next() - lowState);
    highState += high * (lowState - highState);
    const double band = lowState - highState;
    out[static_cast<std::size_t>(start + i)] +=
        static_cast<float>(burst.level * envelope(t, burst.attack, burst.decay) * band * 3.0);
  }
}

void finish(Samples& samples, double peak) {
  const int fade = std::min(samplesFor(kEdgeFade), static_cast<int>(samples.size()) / 2);
  const auto n = static_cast<int>(samples.size());
  for (int i = 0; i < fade; ++i) {
    const float gain = static_cast<float>(i) / static_cast<float>(fade);
    samples[static_cast<std::size_t>(i)] *= gain;
    samples[static_cast<std::size_t>(n - 1 - i)] *= gain;
  }
  float loudest = 0;
  for (const float s : samples) loudest = std::max(loudest, std::abs(s));
  if (loudest <= 0) return;
  const auto scale = static_cast<float>(peak / loudest);
  for (float& s : samples) s *= scale;
}

std::vector<std::uint8_t> waveFile(const Samples& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(44 + dataBytes);
  putTag(bytes, "RIFF");
  putLittleEndian(bytes, 36 + dataBytes, 4);
  putTag(bytes, "WAVE");
  putTag(bytes, "fmt ");
  putLittleEndian(bytes, 16, 4);
  putLittleEndian(bytes, 1, 2);  // PCM
  putLittleEndian(bytes, 1, 2);  // mono
  putLittleEndian(bytes, kSampleRate, 4);
  putLittleEndian(bytes, kSampleRate * 2, 4);
  putLittleEndian(bytes, 2, 2);
  putLittleEndian(bytes, 16, 2);
  putTag(bytes, "data");
  putLittleEndian(bytes, dataBytes, 4);
  for (const float s : samples) {
    const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    putLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
  }
  return bytes;
}

}  // namespace kes::gen
