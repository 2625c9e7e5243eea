#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace kes::gen {

// One wave file of the SOUNDS folder and how it is made.
struct SoundRecipe {
  std::string file;  // "Stock.wav"
  Samples (*make)();
  // Played over and over (the riffle of a deal, the turnover of the waste):
  // it must join its own start without a click.
  bool loops = false;
};

// Every sound the program plays, in file name order.
const std::vector<SoundRecipe>& soundRecipes();

}  // namespace kes::gen
