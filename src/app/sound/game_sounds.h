#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/engine_events.h"

namespace kes {

class ConfigRecord;
class SoundPlayer;
class TableWidget;

// Plays the sounds of the game in step with what the table shows. The
// engine reports a move and its sound at once, before the card has flown;
// each sound therefore waits in the table's animation queue behind the
// flights reported before it, so that three cards turned from the stock
// give three sounds as they land. Listens after the table.
class GameSounds : public EngineEvents {
 public:
  GameSounds(SoundPlayer& player, TableWidget& table, const ConfigRecord& config);

  void sound(const std::string& file, const std::string& switchKey) override;
  void wasteTurnover(bool starting) override;

  // The sound of a new game, before the deal, which waits for it.
  void newGame();
  // A new deal is being animated: the riffle runs until its last card lands.
  void dealAnimated();
  // Lifting and putting back cards, heard only while the held cards cast
  // a shadow ("Cards_Shadowed").
  void cardsLifted();
  void cardsPutBack();

 private:
  // Runs `step` once the table has shown what came before; never after
  // this object is gone.
  void afterTable(std::function<void()> step);
  bool shadowed() const;

  SoundPlayer& player_;
  TableWidget& table_;
  const ConfigRecord& config_;
  bool turnover_ = false;
  bool turnoverLooping_ = false;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// The hi-score table's sound, for the dialog that shows it: "Scores.wav"
// for a new entry while "Sounds_NewHiScores" is on, otherwise "Hi-Scor"
// under "Sounds_HiScores".
void playHiScoreSound(SoundPlayer& player, bool newEntry);

}  // namespace kes
