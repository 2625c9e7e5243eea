#include "cli/demo_replay.h"

#include "engine/deal_generator.h"

namespace kes::cli {

std::string replayDemoMoves(const GameParams& params, const DemoMoves& demo, PlayDriver& driver) {
  const auto dealNumber = normalizeDealNumber(demo.dealNumber);
  if (!dealNumber) return "the deal number " + demo.dealNumber + " is not a game number";
  driver.session().state().prefs.autoplay = false;
  if (std::string error = driver.session().start(params, *dealNumber); !error.empty())
    return "the deal failed: " + error;
  for (std::size_t i = 0; i < demo.moves.size(); ++i) {
    const std::vector<std::string> answer = driver.execute(demo.moves[i]);
    if (answer.empty() || answer.back() != "ok")
      return "move " + std::to_string(i + 1) + " '" + demo.moves[i] + "' " +
             (answer.empty() ? std::string("gave no answer") : "answered '" + answer.back() + "'");
    if (driver.session().state().won && i + 1 < demo.moves.size())
      return "the game is won after move " + std::to_string(i + 1) + ", before the list ends";
  }
  const bool won = driver.session().state().won;
  if (won != demo.won)
    return won ? "the list says the game is lost, but it ends won" : "the moves do not win the game";
  return {};
}

}  // namespace kes::cli
