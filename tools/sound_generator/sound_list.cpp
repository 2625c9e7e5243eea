#include "sound_list.h"

namespace kes::gen {

namespace {

// Pitches of the chimes (a major scale around C5).
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.26;
constexpr double kG5 = 783.99;
constexpr double kA5 = 880.00;
constexpr double kC6 = 1046.50;
constexpr double kE6 = 1318.51;
constexpr double kG4 = 392.00;

// Most sounds peak a little below half of full scale: clear, never harsh.
constexpr double kPeak = 0.45;
constexpr double kSoftPeak = 0.35;

Samples finished(Samples s, double peak = kPeak) {
  finish(s, peak);
  return s;
}

// A card lifted off the table: a light, high click.
Samples cardUp() {
  Samples s;
  addBurst(s, 0, {0.5, 0.035, 0.007, 0.001, 7000, 1500, 11});
  return finished(s, kSoftPeak);
}

// A card put back: a soft, low tap.
Samples cardDown() {
  Samples s;
  addBurst(s, 0, {0.6, 0.07, 0.014, 0.001, 2500, 150, 12});
  addTone(s, 0, {170, 0.25, 0.07, 0.02, 0.002, -300});
  return finished(s, kSoftPeak);
}

// A card laid on a pile: the slap of card on card.
Samples tableau() {
  Samples s;
  addBurst(s, 0, {0.6, 0.08, 0.016, 0.001, 4500, 300, 21});
  addTone(s, 0, {220, 0.15, 0.06, 0.015, 0.001, -400});
  return finished(s);
}

// A card on a foundation: the slap and a small bell.
Samples foundation() {
  Samples s;
  addBurst(s, 0, {0.5, 0.06, 0.012, 0.001, 5000, 400, 31});
  addChime(s, 0.02, kE6, 0.25, 0.22);
  return finished(s);
}

// A card sent up by autoplay: a lighter tick and a higher bell.
Samples autoplay() {
  Samples s;
  addBurst(s, 0, {0.35, 0.04, 0.008, 0.001, 6000, 800, 41});
  addChime(s, 0.01, kG5 * 2, 0.2, 0.18);
  return finished(s, kSoftPeak);
}

// A card turned from the stock: a quick flick.
Samples stock() {
  Samples s;
  addBurst(s, 0, {0.5, 0.05, 0.012, 0.006, 6500, 900, 51});
  addBurst(s, 0.018, {0.3, 0.03, 0.008, 0.001, 3500, 300, 52});
  return finished(s);
}

// A card turned face up in place: a crisp flip.
Samples faceUp() {
  Samples s;
  addBurst(s, 0, {0.45, 0.045, 0.01, 0.004, 8000, 1200, 61});
  addTone(s, 0.004, {1400, 0.06, 0.04, 0.01, 0.002, 2000});
  return finished(s, kSoftPeak);
}

// One riffle of cards falling on each other: many small clicks. As a loop
// it runs on for as long as a deal takes; every click dies away before the
// end, so the join is silent.
Samples riffle(double seconds, int clicks, std::uint32_t seed) {
  Samples s;
  reserve(s, 0, samplesFor(seconds));
  Noise timing(seed);
  const double step = seconds / clicks;
  for (int i = 0; i < clicks; ++i) {
    const double jitter = step * 0.25 * (timing.next() + 1) / 2;
    const double level = 0.35 + 0.15 * (timing.next() + 1) / 2;
    addBurst(s, i * step + jitter, {level, step * 0.6, step * 0.12, 0.001, 6000, 700, seed + static_cast<std::uint32_t>(i)});
  }
  s.resize(static_cast<std::size_t>(samplesFor(seconds)));
  return s;
}

Samples shuffle() { return finished(riffle(0.48, 16, 71)); }

// The waste swept back onto the stock: a soft, even swish, looped while
// the cards fly.
Samples redeal() {
  Samples s;
  constexpr double kSeconds = 0.36;
  reserve(s, 0, samplesFor(kSeconds));
  for (int i = 0; i < 4; ++i) addBurst(s, i * 0.09, {0.35, 0.085, 0.03, 0.02, 3000, 400, 81u + static_cast<std::uint32_t>(i)});
  s.resize(static_cast<std::size_t>(samplesFor(kSeconds)));
  return finished(s, kSoftPeak);
}

// A new game: a short riffle (the deal waits for it, so it stays brief).
Samples newGame() { return finished(riffle(0.2, 7, 91)); }

// The deal gathered and dealt again.
Samples restart() {
  Samples s = riffle(0.22, 8, 101);
  addTone(s, 0.16, {kG4, 0.2, 0.12, 0.04, 0.004, 0});
  return finished(s);
}

// Taking a move back: a blip that falls.
Samples undo() {
  Samples s;
  addTone(s, 0, {900, 0.3, 0.09, 0.035, 0.004, -2500});
  return finished(s, kSoftPeak);
}

// Doing it again: a blip that rises.
Samples redo() {
  Samples s;
  addTone(s, 0, {650, 0.3, 0.09, 0.035, 0.004, 2500});
  return finished(s, kSoftPeak);
}

// Cards sorted on a foundation: three quick ticks.
Samples reorder() {
  Samples s;
  for (int i = 0; i < 3; ++i) addBurst(s, i * 0.05, {0.4, 0.04, 0.008, 0.001, 7000, 1000, 111u + static_cast<std::uint32_t>(i)});
  return finished(s, kSoftPeak);
}

// A card swept onto the second waste: a short swish.
Samples eddy() {
  Samples s;
  addBurst(s, 0, {0.5, 0.14, 0.05, 0.03, 4000, 600, 121});
  return finished(s, kSoftPeak);
}

// Cards paired off: two bells a third apart.
Samples pairing() {
  Samples s;
  addChime(s, 0, kC6, 0.3, 0.25);
  addChime(s, 0.07, kE6, 0.3, 0.3);
  return finished(s);
}

// A rising arpeggio; the last note rings longest.
Samples arpeggio(const std::vector<double>& notes, double step, double ring) {
  Samples s;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const bool last = i + 1 == notes.size();
    addChime(s, static_cast<double>(i) * step, notes[i], 0.3, last ? ring : step * 3);
  }
  return s;
}

Samples won() {
  Samples s = arpeggio({kC5, kE5, kG5, kC6, kE6}, 0.11, 0.9);
  addChime(s, 0.44, kG5, 0.2, 0.9);
  return finished(s);
}

Samples hiScores() { return finished(arpeggio({kG5, kC6, kE6}, 0.09, 0.5)); }

Samples newHiScore() {
  Samples s = arpeggio({kC5, kE5, kG5, kC6}, 0.08, 0.45);
  addChime(s, 0.4, kE6, 0.25, 0.5);
  addChime(s, 0.4, kG5, 0.2, 0.5);
  return finished(s);
}

// The about box: one soft chord.
Samples about() {
  Samples s;
  addChime(s, 0, kC5, 0.25, 0.7);
  addChime(s, 0.03, kE5, 0.2, 0.7);
  addChime(s, 0.06, kA5, 0.2, 0.7);
  return finished(s, kSoftPeak);
}

// The program starting: a riffle opening into a chord.
Samples splash() {
  Samples s = riffle(0.25, 9, 131);
  addChime(s, 0.22, kC5, 0.3, 0.8);
  addChime(s, 0.28, kG5, 0.25, 0.75);
  addChime(s, 0.34, kC6, 0.25, 0.7);
  return finished(s);
}

}  // namespace

const std::vector<SoundRecipe>& soundRecipes() {
  static const std::vector<SoundRecipe> recipes{
      {"About.wav", about},       {"Autoplay.wav", autoplay}, {"card_down.wav", cardDown},
      {"card_up.wav", cardUp},    {"Eddy.wav", eddy},         {"Face_up.wav", faceUp},
      {"Foundation.wav", foundation}, {"Hi-Scor.wav", hiScores}, {"New.wav", newGame},
      {"Pairing.wav", pairing},   {"Redeal.wav", redeal, true}, {"Redo.wav", redo},
      {"Reorder.wav", reorder},   {"Restart.wav", restart},   {"Scores.wav", newHiScore},
      {"Shuffle.wav", shuffle, true}, {"Splash.wav", splash}, {"Stock.wav", stock},
      {"Tableau.wav", tableau},   {"Undo.wav", undo},         {"Won.wav", won},
  };
  return recipes;
}

}  // namespace kes::gen
