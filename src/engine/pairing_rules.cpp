#include "pairing_rules.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "card.h"
#include "game_family.h"

namespace kes {

namespace {

constexpr int kJack = 11, kQueen = 12, kKing = 13, kTen = 10, kAce = 1;

struct Selection {
  std::vector<int> cards;
  int n() const { return static_cast<int>(cards.size()); }
  int sum() const {
    return std::accumulate(cards.begin(), cards.end(), 0, [](int s, int c) { return s + cardRank(c); });
  }
  int countIf(bool (*pred)(int rank)) const {
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [pred](int c) { return pred(cardRank(c)); }));
  }
  int countRank(int rank) const {
    return static_cast<int>(std::count_if(cards.begin(), cards.end(), [rank](int c) { return cardRank(c) == rank; }));
  }
  bool equalRanks() const {
    return std::all_of(cards.begin(), cards.end(), [&](int c) { return cardRank(c) == cardRank(cards.front()); });
  }
};

bool isPicture(int rank) { return rank >= kJack; }
bool isNumber(int rank) { return rank < kJack; }
bool isTenOrPicture(int rank) { return rank >= kTen; }
bool isAceToNine(int rank) { return rank < kTen; }

// Validity and completion of a selection; nullopt = invalid.
using Judge = std::optional<bool> (*)(const GameState&, const Selection&);

// Where the card lies, leaving out the selection list that also names it.
std::optional<PileId> locateOnTable(const GameState& g, int card) {
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (id != PileId::foundation(0) && g.table.pile(id).contains(card)) return id;
  }
  return std::nullopt;
}

bool exposed(const GameState& g, int card) {
  for (int i = 0; i < g.tableauCount(); ++i)
    if (g.table.pile(PileId::tableau(i)).top() == card) return true;
  for (int i = 0; i < g.reserveCount(); ++i)
    if (g.table.pile(PileId::reserve(i)).top() == card) return true;
  return false;
}

std::optional<PileId> tableauOf(const GameState& g, int card) {
  const auto at = locateOnTable(g, card);
  if (at && at->family == PileFamily::Tableau && at->index < g.tableauCount()) return at;
  return std::nullopt;
}

// Scanning the row (tableau pile 1) from the first selected card, every
// following real card must be selected until all selected cards are met.
bool adjacentInRow(const GameState& g, const Selection& s) {
  const Pile& row = g.table.pile(PileId::tableau(0));
  int met = 0;
  bool started = false;
  for (int pos = 0; pos < row.size() && met < s.n(); ++pos) {
    const int card = row.cardAt(pos);
    const bool selected = std::find(s.cards.begin(), s.cards.end(), card) != s.cards.end();
    if (!started && !selected) continue;
    started = true;
    if (card == 0) continue;
    if (!selected) return false;
    ++met;
  }
  return met == s.n();
}

std::optional<bool> byCount(bool valid, bool complete) {
  if (!valid) return std::nullopt;
  return complete;
}

std::optional<bool> sumFourteen(const GameState&, const Selection& s) { return byCount(s.n() <= 2, s.sum() == 14); }
std::optional<bool> sumThirteen(const GameState&, const Selection& s) { return byCount(s.n() <= 2, s.sum() == 13); }
std::optional<bool> equalPair(const GameState&, const Selection& s) {
  return byCount(s.n() <= 2 && s.equalRanks(), s.n() == 2);
}

std::optional<bool> neighbourPair(const GameState& g, const Selection& s) {
  if (s.n() > 2 || !s.equalRanks()) return std::nullopt;
  if (s.n() < 2) return false;
  const auto a = tableauOf(g, s.cards[0]), b = tableauOf(g, s.cards[1]);
  return byCount(a && b && areNeighbourCells(a->index, b->index), true);
}

std::optional<bool> tensInRow(const GameState& g, const Selection& s) {
  int sum = 0;
  for (int c : s.cards) sum += std::min(cardRank(c), 10);
  return s.n() >= 2 && adjacentInRow(g, s) && (sum == 10 || sum == 20 || sum == 30);
}

std::optional<bool> matchingNeighbours(const GameState& g, const Selection& s) {
  if (s.n() > 2 || !adjacentInRow(g, s)) return std::nullopt;
  if (g.family() == Family::RowJumpsRoyal &&
      std::any_of(s.cards.begin(), s.cards.end(), [](int c) { return c == 12 || c == 13; }))
    return std::nullopt;
  const Pile& row = g.table.pile(PileId::tableau(0));
  int first = row.size(), last = -1;
  for (int c : s.cards) {
    first = std::min(first, row.positionOf(c));
    last = std::max(last, row.positionOf(c));
  }
  const int before = row.cardAt(first - 2), after = row.cardAt(last + 2);
  if (before < 1 || after < 1) return false;
  return cardRank(before) == cardRank(after) || suitIndex(before) == suitIndex(after);
}

std::optional<bool> sevensInRow(const GameState& g, const Selection& s) {
  if (!adjacentInRow(g, s)) return std::nullopt;
  return s.sum() > 0 && s.sum() % 7 == 0;
}

// Two number cards adding up to 11, or one each of jack, queen and king.
std::optional<bool> elevensOrCourt(const GameState&, const Selection& s) {
  const int pictures = s.countIf(isPicture), numbers = s.countIf(isNumber);
  if (pictures > 0 && numbers > 0) return std::nullopt;
  if (s.countRank(kJack) > 1 || s.countRank(kQueen) > 1 || s.countRank(kKing) > 1 || numbers > 2) return std::nullopt;
  return (numbers == 2 && s.sum() == 11) || pictures == 3;
}

std::optional<bool> elevensOrCourtOfThree(const GameState& g, const Selection& s) {
  if (s.n() > 3) return std::nullopt;
  return elevensOrCourt(g, s);
}

std::optional<bool> ninesOrTenToKing(const GameState&, const Selection& s) {
  const int high = s.countIf(isTenOrPicture), low = s.countIf(isAceToNine);
  if (high > 0 && low > 0) return std::nullopt;
  for (int r = kTen; r <= kKing; ++r)
    if (s.countRank(r) > 1) return std::nullopt;
  if (low > 2) return std::nullopt;
  return (low == 2 && s.sum() == 9) || high == 4;
}

std::optional<bool> eighteens(const GameState&, const Selection& s) {
  const int pictures = s.countIf(isPicture);
  if (s.n() > 4 || pictures > 1 || s.n() - pictures > 3) return std::nullopt;
  for (int r = 1; r <= kKing; ++r)
    if (s.countRank(r) > 1) return std::nullopt;
  if (s.countRank(kAce) == 1 && s.n() > 1) return std::nullopt;
  if (s.n() == 1 && s.countRank(kAce) == 1) return true;
  int numbers = 0;
  for (int c : s.cards)
    if (!isPicture(cardRank(c))) numbers += cardRank(c);
  return s.n() == 4 && pictures == 1 && numbers == 18;
}

std::optional<bool> fourOfAHighRankOrTarget(const GameState& g, const Selection& s) {
  const int target = g.params[Param::PairingGame];
  const int high = s.countIf(isTenOrPicture), low = s.countIf(isAceToNine);
  if (high > 0 && (low > 0 || !s.equalRanks())) return std::nullopt;
  if (target == 10 && low > 2) return std::nullopt;
  if (high > 0) return high == 4;
  if (target == 15) return s.sum() == 15;
  if (target == 10) return low == 2 && s.sum() == 10;
  return false;
}

std::optional<bool> pairToTarget(const GameState& g, const Selection& s) {
  return byCount(s.n() <= 2, s.sum() == g.params[Param::PairingGame]);
}

std::optional<bool> anyToTarget(const GameState& g, const Selection& s) {
  return s.sum() == g.params[Param::PairingGame];
}

// Which cards a family lets the player press.
enum class Where { ExposedTableau, Pyramid, TableauCell, Exposed, FaceUpTableau, Row, Tableau };

struct FamilyRule {
  int family;
  Where where;
  Judge judge;
};

constexpr FamilyRule kRules[] = {
    {Family::PairsFourteen, Where::ExposedTableau, sumFourteen},
    {Family::Pyramid, Where::Pyramid, sumThirteen},
    {Family::NeighbourPairs, Where::TableauCell, neighbourPair},
    {Family::PairsEqual, Where::Exposed, equalPair},
    {Family::PairsEqualToo, Where::Exposed, equalPair},
    {Family::PairsEqualFaceUp, Where::FaceUpTableau, equalPair},
    {Family::RowTens, Where::Row, tensInRow},
    {Family::RowJumps, Where::Row, matchingNeighbours},
    {Family::RowJumpsRoyal, Where::Row, matchingNeighbours},
    {Family::SevensRow, Where::Row, sevensInRow},
    {Family::ElevensCourts, Where::Tableau, elevensOrCourt},
    {Family::ElevensCourtsFaceUp, Where::FaceUpTableau, elevensOrCourtOfThree},
    {Family::NinesAndCourts, Where::Tableau, ninesOrTenToKing},
    {Family::Eighteen, Where::Tableau, eighteens},
    {Family::SumFours, Where::Tableau, fourOfAHighRankOrTarget},
    {Family::PairsSum, Where::Tableau, pairToTarget},
};
constexpr FamilyRule kOtherFamilies{0, Where::Tableau, anyToTarget};

const FamilyRule& ruleOf(int family) {
  for (const FamilyRule& r : kRules)
    if (r.family == family) return r;
  return kOtherFamilies;
}

bool pressable(const GameState& g, Where where, int card, bool somethingSelected) {
  const auto at = locateOnTable(g, card);
  if (!at) return false;
  const bool inTableau = at->family == PileFamily::Tableau && at->index < g.tableauCount();
  switch (where) {
    case Where::ExposedTableau:
      return inTableau && g.table.pile(*at).top() == card;
    case Where::Pyramid:
      if (*at == PileId::waste()) return g.table.pile(*at).top() == card;
      if (*at == PileId::stock()) return somethingSelected && g.table.pile(*at).top() == card;
      return inTableau && isFreePyramidCard(g, card);
    case Where::TableauCell:
    case Where::Tableau:
      return inTableau;
    case Where::Exposed:
      return exposed(g, card);
    case Where::FaceUpTableau:
      return inTableau && g.table.isFaceUp(card);
    case Where::Row:
      return *at == PileId::tableau(0);
  }
  return false;
}

}  // namespace

std::vector<int> selectedCards(const GameState& g) {
  const Pile& sel = g.table.pile(PileId::foundation(0));
  std::vector<int> cards;
  for (int i = 0; i < sel.size(); ++i) cards.push_back(sel.cardAt(i));
  return cards;
}

PairingOutcome pairingPress(GameState& g, int card) {
  Pile& sel = g.table.pile(PileId::foundation(0));
  if (sel.remove(card)) return PairingOutcome::Unmarked;
  const FamilyRule& rule = ruleOf(g.family());
  if (!pressable(g, rule.where, card, !sel.empty())) return PairingOutcome::Refused;
  Selection s{selectedCards(g)};
  s.cards.push_back(card);
  const std::optional<bool> verdict = rule.judge(g, s);
  if (!verdict) return PairingOutcome::Refused;
  sel.append(card);
  return *verdict ? PairingOutcome::Completed : PairingOutcome::Marked;
}

bool isFreePyramidCard(const GameState& g, int card) {
  const auto at = locateOnTable(g, card);
  if (!at || at->family != PileFamily::Tableau) return false;
  const int row = at->index;
  const int slot = g.table.pile(*at).positionOf(card);
  const auto onlyPlaceholders = [&](int r) { return g.table.pile(PileId::tableau(r)).onlyPlaceholders(); };
  bool rowsBelowCleared = true;
  for (int r = row + 1; r < g.tableauCount(); ++r) rowsBelowCleared = rowsBelowCleared && onlyPlaceholders(r);
  if (rowsBelowCleared) return true;
  const Pile& below = g.table.pile(PileId::tableau(row + 1));
  return slot + 1 < below.size() && below.cardAt(slot) == 0 && below.cardAt(slot + 1) == 0;
}

bool areNeighbourCells(int a, int b) { return a != b && std::abs(a / 5 - b / 5) <= 1 && std::abs(a % 5 - b % 5) <= 1; }

}  // namespace kes
