// Writes the program's sound effects into the SOUNDS folder.
//
//   kestrova-sounds SOUNDS_DIR
//
// Every sound is synthesised here (filtered noise for clicks, taps and
// riffles, decaying sines for the bells); the output is the same on every
// build.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sound_list.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestrova-sounds SOUNDS_DIR\n");
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  for (const kes::gen::SoundRecipe& recipe : kes::gen::soundRecipes()) {
    const auto bytes = kes::gen::waveFile(recipe.make());
    std::ofstream out(dir / recipe.file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", (dir / recipe.file).c_str());
      return 1;
    }
  }
  return 0;
}
