#include "app_context.h"

#include "datafiles/custom_games_file.h"
#include "datafiles/data_location.h"

namespace kes {

std::filesystem::path AppContext::settingsPath() const { return settingsFilePath(config); }

std::filesystem::path AppContext::customGamesPath() const { return dirs.writable / kCustomGamesFileName; }

CustomGameNames customGameNamesOf(const std::filesystem::path& customGamesFile) {
  return {
      [customGamesFile](int number) { return customGameName(customGamesFile, number); },
      [customGamesFile](std::string_view name) { return customGameNumberByName(customGamesFile, name); },
  };
}

}  // namespace kes
