#include "saved_game_load.h"

#include <vector>

#include "datafiles/file_text.h"
#include "engine/card.h"
#include "engine/game_start.h"

namespace kes {

namespace {

// The first card code found twice or beyond the game's cards in one table
// of pile lines, or the first of the game's cards it lacks, described; empty
// when there is none. A table without one of its cards could never be won,
// and undo would bring the loss back into play.
// The selection list of the pairing games (foundation 1) names cards that
// lie elsewhere; it is checked for range only.
std::string tableProblem(const Snapshot& table, int cardCount, bool selectionList, std::vector<int>& seenIn,
                         int mark) {
  const auto selection = static_cast<std::size_t>(PileId::foundation(0).ordinal());
  for (std::size_t o = 0; o < table.size(); ++o) {
    const std::string& line = table[o];
    const bool counted = !(selectionList && o == selection);
    for (std::size_t g = 0; g + 4 <= line.size(); g += 4) {
      const int code = parseCardCode(line.data() + g);
      if (code < 1) continue;
      if (code > cardCount)
        return "the card code " + cardCodeText(code) + " is out of range: the game has " + std::to_string(cardCount) +
               " cards.";
      if (!counted) continue;
      if (seenIn[static_cast<std::size_t>(code)] == mark) return "the card " + cardCodeText(code) + " lies twice";
      seenIn[static_cast<std::size_t>(code)] = mark;
    }
  }
  for (int code = 1; code <= cardCount; ++code)
    if (seenIn[static_cast<std::size_t>(code)] != mark) return "the card " + cardCodeText(code) + " is not";
  return {};
}

// Where a problem of tableProblem lies: "on the table", "in table 3 of the
// history"; a problem that ends with its full stop says all already.
std::string placed(const std::string& problem, const std::string& where) {
  return problem.back() == '.' ? problem : problem + " " + where + ".";
}

}  // namespace

std::string savedCardsProblem(const SavedGame& saved, const GameParams& params) {
  const int cardCount = params[Param::CardCount];
  const bool selectionList = foundationOneIsSelection(params);
  std::vector<int> seenIn(kMaxCards + 1, -1);
  if (std::string p = tableProblem(saved.table, cardCount, selectionList, seenIn, 0); !p.empty())
    return placed(p, "on the table");
  for (std::size_t s = 0; s < saved.undo.snapshots.size(); ++s) {
    const std::string p = tableProblem(saved.undo.snapshots[s], cardCount, selectionList, seenIn, static_cast<int>(s) + 1);
    if (!p.empty()) return placed(p, "in table " + std::to_string(s + 1) + " of the history");
  }
  return {};
}

SavedGameLoad loadSavedGame(const std::filesystem::path& file, const GameParamsLookup& lookup) {
  SavedGameLoad load;
  const auto bytes = readFileBytes(file);
  if (!bytes) {
    load.error = cannotOpenFileMessage(file);
    return load;
  }
  SavedGameParse parse = parseSavedGame(*bytes);
  if (!parse.game) {
    load.error = savedGameRefusal(file, parse.problem);
    return load;
  }
  const auto params = lookup(parse.game->game);
  if (!params) {
    load.error = savedGameRefusal(file, "there is no game " + std::to_string(parse.game->game) + ".");
    return load;
  }
  if (std::string problem = savedCardsProblem(*parse.game, *params); !problem.empty()) {
    load.error = savedGameRefusal(file, problem);
    return load;
  }
  load.params = *params;
  load.saved = std::move(parse.game);
  return load;
}

SavedGame savedGameOf(const GameState& game, int gameNumber, int elapsedSeconds) {
  SavedGame saved;
  saved.game = gameNumber;
  saved.elapsedSeconds = elapsedSeconds;
  saved.score = game.score;
  saved.passNumber = game.passNumber;
  saved.table = takeSnapshot(game.table);
  saved.undo = game.history.undo;
  for (std::size_t f = 0; f < saved.foundationBases.size(); ++f)
    saved.foundationBases[f] = game.params[Param::foundationBase(static_cast<int>(f))];
  return saved;
}

}  // namespace kes
