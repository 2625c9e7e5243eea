#pragma once

#include <cstdint>
#include <vector>

namespace kes::gen {

// Mono samples in -1..1 at one fixed rate, built up by mixing voices in.
inline constexpr int kSampleRate = 22050;

using Samples = std::vector<float>;

// A reproducible noise source (the same sounds on every build).
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  float next();

 private:
  std::uint32_t state_;
};

int samplesFor(double seconds);
// Makes `out` long enough to hold `length` samples from `start`.
void reserve(Samples& out, int start, int length);

// A tone that starts at once and dies away exponentially; `decay` is the
// time in seconds for the level to fall to about a third.
struct Tone {
  double frequency = 440;
  double level = 0.3;
  double seconds = 0.3;
  double decay = 0.1;
  double attack = 0.004;
  double glide = 0;  // frequency change per second (a falling or rising blip)
};
void addTone(Samples& out, double at, const Tone& tone);
// A bell-like tone: the fundamental with two soft partials.
void addChime(Samples& out, double at, double frequency, double level, double seconds);

// A burst of noise shaped by a low-pass and a high-pass filter: a click,
// a thud or a swish depending on the corner frequencies and the length.
struct Burst {
  double level = 0.4;
  double seconds = 0.05;
  double decay = 0.015;
  double attack = 0.001;
  double lowPass = 4000;   // Hz
  double highPass = 200;   // Hz
  std::uint32_t seed = 1;
};
void addBurst(Samples& out, double at, const Burst& burst);

// Short fades at both ends, so that a sound starts and ends on silence
// (and a loop joins without a click), then scaled to a peak level.
void finish(Samples& samples, double peak);

// 16-bit PCM mono wave file bytes.
std::vector<std::uint8_t> waveFile(const Samples& samples);

}  // namespace kes::gen
