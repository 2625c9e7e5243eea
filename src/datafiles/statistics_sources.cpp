#include "statistics_sources.h"

#include <array>
#include <random>

#include "datafiles/catalogue_params.h"
#include "datafiles/custom_games_file.h"
#include "engine/custom_rules.h"

namespace kes {

namespace {

constexpr int kCardsParameter = 265;
constexpr int kOnePack = 52;

}  // namespace

std::function<int(int game)> cardsInGameLookup(std::shared_ptr<const CatalogueText> catalogue,
                                               std::filesystem::path customGamesFile) {
  return [catalogue = std::move(catalogue), customGamesFile = std::move(customGamesFile)](int game) {
    if (!catalogue) return kOnePack;
    int column = game;
    if (game >= kFirstCustomGame) {
      const auto custom = findCustomGame(customGamesFile, game);
      if (!custom) return kOnePack;
      column = custom->baseGame;
    }
    const std::array<int, 1> wanted{kCardsParameter};
    const auto read = readParameters(*catalogue, column, wanted);
    return read.ok() && !read.values.empty() && read.values[0] > 0 ? read.values[0] : kOnePack;
  };
}

std::function<int()> randomFillerDigits() {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  return [engine] { return std::uniform_int_distribution<int>(0, 8)(*engine); };
}

StatisticsFiles statisticsFilesOf(const DataDirs& dirs, MessageSink& messages,
                                  std::shared_ptr<const CatalogueText> catalogue) {
  StatisticsFiles files;
  files.folder = dirs.dataFolder();
  files.messages = &messages;
  files.now = localTimeNow;
  files.fillerDigit = randomFillerDigits();
  files.cardsInGame = cardsInGameLookup(std::move(catalogue), dirs.writable / kCustomGamesFileName);
  return files;
}

}  // namespace kes
