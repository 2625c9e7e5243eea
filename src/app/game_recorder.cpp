#include "app/game_recorder.h"

#include "datafiles/config_field.h"
#include "datafiles/player_name.h"
#include "datafiles/whole_number.h"

namespace kes {

GameResult GameRecorder::identityInRecord() const {
  GameResult identity;
  const auto game = wholeNumber(config_.get(Field::CurrentGame));
  identity.game = game ? static_cast<int>(*game) : -1;
  identity.gameName = config_.get(Field::GameTitle);
  identity.player = recordablePlayerName(config_.get(Field::PlayerName));
  identity.dealNumber = config_.get(Field::DealNumber);
  const std::string scoring = config_.get(Field::ScoringSystem);
  if (!scoring.empty()) identity.scoringSystem = scoring;
  return identity;
}

RecordedResult GameRecorder::record(const GameState& game, bool won, int seconds) {
  GameResult result = identity_.value_or(identityInRecord());
  identity_.reset();
  result.score = game.score;
  result.won = won;
  result.seconds = seconds;
  return recordResult(files_, result, config_);
}

}  // namespace kes
