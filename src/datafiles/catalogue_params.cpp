#include "catalogue_params.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "datafiles/catalogue_codec.h"
#include "engine/rule_customization.h"

namespace kes {

namespace {

constexpr std::size_t kNumberWidth = 4;
constexpr std::size_t kFirstCell = 16;  // game 0's cell, 0-based
constexpr std::size_t kCellPitch = 11;
constexpr std::size_t kCellWidth = 10;

std::string cellError(const CatalogueText& catalogue, int parameter, int game, const std::string& what) {
  return catalogue.file.string() + ": parameter " + std::to_string(parameter) + " of game " + std::to_string(game) +
         ": " + what;
}

struct Cell {
  std::int16_t value = 0;
  std::string error;
};

// The restored cell of one game in one "[Sect2]" line, as a 16-bit integer.
Cell readCell(const CatalogueText& catalogue, const std::string& line, int parameter, int game) {
  const std::size_t start = kFirstCell + kCellPitch * static_cast<std::size_t>(game);
  if (start >= line.size()) return {0, cellError(catalogue, parameter, game, "the catalogue has no value for this game")};
  const std::string text = restoreCatalogueText(std::string_view(line).substr(start, kCellWidth));
  const auto value = parseCatalogueNumber(text);
  if (!value) return {0, cellError(catalogue, parameter, game, "'" + text + "' is not an integer")};
  if (*value < std::numeric_limits<std::int16_t>::min() || *value > std::numeric_limits<std::int16_t>::max())
    return {0, cellError(catalogue, parameter, game, "'" + text + "' is outside 16 bits")};
  return {static_cast<std::int16_t>(*value), {}};
}

std::string noSuchGame(int game) { return "game " + std::to_string(game) + " is not a catalogue game number"; }

bool validColumn(int game) { return game >= 0 && game < kFirstCustomGame; }

}  // namespace

ParametersRead readParameters(const CatalogueText& catalogue, int game, std::span<const int> parameters) {
  ParametersRead result{std::vector<int>(parameters.size(), kParameterNotRead), {}};
  if (!validColumn(game)) return {{}, noSuchGame(game)};
  const std::vector<const std::string*> matrix = sectionLineRefs(catalogue.lines, kParameterHeader);
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const int p = parameters[i];
    if (p == kSkipParameter) continue;
    if (p < 1 || static_cast<std::size_t>(p) > matrix.size())
      return {{}, cellError(catalogue, p, game, "the catalogue has no such parameter")};
    const Cell cell = readCell(catalogue, *matrix[static_cast<std::size_t>(p - 1)], p, game);
    if (!cell.error.empty()) return {{}, cell.error};
    result.values[i] = cell.value;
  }
  return result;
}

LoadResult loadGameParams(const CatalogueText& catalogue, int game, const std::optional<CustomGameRules>& custom,
                          GameParams& params, SavedPileParams& saved) {
  params.clear();
  int column = game;
  if (game >= kFirstCustomGame) {
    if (!custom) return {"custom game " + std::to_string(game) + " was not found"};
    column = custom->baseGame;
  }
  if (!validColumn(column)) return {noSuchGame(column)};

  for (const std::string* entryLine : sectionLineRefs(catalogue.lines, kParameterHeader)) {
    const std::string& line = *entryLine;
    const auto entry = parseCatalogueNumber(std::string_view(line).substr(0, std::min(kNumberWidth, line.size())));
    if (!entry || *entry < 1 || *entry > Param::kLast) {
      params.clear();
      return {catalogue.file.string() + ": the parameter line '" + line.substr(0, kNumberWidth) +
              "' does not name a parameter 1 to " + std::to_string(Param::kLast)};
    }
    const Cell cell = readCell(catalogue, line, static_cast<int>(*entry), column);
    if (!cell.error.empty()) {
      params.clear();
      return {cell.error};
    }
    params[static_cast<int>(*entry)] = cell.value;
  }
  if (custom && game >= kFirstCustomGame) applyOfferedCustomRules(params, custom->ruleString);
  saved.save(params);
  return {};
}

std::vector<int> selectedGames(const CatalogueText& catalogue) {
  std::vector<int> games;
  for (const std::string& line : sectionLines(catalogue.lines, kSelectedGamesHeader))
    if (const auto n = parseCatalogueNumber(restoreCatalogueText(line))) games.push_back(static_cast<int>(*n));
  return games;
}

bool isSelectedGame(const std::vector<int>& selected, int game) {
  return std::find(selected.begin(), selected.end(), game) != selected.end();
}

}  // namespace kes
