#include "catalogue_probes.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "engine/card.h"
#include "engine/game_params.h"

namespace kes::cli::probe {

namespace {

std::string fila(int n) { return "Fila" + std::to_string(n); }
std::string reserve(int n) { return "Appogg" + std::to_string(n); }
std::string dest(int n) { return "Dest" + std::to_string(n); }

constexpr const char* kRankNames[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
constexpr const char* kSuits = "HDCS";

std::string cardName(int rank, int suit, bool secondPack) {
  return std::string(kRankNames[rank - 1]) + kSuits[suit] + (secondPack ? "'" : "");
}

int sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }

// The rank after `rank` going `up` (or down), round the corner.
int step(int rank, bool up) { return up ? rank % 13 + 1 : (rank + 11) % 13 + 1; }

}  // namespace

std::vector<int> counts(const std::string& list) {
  std::vector<int> out;
  std::istringstream in(list);
  for (std::string item; in >> item;) {
    const auto star = item.find('*');
    const int value = std::stoi(item.substr(0, star));
    const int times = star == std::string::npos ? 1 : std::stoi(item.substr(star + 1));
    out.insert(out.end(), static_cast<std::size_t>(times), value);
  }
  return out;
}

void expectDealShape(const DealShape& s, long long dealNumber) {
  GamePlay play(s.game, dealNumber);
  ASSERT_EQ(play.startError(), "") << "game " << s.game;
  const ShownTable t = play.table();
  const std::string where = "game " + std::to_string(s.game) + " deal " + std::to_string(dealNumber);
  const GameState& g = play.driver().session().state();
  const int cards = g.params[Param::CardCount];

  std::vector<int> seen(static_cast<std::size_t>(cards + 1), 0);
  for (const auto& [name, pile] : t.piles)
    for (const ShownCard& c : pile)
      if (c.code >= 1 && c.code <= cards) ++seen[static_cast<std::size_t>(c.code)];
  for (int c = 1; c <= cards; ++c) EXPECT_EQ(seen[static_cast<std::size_t>(c)], 1) << where << " card " << c;

  EXPECT_EQ(t.size("Mazzo"), s.stock) << where;
  EXPECT_EQ(t.size("Mazzo_Vis"), 0) << where;
  const std::vector<int> tableau = counts(s.tableau), up = counts(s.tableauUp);
  int dealtTableau = 0, foundations = 0;
  for (int i = 1; i <= 26; ++i) dealtTableau += t.size(fila(i));
  for (int i = 1; i <= 16; ++i) foundations += t.size(dest(i));
  EXPECT_EQ(t.size(fila(static_cast<int>(tableau.size()) + 1)), 0) << where << ": a pile too many";
  if (s.scanned) {
    EXPECT_EQ(dealtTableau + foundations, sum(tableau) + s.foundationCards) << where;
    return;
  }
  EXPECT_EQ(foundations, s.foundationCards) << where;
  for (std::size_t i = 0; i < tableau.size(); ++i) {
    const std::string pile = fila(static_cast<int>(i) + 1);
    EXPECT_EQ(t.size(pile), tableau[i]) << where << " " << pile;
    const int wantUp = up[i] < 0 ? tableau[i] : up[i];
    EXPECT_EQ(t.faceUpCount(pile), wantUp) << where << " " << pile;
    // Face-up cards lie above the face-down ones, except in piles dealt
    // face down and up in turn.
    if (wantUp == 1 && tableau[i] > 1) {
      EXPECT_TRUE(t.pile(pile).back().faceUp) << where << " " << pile;
    }
  }
  const std::vector<int> reserves = counts(s.reserves);
  for (std::size_t i = 0; i < reserves.size(); ++i) {
    const std::string pile = reserve(static_cast<int>(i) + 1);
    EXPECT_EQ(t.size(pile), reserves[i]) << where << " " << pile;
    if (reserves[i] > 0) {
      EXPECT_TRUE(t.pile(pile).back().faceUp) << where << " " << pile;
    }
  }
  EXPECT_EQ(t.size(reserve(static_cast<int>(reserves.size()) + 1)), 0) << where << ": a reserve too many";
}

void expectBuildProbe(const BuildProbe& p) {
  const std::string where = "game " + std::to_string(p.game) + ": " + (p.onto.empty() ? "a space" : p.onto);
  for (const bool accept : {true, false}) {
    const std::string& moving = accept ? p.accepted : p.refused;
    if (moving.empty()) continue;
    GamePlay play(p.game, 1);
    ASSERT_EQ(play.startError(), "") << where;
    if (p.onto.empty())
      play.arrange(p.target, {});
    else
      play.arrange(p.target, {p.onto});
    play.arrange(p.source, {moving});
    // Judged by where the cards lie: a game that fills spaces at once may
    // fill one the arranging left, which counts as a change of the table.
    play.move(moving, p.target);
    std::vector<int> expected;
    if (!p.onto.empty()) expected.push_back(card(p.onto));
    if (accept) expected.push_back(card(moving));
    const ShownTable t = play.table();
    EXPECT_EQ(t.codes(p.target), expected) << where << " <- " << moving << (accept ? " (accepted)" : " (refused)");
    if (!accept) {
      EXPECT_EQ(t.pileOf(card(moving)), p.source) << where << " <- " << moving;
    }
  }
}

void expectRunProbe(const RunProbe& p) {
  GamePlay play(p.game, 1);
  ASSERT_EQ(play.startError(), "");
  play.arrange("Fila1", {p.onto});
  play.arrange("Fila2", p.run);
  const std::string where = "game " + std::to_string(p.game) + ": run from " + p.run.front() + " onto " + p.onto;
  EXPECT_EQ(play.move(p.run.front(), "Fila1"), p.accepted ? "ok" : "refused") << where;
  EXPECT_EQ(play.table().size("Fila1"), p.accepted ? 1 + static_cast<int>(p.run.size()) : 1) << where;
}

void expectStockProbe(const StockProbe& p) {
  GamePlay play(p.game, 1);
  ASSERT_EQ(play.startError(), "");
  const std::string where = "game " + std::to_string(p.game);
  const ShownTable dealt = play.table();
  const int stock = dealt.size("Mazzo");
  ASSERT_GT(stock, 0) << where;
  ASSERT_EQ(play.run("stock"), "ok") << where;
  const ShownTable first = play.table();
  EXPECT_EQ(first.size("Mazzo"), stock - p.cardsPerPress) << where;
  if (p.rowDeal) {
    int dealtNow = 0;
    for (int i = 1; i <= 26; ++i) {
      const int added = first.size(fila(i)) - dealt.size(fila(i));
      EXPECT_TRUE(added == 0 || added == 1) << where << " " << fila(i);
      if (added == 1) {
        EXPECT_TRUE(first.pile(fila(i)).back().faceUp) << where << " " << fila(i);
      }
      dealtNow += added;
    }
    EXPECT_EQ(dealtNow, p.cardsPerPress) << where;
  } else {
    EXPECT_EQ(first.size("Mazzo_Vis"), p.cardsPerPress) << where;
  }
  const int pressesPerPass = (stock + p.cardsPerPress - 1) / p.cardsPerPress;
  const int passes = p.passes < 0 ? 4 : std::max(p.passes, 1);
  int presses = 1;
  while (presses < passes * pressesPerPass && play.run("stock") == "ok") ++presses;
  EXPECT_EQ(presses, passes * pressesPerPass) << where;
  const ShownTable last = play.table();
  EXPECT_EQ(last.size("Mazzo"), 0) << where;
  EXPECT_EQ(last.pass, passes) << where;
  const std::string afterLastPass = p.passes >= 0 ? "refused" : "ok";  // unlimited redeals go on
  EXPECT_EQ(play.run("stock"), afterLastPass) << where << ": a press after the last pass";
}

void expectWinProbe(const WinProbe& p) {
  GamePlay play(p.game, 1);
  ASSERT_EQ(play.startError(), "");
  const GameState& g = play.driver().session().state();
  const int foundations = g.foundationCount();
  const std::string where = "game " + std::to_string(p.game);
  if (p.removal) {
    // Every run but the last already removed; the last lacks its Ace.
    const auto runCard = [&](int f, int rank) {
      const int s = p.alternate && rank % 2 == 0 ? (f % 4 + 2) % 4 : f % 4;
      return cardName(rank, s, f >= 4);
    };
    for (int f = 0; f + 1 < foundations; ++f) {
      std::vector<std::string> run;
      for (int r = 13; r >= 1; --r) run.push_back(runCard(f, r));
      play.arrange(dest(f + 1), run);
    }
    const int last = foundations - 1;
    std::vector<std::string> kingToTwo;
    for (int r = 13; r >= 2; --r) kingToTwo.push_back(runCard(last, r));
    play.arrange("Fila1", kingToTwo);
    play.arrange("Fila2", {runCard(last, 1)});
    EXPECT_EQ(play.table().state, "playing") << where;
    EXPECT_EQ(play.move(runCard(last, 1), "Fila1"), "ok") << where;
    EXPECT_EQ(play.table().state, "won") << where;
    return;
  }
  // Suits: a dealt card keeps its own suit and pack; the others take the
  // suits left over, first pack first.
  std::vector<int> slots(static_cast<std::size_t>(foundations), -1);  // suit + 4 for the second pack
  std::vector<bool> taken(8, false);
  for (int f = 0; f < foundations; ++f) {
    const Pile& dealt = g.table.pile(PileId::foundation(f));
    if (dealt.empty()) continue;
    const int slot = suitIndex(dealt.cardAt(0)) + (dealt.cardAt(0) > kCardsPerPack ? 4 : 0);
    slots[static_cast<std::size_t>(f)] = slot;
    taken[static_cast<std::size_t>(slot)] = true;
  }
  for (int f = 0; f < foundations; ++f) {
    if (slots[static_cast<std::size_t>(f)] >= 0) continue;
    int slot = 0;
    while (taken[static_cast<std::size_t>(slot)]) ++slot;
    taken[static_cast<std::size_t>(slot)] = true;
    slots[static_cast<std::size_t>(f)] = slot;
  }
  // Cards of foundations that build regardless of suit come from what is
  // left once the suit-bound ones have theirs.
  std::vector<bool> used(static_cast<std::size_t>(g.params[Param::CardCount] + 1), false);
  std::vector<std::vector<int>> sequences(static_cast<std::size_t>(foundations));
  std::vector<bool> anySuit(static_cast<std::size_t>(foundations), false);
  for (int f = 0; f < foundations; ++f) {
    const int rule = g.params[Param::foundationBuildRule(f)];
    anySuit[static_cast<std::size_t>(f)] = rule != 0 && rule != 3;
    const int baseCode = g.params[Param::foundationBase(f)];
    const Pile& dealt = g.table.pile(PileId::foundation(f));
    int base = baseCode >= 1 && baseCode <= 13 ? baseCode : 1;
    if (!dealt.empty()) base = cardRank(dealt.cardAt(0));
    const bool up = g.params[Param::foundationDirection(f)] != 0;
    const int own = slots[static_cast<std::size_t>(f)] % 4;
    const bool pack2 = slots[static_cast<std::size_t>(f)] >= 4;
    int rank = base;
    for (int k = 0; k < 13; ++k, rank = step(rank, up)) {
      if (anySuit[static_cast<std::size_t>(f)]) {
        sequences[static_cast<std::size_t>(f)].push_back(k == 0 && !dealt.empty() ? dealt.cardAt(0) : -rank);
        continue;
      }
      // Alternate colours: the foundation's own suit and a suit of the other
      // colour in turn, paired so that the foundations share the cards out.
      const int s = rule == 3 && k % 2 == 1 ? (own + 2) % 4 : own;
      sequences[static_cast<std::size_t>(f)].push_back(card(cardName(rank, s, pack2)));
    }
    for (int c : sequences[static_cast<std::size_t>(f)])
      if (c > 0) used[static_cast<std::size_t>(c)] = true;
  }
  for (auto& sequence : sequences)
    for (int& c : sequence) {
      if (c > 0) continue;
      int pick = 1;
      while (used[static_cast<std::size_t>(pick)] || cardRank(pick) != -c) ++pick;
      used[static_cast<std::size_t>(pick)] = true;
      c = pick;
    }
  const auto nameOf = [](int code) {
    return cardName(cardRank(code), suitIndex(code), code > kCardsPerPack);
  };
  std::string lastCard;
  for (int f = 0; f < foundations; ++f) {
    std::vector<std::string> cards;
    for (int c : sequences[static_cast<std::size_t>(f)]) cards.push_back(nameOf(c));
    if (f == foundations - 1) {
      lastCard = cards.back();
      cards.pop_back();
    }
    play.arrange(dest(f + 1), cards);
  }
  play.arrange("Fila1", {lastCard});
  ShownTable t = play.table();
  EXPECT_EQ(t.state, "playing") << where;
  for (const auto& [name, pile] : t.piles)
    if (name.rfind("Dest", 0) != 0 && name != "Fila1") {
      EXPECT_TRUE(pile.empty()) << where << " " << name;
    }
  EXPECT_EQ(play.move(lastCard, dest(foundations)), "ok") << where;
  EXPECT_EQ(play.table().state, "won") << where;
}

}  // namespace kes::cli::probe
