// *.GAM: a saved game read, written back and read again to the same game;
// then loaded by path against the built catalogue as the program loads it,
// refused with a message that names the file, or resumed and played on with
// every card on the table exactly once through undo and redo.
#include <random>

#include "built_catalogue.h"
#include "datafiles/saved_game_file.h"
#include "datafiles/saved_game_load.h"
#include "engine_play.h"

namespace kes::fuzz {
namespace {

bool sameAppearance(const SavedAppearance& a, const SavedAppearance& b) {
  return a.backgroundBitmap == b.backgroundBitmap && a.backgroundColour == b.backgroundColour &&
         a.useDefaultBackground == b.useDefaultBackground && a.cardSize == b.cardSize && a.faceSet == b.faceSet &&
         a.backDesign == b.backDesign;
}

bool sameGame(const SavedGame& a, const SavedGame& b) {
  return a.game == b.game && sameAppearance(a.appearance, b.appearance) && a.elapsedSeconds == b.elapsedSeconds &&
         a.scoringSystem == b.scoringSystem && a.score == b.score && a.passNumber == b.passNumber &&
         a.playerName == b.playerName && a.dealNumber == b.dealNumber && a.foundationBases == b.foundationBases &&
         a.table == b.table && a.undo.snapshots == b.undo.snapshots && a.undo.log.text() == b.undo.log.text();
}

void readsBackAsWritten(std::string_view data) {
  const SavedGameParse parse = parseSavedGame(data);
  if (!parse.game) {
    check(!parse.problem.empty(), "a file refused without saying why");
    return;
  }
  const SavedGameParse again = parseSavedGame(formatSavedGame(*parse.game));
  check(again.game.has_value(), "a game read is refused once written: " + again.problem);
  check(sameGame(*parse.game, *again.game), "a game read is not the same once written and read again");
}

// The commands played after loading come from the file's bytes through a
// fixed hash, so that the same file always plays the same way.
std::string choicesFor(std::string_view data) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : data) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  std::mt19937_64 rng(hash);
  std::string choices(600, '\0');
  for (char& c : choices) c = static_cast<char>(rng() & 0xff);
  return choices;
}

}  // namespace

void savedGameFile(std::string_view data) {
  const BuiltCatalogue& catalogue = builtCatalogue();
  readsBackAsWritten(data);

  const auto path = scratch() / "GAME.GAM";
  writeBytes(path, data);
  const SavedGameLoad load = loadSavedGame(path, [&](int game) { return catalogue.find(game); });
  if (!load.ok()) {
    check(load.error.find(path.string()) != std::string::npos, "a refusal that does not name the file: " + load.error);
    return;
  }
  const std::string choiceBytes = choicesFor(data);
  InputReader choices(choiceBytes);
  cli::PlayDriver d;
  d.session().state().prefs.autoplay = choices.below(2) == 1;
  d.session().state().prefs.scoring = load.saved->scoringSystem != 0;
  const std::string error = d.session().resume(load.params, resumePointOf(*load.saved));
  check(error.empty(), "a game that loaded does not resume: " + error);
  playOn(d, choices, true);
}

}  // namespace kes::fuzz
