#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/play_driver.h"

namespace kes::cli {

// One card as "show" prints it.
struct ShownCard {
  int code = 0;
  bool faceUp = false;
};

// The table as "show" prints it: every pile by name, bottom card first.
struct ShownTable {
  std::map<std::string, std::vector<ShownCard>> piles;
  int score = 0;
  int pass = 0;
  std::string state;

  const std::vector<ShownCard>& pile(const std::string& name) const;
  int size(const std::string& name) const { return static_cast<int>(pile(name).size()); }
  // The top card's code, 0 for an empty pile.
  int top(const std::string& name) const;
  // The cards' codes, bottom first.
  std::vector<int> codes(const std::string& name) const;
  int faceUpCount(const std::string& name) const;
  // The pile that holds the card, empty when none does.
  std::string pileOf(int code) const;
};

// The code of a card named by rank and suit: "AH", "10D", "QC", "KS"; a
// trailing "'" names the second pack's card ("9S'").
int card(const std::string& name);

// Reads the lines of a "show" answer.
ShownTable parseShow(const std::vector<std::string>& lines);

// A catalogue game's rules from the built GAMES.DAT; none when it is not there.
std::optional<GameParams> loadBuiltGame(int game);

// What a game is started with.
struct PlayOptions {
  bool autoplay = false;
  bool automaticFaceUp = true;
};

// A catalogue game from the built GAMES.DAT, dealt with a fixed number and
// played through the command driver.
class GamePlay {
 public:
  GamePlay(int game, long long dealNumber, PlayOptions options = {});

  // The command's result line ("ok", "refused" or "error: ...").
  std::string run(const std::string& command);
  // The commands by card name (see card()).
  std::string move(const std::string& cardName, const std::string& pile);
  std::string click(const std::string& cardName);
  std::string doubleClick(const std::string& cardName);
  // "message: " lines of the commands run since the last call.
  std::vector<std::string> takeMessages();
  ShownTable table();
  PlayDriver& driver() { return driver_; }
  // Lays the cards named, face up, as the whole of the pile, taking each from
  // where it lies; the cards the pile held before go to the bottom of the
  // stock face down. For positions no deal number gives in a few moves.
  void arrange(const std::string& pile, const std::vector<std::string>& cardNames);
  // Whether the game could be loaded and dealt.
  const std::string& startError() const { return startError_; }

 private:
  PlayDriver driver_;
  std::vector<std::string> messages_;
  std::string startError_;
};

}  // namespace kes::cli
