#include "app_context.h"

#include "datafiles/custom_games_file.h"
#include "datafiles/data_location.h"

namespace kes {

bool AppContext::readCatalogue() {
  auto text = kes::readCatalogue(catalogueFile(dirs.install));
  if (!text) return false;
  catalogue = std::move(*text);
  games = loadGameList(catalogue);
  return true;
}

std::filesystem::path AppContext::settingsPath() const { return settingsFilePath(config); }

std::filesystem::path AppContext::customGamesPath() const { return dirs.writable / kCustomGamesFileName; }

CustomGameNames customGameNamesOf(const std::filesystem::path& customGamesFile) {
  return {
      [customGamesFile](int number) { return customGameName(customGamesFile, number); },
      [customGamesFile](std::string_view name) { return customGameNumberByName(customGamesFile, name); },
  };
}

}  // namespace kes
