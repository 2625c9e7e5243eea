#include "solver/solver_test_support.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "cli/catalogue_commands.h"
#include "cli/game_play.h"

namespace kes::solver {

GameParams catalogueGame(int game) {
  std::istringstream in;
  std::ostringstream out, err;
  const char* dataDir = std::getenv("KESTROVA_TEST_DATA");
  cli::CliContext ctx{{}, DataDirs{dataDir ? dataDir : "", ""}, in, out, err};
  const auto params = cli::loadGameForCommand(ctx, std::to_string(game), "solve");
  if (!params) throw std::runtime_error("cannot load game " + std::to_string(game) + ": " + err.str());
  return *params;
}

std::string replayFailure(int game, long long deal, const SolveResult& result) {
  cli::GamePlay play(game, deal);
  if (!play.startError().empty()) return "start: " + play.startError();
  for (std::size_t i = 0; i < result.moves.size(); ++i) {
    const std::string line = commandText(result.moves[i]);
    const std::string answer = play.run(line);
    if (answer != "ok") return "line " + std::to_string(i + 1) + " '" + line + "' answered '" + answer + "'";
  }
  const std::string state = play.table().state;
  return state == "won" ? "" : "the line ends with state=" + state;
}

}  // namespace kes::solver
