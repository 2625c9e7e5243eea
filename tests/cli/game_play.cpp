#include "game_play.h"

#include <cstdlib>
#include <sstream>

#include "cli/catalogue_commands.h"
#include "engine/card.h"
#include "engine/deal_generator.h"

namespace kes::cli {

namespace {

constexpr int kGroupWidth = 4;

std::vector<ShownCard> parsePileLine(const std::string& line) {
  std::vector<ShownCard> cards;
  for (std::size_t i = 0; i + kGroupWidth <= line.size(); i += kGroupWidth)
    cards.push_back({std::stoi(line.substr(i, 3)), line[i + 3] == '1'});
  return cards;
}

int numberAfter(const std::string& line, const std::string& key) { return std::stoi(line.substr(key.size())); }

}  // namespace

int card(const std::string& name) {
  static const std::string ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  static const std::string suits = "HDCS";
  std::string n = name;
  const bool secondPack = !n.empty() && n.back() == '\'';
  if (secondPack) n.pop_back();
  if (n.size() < 2) return 0;
  const auto suit = suits.find(n.back());
  const std::string rank = n.substr(0, n.size() - 1);
  for (int r = 0; r < kRanksPerSuit; ++r) {
    if (ranks[r] == rank && suit != std::string::npos)
      return static_cast<int>(suit) * kRanksPerSuit + r + 1 + (secondPack ? kCardsPerPack : 0);
  }
  return 0;
}

const std::vector<ShownCard>& ShownTable::pile(const std::string& name) const {
  static const std::vector<ShownCard> none;
  const auto it = piles.find(name);
  return it == piles.end() ? none : it->second;
}

int ShownTable::top(const std::string& name) const {
  const auto& p = pile(name);
  return p.empty() ? 0 : p.back().code;
}

std::vector<int> ShownTable::codes(const std::string& name) const {
  std::vector<int> result;
  for (const ShownCard& c : pile(name)) result.push_back(c.code);
  return result;
}

int ShownTable::faceUpCount(const std::string& name) const {
  int n = 0;
  for (const ShownCard& c : pile(name)) n += c.faceUp ? 1 : 0;
  return n;
}

std::string ShownTable::pileOf(int code) const {
  for (const auto& [name, cards] : piles)
    for (const ShownCard& c : cards)
      if (c.code == code) return name;
  return {};
}

ShownTable parseShow(const std::vector<std::string>& lines) {
  ShownTable t;
  for (const std::string& line : lines) {
    if (line.rfind("score=", 0) == 0) {
      t.score = numberAfter(line, "score=");
    } else if (line.rfind("pass=", 0) == 0) {
      t.pass = numberAfter(line, "pass=");
    } else if (line.rfind("state=", 0) == 0) {
      t.state = line.substr(6);
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      t.piles[line.substr(0, eq)] = parsePileLine(line.substr(eq + 1));
    }
  }
  return t;
}

std::optional<GameParams> loadBuiltGame(int game) {
  std::istringstream in;
  std::ostringstream out, err;
  const char* dir = std::getenv("KESTROVA_TEST_DATA");
  CliContext ctx{{}, {dir ? dir : "", dir ? dir : ""}, in, out, err};
  return loadGameForCommand(ctx, std::to_string(game), "test", {});
}

GamePlay::GamePlay(int game, long long dealNumber, PlayOptions options) {
  std::istringstream in;
  std::ostringstream out, err;
  const char* dataDir = std::getenv("KESTROVA_TEST_DATA");
  CliContext ctx{{}, DataDirs{dataDir ? dataDir : "", ""}, in, out, err};
  const auto params = loadGameForCommand(ctx, std::to_string(game), "play");
  if (!params) {
    startError_ = err.str();
    return;
  }
  driver_.session().state().prefs.autoplay = options.autoplay;
  driver_.session().state().prefs.automaticFaceUp = options.automaticFaceUp;
  startError_ = driver_.session().start(*params, *normalizeDealNumber(std::to_string(dealNumber)));
}

std::string GamePlay::run(const std::string& command) {
  std::vector<std::string> lines = driver_.execute(command);
  if (lines.empty()) return {};
  const std::string result = lines.back();
  lines.pop_back();
  messages_.insert(messages_.end(), lines.begin(), lines.end());
  return result;
}

std::string GamePlay::move(const std::string& cardName, const std::string& pile) {
  return run("move " + std::to_string(card(cardName)) + " " + pile);
}

std::string GamePlay::click(const std::string& cardName) { return run("click " + std::to_string(card(cardName))); }

std::string GamePlay::doubleClick(const std::string& cardName) {
  return run("dblclick " + std::to_string(card(cardName)));
}

std::vector<std::string> GamePlay::takeMessages() {
  std::vector<std::string> taken;
  taken.swap(messages_);
  return taken;
}

void GamePlay::arrange(const std::string& pile, const std::vector<std::string>& cardNames) {
  TableState& table = driver_.session().state().table;
  const auto target = pileFromName(pile);
  if (!target) return;
  const std::string before = table.pile(*target).codes();
  table.pile(*target).clear();
  for (const std::string& name : cardNames) {
    const int code = card(name);
    if (const auto from = table.locate(code)) table.pile(*from).remove(code);
    table.appendCard(*target, code, true);
  }
  Pile& stock = table.pile(PileId::stock());
  for (std::size_t i = 0; i + 3 <= before.size(); i += 3) {
    const int code = std::stoi(before.substr(i, 3));
    if (table.locate(code)) continue;
    stock.insertAt(0, code);
    table.cards.setFaceUp(code, false);
  }
}

ShownTable GamePlay::table() { return parseShow(driver_.execute("show")); }

}  // namespace kes::cli
