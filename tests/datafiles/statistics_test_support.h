#pragma once

#include <filesystem>
#include <string>

#include "data_file_helpers.h"
#include "datafiles/statistics_files.h"
#include "test_temp_dir.h"

namespace kes::testing {

// The four statistics files in a fresh folder, with a fixed clock, filler
// digits that run through 0 to 8 and a one-pack game.
class StatisticsFolder {
 public:
  StatisticsFolder() {
    files.folder = tmp.path() / "DATA";
    files.messages = &sink;
    files.now = [] { return StampedTime{"20261209", "18:30:05"}; };
    files.fillerDigit = [this] { return next_++ % 9; };
    files.cardsInGame = [](int game) { return game == 4 ? 104 : 52; };
    std::filesystem::create_directories(files.folder);
  }

  std::string bytes(const std::filesystem::path& path) const { return readBytes(path); }

  TempDir tmp;
  RecordingSink sink;
  StatisticsFiles files;

 private:
  int next_ = 0;
};

}  // namespace kes::testing
