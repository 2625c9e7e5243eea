#include "game_facts.h"

#include <array>
#include <vector>

#include "datafiles/catalogue_params.h"
#include "engine/game_params.h"
#include "engine/rule_customization.h"

namespace kes {

namespace {

constexpr int kCardsPerDeck = 52;
constexpr const char* kCustomized = "Customized game";
constexpr const char* kDisabledPicture = "PROG_DISABLED";

struct Rating {
  const char* text;
  const char* picture;
};

constexpr std::array kDifficulty{Rating{"Easy", "PROG_DIFF_EASY"}, Rating{"Medium", "PROG_DIFF_MEDIUM"},
                                 Rating{"Hard", "PROG_DIFF_HARD"}};
constexpr std::array kChance{Rating{"Very high", "PROG_CHAN_VERYHIGH"}, Rating{"High", "PROG_CHAN_HIGH"},
                             Rating{"Medium", "PROG_CHAN_MEDIUM"}, Rating{"Low", "PROG_CHAN_LOW"},
                             Rating{"Very low", "PROG_CHAN_VERYLOW"}};
constexpr std::array kTime{Rating{"Long", "PROG_TIME_LONG"}, Rating{"Medium", "PROG_TIME_MEDIUM"},
                           Rating{"Quick", "PROG_TIME_QUICK"}};

// A rating the catalogue holds out of range shows nothing.
template <std::size_t N>
Rating rated(const std::array<Rating, N>& ratings, int value) {
  return value >= 0 && static_cast<std::size_t>(value) < N ? ratings[static_cast<std::size_t>(value)] : Rating{"", ""};
}

// The stock passes a custom game is played with: its own where its base
// game lets the player change them, else the base game's.
std::optional<int> customPasses(const CatalogueText& catalogue, const CustomGame& custom) {
  GameParams params;
  SavedPileParams saved;
  if (!loadGameParams(catalogue, custom.number, CustomGameRules{custom.baseGame, custom.ruleString}, params, saved).ok())
    return std::nullopt;
  return params[Param::StockPasses];
}

}  // namespace

GameFacts gameFacts(const CatalogueText& catalogue, int game, const std::optional<CustomGame>& custom) {
  GameFacts facts;
  const int column = custom ? custom->baseGame : game;
  const std::vector<int> wanted{Param::CardCount,  Param::StockPasses,     Param::PlayingTime, Param::Difficulty,
                                Param::ChanceOfWinning, Param::OddsWins, Param::OddsGames};
  const ParametersRead read = readParameters(catalogue, column, wanted);
  if (!read.ok() || read.values[0] <= 0) return facts;
  const auto value = [&](std::size_t i) { return read.values[i]; };
  facts.available = true;
  facts.previewGame = column;
  facts.decks = std::to_string(value(0) / kCardsPerDeck);
  int passes = value(1);
  if (custom)
    if (const auto own = customPasses(catalogue, *custom)) passes = *own;
  facts.redeals = redealsText(passes);
  if (custom) {
    facts.difficulty = facts.chance = facts.time = kCustomized;
    facts.difficultyPicture = facts.chancePicture = facts.timePicture = kDisabledPicture;
    return facts;
  }
  const Rating time = rated(kTime, value(2));
  const Rating difficulty = rated(kDifficulty, value(3));
  const Rating chance = rated(kChance, value(4));
  facts.time = time.text;
  facts.timePicture = time.picture;
  facts.difficulty = difficulty.text;
  facts.difficultyPicture = difficulty.picture;
  facts.chance = chance.text;
  facts.chancePicture = chance.picture;
  if (value(6) != 0)
    facts.chance += " (about " + std::to_string(value(5)) + " in " + std::to_string(value(6)) + ")";
  return facts;
}

}  // namespace kes
