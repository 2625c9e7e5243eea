#include "poker_scoring.h"

#include <algorithm>

#include "game_end.h"
#include "poker_hand.h"

namespace kes {

namespace {

constexpr int kGridSide = 5;
constexpr int kPauseBetweenHands = 500;

struct Line {
  std::array<int, 5> cells;
};

// Rows first, then columns.
std::array<Line, 10> gridLines() {
  std::array<Line, 10> lines{};
  for (int i = 0; i < kGridSide; ++i)
    for (int j = 0; j < kGridSide; ++j) {
      lines[static_cast<std::size_t>(i)].cells[static_cast<std::size_t>(j)] = kGridSide * i + j;
      lines[static_cast<std::size_t>(kGridSide + i)].cells[static_cast<std::size_t>(j)] = i + kGridSide * j;
    }
  return lines;
}

std::string pointsText(int points) { return std::to_string(points) + " points"; }

std::array<int, 5> lineCards(const GameState& g, const Line& line) {
  std::array<int, 5> cards{};
  for (std::size_t k = 0; k < cards.size(); ++k) cards[k] = g.table.pile(PileId::tableau(line.cells[k])).cardAt(0);
  return cards;
}

bool isFull(const std::array<int, 5>& cards) {
  return std::all_of(cards.begin(), cards.end(), [](int c) { return c >= 1; });
}

}  // namespace

int pokerGridTotal(const GameState& g) {
  int total = 0;
  for (const Line& line : gridLines()) {
    const std::array<int, 5> cards = lineCards(g, line);
    if (isFull(cards)) total += pokerHandValue(cards).points;
  }
  return total;
}

int scorePokerGrid(GameState& g, int lastCard, EngineEvents& events) {
  int total = 0;
  struct Scored {
    PokerHand hand;
    bool isNew;
    std::vector<PileId> cells;
  };
  std::vector<Scored> hands;
  for (const Line& line : gridLines()) {
    const std::array<int, 5> cards = lineCards(g, line);
    if (!isFull(cards)) continue;
    const bool holdsLast = std::find(cards.begin(), cards.end(), lastCard) != cards.end();
    const PokerHand hand = pokerHandValue(cards);
    total += hand.points;
    std::vector<PileId> cells;
    for (int cell : line.cells) cells.push_back(PileId::tableau(cell));
    hands.push_back({hand, holdsLast && hand.points > 0, std::move(cells)});
  }
  int running = 0;
  for (const Scored& s : hands) {
    if (!s.isNew) continue;
    running += s.hand.points;
    events.tableInformation(s.hand.name + "\n" + pointsText(s.hand.points) + "\nTotal: " + pointsText(running));
    events.markPiles(s.cells, true);
    events.sound("Pairing.wav", "Sounds_Pairing");
    events.pause(kPauseBetweenHands);
    events.markPiles(s.cells, false);
  }
  events.tableInformation("Total: " + pointsText(total));
  g.score = total;
  g.won = checkGameWon(g);
  return total;
}

}  // namespace kes
