#include "play_driver.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "datafiles/player_name.h"
#include "engine/card.h"
#include "engine/pick_up_rules.h"
#include "engine/snapshot.h"

namespace kes::cli {

namespace {

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

// A card code of 1 to 3 digits, 1 .. 104.
int parseCard(const std::string& s) {
  if (s.empty() || s.size() > 3 || s.find_first_not_of("0123456789") != std::string::npos) return 0;
  const int code = std::stoi(s);
  return code >= 1 && code <= kMaxCards ? code : 0;
}

}  // namespace

PlayDriver::PlayDriver() : session_(*this, *this) {}

std::string PlayDriver::tableText() const {
  const GameState& g = session_.state();
  std::string text;
  for (const std::string& line : takeSnapshot(g.table)) text += line + '\n';
  return text + std::to_string(g.score) + ' ' + std::to_string(g.passNumber) + (g.inProgress ? "p" : "e");
}

std::string PlayDriver::changedOrRefused(const std::string& before) const {
  return tableText() == before ? "refused" : "ok";
}

std::optional<PlayDriver::CardInPlay> PlayDriver::cardInPlay(const std::string& word, std::string& error) const {
  const int card = parseCard(word);
  if (!card) {
    error = "error: unknown card '" + word + "'";
    return std::nullopt;
  }
  const auto pile = session_.state().locateCard(card);
  if (!pile) {
    error = "error: card " + word + " is not in play";
    return std::nullopt;
  }
  return CardInPlay{card, *pile};
}

std::string PlayDriver::move(const std::vector<std::string>& w) {
  if (w.size() != 3) return "error: usage: move CARD PILE";
  std::string error;
  const auto held = cardInPlay(w[1], error);
  if (!held) return error;
  const auto target = pileFromName(w[2]);
  if (!target) return "error: unknown pile '" + w[2] + "'";
  // Only a card the mouse could pick up can be moved: a press on any other
  // (a stock card, a face-down card) would do something else, such as deal.
  const PickUpOutcome outcome = canPickUp(session_.state(), held->card, held->pile, PressButton::Left).outcome;
  if (outcome != PickUpOutcome::Lift && outcome != PickUpOutcome::LiftRun) return "refused";
  const std::string before = tableText();
  const PressResult pressed = session_.press(held->card, held->pile);
  session_.release(pressed == PressResult::Lifted ? std::vector<PileId>{*target} : std::vector<PileId>{});
  return changedOrRefused(before);
}

std::string PlayDriver::click(const std::vector<std::string>& w) {
  if (w.size() != 2) return "error: usage: click CARD";
  std::string error;
  const auto pressed = cardInPlay(w[1], error);
  if (!pressed) return error;
  const std::string before = tableText();
  session_.press(pressed->card, pressed->pile);
  session_.release();
  return changedOrRefused(before);
}

// A double click arrives as a click, the double click, then a press and
// release that are ignored (on the stock they act as a second press).
std::string PlayDriver::doubleClick(const std::vector<std::string>& w) {
  if (w.size() != 2) return "error: usage: dblclick CARD";
  std::string error;
  const auto clicked = cardInPlay(w[1], error);
  if (!clicked) return error;
  const std::string before = tableText();
  if (clicked->pile == PileId::stock()) {
    stock();
    stock();
    return changedOrRefused(before);
  }
  session_.press(clicked->card, clicked->pile);
  session_.release();
  if (session_.doubleClick(clicked->card)) session_.release();
  return changedOrRefused(before);
}

std::string PlayDriver::stock() {
  const std::string before = tableText();
  session_.press(session_.state().table.pile(PileId::stock()).top(), PileId::stock());
  session_.release();
  return changedOrRefused(before);
}

namespace {

// Keeps what the file writing wants the user to see, for the answer.
struct MessageList : MessageSink {
  std::vector<std::string>& lines;
  explicit MessageList(std::vector<std::string>& l) : lines(l) {}
  void information(const std::string& text) override { lines.push_back(text); }
};

}  // namespace

std::string PlayDriver::save(const std::vector<std::string>& w) {
  if (w.size() != 2) return "error: usage: save FILE";
  const GameState& g = session_.state();
  SavedGame saved = savedGameOf(g, identity_.game, static_cast<int>(session_.clock().elapsed().count()));
  saved.playerName = identity_.player;
  saved.dealNumber = identity_.dealNumber;
  saved.scoringSystem = g.prefs.scoring ? 1 : 0;
  MessageList sink(messages_);
  return writeSavedGame(w[1], saved, sink) ? "ok" : "error: the game was not saved";
}

// The file is read and checked before the game in progress is given up, so a
// file that is refused leaves that game as it was.
std::string PlayDriver::load(const std::vector<std::string>& w) {
  if (w.size() != 2) return "error: usage: load FILE";
  if (!lookup_) return "error: no catalogue to load games from";
  SavedGameLoad loaded = loadSavedGame(w[1], lookup_);
  if (!loaded.ok()) return "error: " + loaded.error;
  // The game given up is recorded as it was played; then the scoring system
  // is set, as the resumed table's score follows it.
  session_.endGame();
  session_.state().prefs.scoring = loaded.saved->scoringSystem != 0;
  const std::string error = session_.resume(loaded.params, resumePointOf(*loaded.saved));
  if (!error.empty()) return "error: " + error;
  identity_.game = loaded.saved->game;
  identity_.dealNumber = loaded.saved->dealNumber;
  // A name the statistics could not hold keeps the current player.
  if (validPlayerName(loaded.saved->playerName)) identity_.player = loaded.saved->playerName;
  return "ok";
}

std::vector<std::string> PlayDriver::show() const {
  const GameState& g = session_.state();
  std::vector<std::string> lines;
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    lines.push_back(pileName(id) + "=" + pileLine(g.table, id));
  }
  lines.push_back("score=" + std::to_string(g.score));
  lines.push_back("pass=" + std::to_string(g.passNumber));
  lines.push_back("state=" + (g.inProgress ? std::string("playing") : outcome_.empty() ? "lost" : outcome_));
  lines.push_back(".");
  return lines;
}

std::vector<std::string> PlayDriver::answer(const std::string& result) {
  std::vector<std::string> lines;
  for (const std::string& m : messages_) lines.push_back("message: " + m);
  messages_.clear();
  lines.push_back(result);
  return lines;
}

std::vector<std::string> PlayDriver::execute(const std::string& line) {
  const std::vector<std::string> w = words(line);
  if (w.empty()) return {};
  const std::string& verb = w[0];
  if (verb == "show" && w.size() == 1) return show();
  if (verb == "move") return answer(move(w));
  if (verb == "click") return answer(click(w));
  if (verb == "dblclick") return answer(doubleClick(w));
  if (verb == "stock" && w.size() == 1) return answer(stock());
  if (verb == "undo" && w.size() == 1) return answer(session_.undo() ? "ok" : "refused");
  if (verb == "redo" && w.size() == 1) return answer(session_.redo() ? "ok" : "refused");
  // Neither restarting nor switching autoplay is ever refused.
  if (verb == "restart" && w.size() == 1) {
    session_.restart();
    return answer("ok");
  }
  if (verb == "quit" && w.size() == 1) {
    const bool playing = session_.state().inProgress;
    session_.endGame();
    return answer(playing ? "ok" : "refused");
  }
  if (verb == "save") return answer(save(w));
  if (verb == "load") return answer(load(w));
  if (verb == "autoplay" && w.size() == 2 && (w[1] == "on" || w[1] == "off")) {
    session_.setAutoplay(w[1] == "on");
    return answer("ok");
  }
  return answer("error: unknown command '" + line + "'");
}

void PlayDriver::run(std::istream& in, std::ostream& out) {
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    for (const std::string& l : execute(line)) out << l << '\n';
    out.flush();
  }
  // The input ended with the game still on the table: it was given up.
  session_.endGame();
}

}  // namespace kes::cli
