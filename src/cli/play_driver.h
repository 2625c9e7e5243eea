#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/saved_game_load.h"
#include "engine/game_session.h"

namespace kes::cli {

// Plays a dealt game from text commands, one per line, as the mouse would:
// "move CARD PILE", "click CARD", "dblclick CARD", "stock", "undo", "redo",
// "restart", "autoplay on|off", "quit" (gives the game up), "save FILE",
// "load FILE" (a saved game; the game it replaces is given up) and "show".
// Every command but "show" answers
// one line: "ok" when the table changed, "refused" when it did not, or
// "error: " and the reason; messages the program would show come first as
// "message: " lines.
class PlayDriver : public EngineEvents, public ResultListener {
 public:
  // Which game is played, by whom, on which deal: what a saved game names
  // and what a result is recorded under. A loaded game changes it.
  struct Identity {
    int game = 0;
    std::string player;
    std::string dealNumber;
  };

  PlayDriver();

  Identity& identity() { return identity_; }
  // Where "load" finds the rules of a saved game's number; without it
  // "load" is refused.
  void setGameLookup(GameParamsLookup lookup) { lookup_ = std::move(lookup); }

  GameSession& session() { return session_; }
  // Answers one command line.
  std::vector<std::string> execute(const std::string& line);
  // Reads commands until end of input.
  void run(std::istream& in, std::ostream& out);

  // What the end of a game reports, to the recorder when there is one.
  using Recorder = std::function<void(const GameState&, bool won, int seconds)>;
  void setRecorder(Recorder recorder) { recorder_ = std::move(recorder); }
  void recordResult(const GameState& game, bool won, int seconds) override {
    outcome_ = won ? "won" : "lost";
    if (recorder_) recorder_(game, won, seconds);
  }
  void message(const std::string& text) override { messages_.push_back(text); }

 private:
  struct CardInPlay {
    int card;
    PileId pile;
  };
  // The card a command names and where it lies; nothing (with the error
  // line to answer) for a card that is unknown or not in play.
  std::optional<CardInPlay> cardInPlay(const std::string& word, std::string& error) const;
  std::vector<std::string> answer(const std::string& result);
  std::string move(const std::vector<std::string>& words);
  std::string click(const std::vector<std::string>& words);
  std::string doubleClick(const std::vector<std::string>& words);
  std::string stock();
  std::string save(const std::vector<std::string>& words);
  std::string load(const std::vector<std::string>& words);
  std::vector<std::string> show() const;
  std::string changedOrRefused(const std::string& before) const;
  std::string tableText() const;

  GameSession session_;
  std::vector<std::string> messages_;
  std::string outcome_;
  Recorder recorder_;
  Identity identity_;
  GameParamsLookup lookup_;
};

}  // namespace kes::cli
