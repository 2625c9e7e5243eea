#include "state_key.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "engine/game_family.h"
#include "engine/move_log.h"

namespace kes::solver {

namespace {

constexpr char kPileEnd = '\xff';
constexpr int kFaceUpBit = 0x80;
constexpr int kUnlimitedPasses = -1;
constexpr int kDealCountPeriod = 26;
// The fill source that waits for the first tableau move.
constexpr int kFillBeforeFirstTableauMove = 4;

// Tableau build rules that judge a card by its own rank, suit and the
// target alone. The other codes look at where the card comes from, at the
// pile's place in the row or at a partner pile, so the piles' order counts.
constexpr std::array kPlainTableauRules{0, 1, 3, 11};
// Reserve kinds whose test reads the first reserve's size: their reserves
// are not alike.
constexpr std::array kSharedReserveKinds{8, 13};

void appendPile(std::string& key, const TableState& table, PileId id) {
  const Pile& pile = table.pile(id);
  for (int i = 0; i < pile.size(); ++i) {
    const int card = pile.cardAt(i);
    key += static_cast<char>(card | (table.isFaceUp(card) ? kFaceUpBit : 0));
  }
  key += kPileEnd;
}

void appendNumber(std::string& key, int value) {
  // Most numbers are single digits; to_string would build a string for each.
  if (value >= 0 && value < 10)
    key += static_cast<char>('0' + value);
  else
    key += std::to_string(value);
  key += ',';
}

// Dealing by place matters only while the stock (or the waste it is
// turned back from) still holds cards.
bool stockDealsByPlace(const GameState& g) {
  if (g.table.pile(PileId::stock()).empty() && g.table.pile(PileId::waste()).empty()) return false;
  return stockDealsToPiles(g.params);
}

// Piles can only be alike while no stock action can deal to them by their
// place (a deal to every pile, a fill of the first empty one, a redeal that
// collects them in order), and in the standard family, whose rules never
// read a pile's position except through its own parameters.
bool noPlaceDependentDealing(const GameState& g) {
  const GameParams& p = g.params;
  return g.family() == Family::Standard && p[Param::TableauRedealMode] == 0 &&
         p[Param::EmptyTableauFillSource] == 0 && !stockDealsByPlace(g) && !g.inOpeningPhase();
}

template <typename Get>
bool allEqual(int count, Get get) {
  for (int i = 1; i < count; ++i)
    if (get(i) != get(0)) return false;
  return true;
}

// Only what the rules read of the moves made goes into the key: the same
// table reached in five moves or in seven is one position for every game
// that does not count them.
int movesMadeRead(const GameState& g) { return keyReadsMovesMade(g.params) ? g.movesMade : 0; }

// A pile's cards in the scratch text, for sorting piles that are alike.
struct PileSpan {
  std::size_t start;
  std::size_t length;
};

void appendSorted(std::string& key, const std::string& scratch, std::vector<PileSpan>& spans) {
  const auto text = [&scratch](const PileSpan& s) { return std::string_view(scratch).substr(s.start, s.length); };
  std::sort(spans.begin(), spans.end(), [&text](const PileSpan& a, const PileSpan& b) { return text(a) < text(b); });
  for (const PileSpan& s : spans) key += text(s);
}

// What the canonical key leaves out: which of the piles alike holds what
// (it lists their families sorted), and the discard pile's cards under its
// top.
struct KeyShape {
  bool foundations = false;
  bool tableau = false;
  bool reserves = false;
  bool discardTopOnly = false;

  bool covers(PileFamily family) const {
    switch (family) {
      case PileFamily::Foundation: return foundations;
      case PileFamily::Tableau: return tableau;
      case PileFamily::Reserve: return reserves;
      case PileFamily::Stock: break;
    }
    return false;
  }
};

// The discard pile (the second waste) takes the cards the player sends to
// it or the pairs removed, and gives none back: the rules read its top card
// and how many it holds, never the order of the cards under the top. The
// order in which the same cards were discarded is no part of the position.
void appendDiscard(std::string& key, const TableState& table) {
  const Pile& pile = table.pile(PileId::secondWaste());
  if (!pile.empty()) {
    const int top = pile.top();
    key += static_cast<char>(top | (table.isFaceUp(top) ? kFaceUpBit : 0));
  }
  appendNumber(key, pile.size());
  key += kPileEnd;
}

void exactPart(const GameState& g, const KeyShape& shape, std::string& key) {
  key.clear();
  // Kept from one key to the next: a search builds one key per position.
  thread_local std::string scratch;
  thread_local std::array<std::vector<PileSpan>, 4> spans;
  scratch.clear();
  for (std::vector<PileSpan>& family : spans) family.clear();
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    // The pairing games hold the selection in the first foundation, which
    // they may not otherwise use.
    const bool selection = g.history.foundationOneIsSelection && id == PileId::foundation(0);
    if (!g.inUse(id) && !selection) continue;
    if (shape.discardTopOnly && id == PileId::secondWaste()) {
      appendDiscard(key, g.table);
      continue;
    }
    // The selection is never sorted in: foundationsInterchangeable is false
    // in the pairing games.
    if (!shape.covers(id.family)) {
      appendPile(key, g.table, id);
      continue;
    }
    const std::size_t start = scratch.size();
    appendPile(scratch, g.table, id);
    spans[static_cast<std::size_t>(id.family)].push_back({start, scratch.size() - start});
  }
  for (std::vector<PileSpan>& family : spans) appendSorted(key, scratch, family);
  // The pass counts only against a limit; the deals made only by their
  // parity (which waste a stock press fills) and modulo 13 (the rank called
  // in the counting games); the score only where it decides the win.
  appendNumber(key, g.params[Param::StockPasses] == kUnlimitedPasses ? 0 : g.passNumber);
  appendNumber(key, g.dealCount % kDealCountPeriod);
  appendNumber(key, movesMadeRead(g));
  appendNumber(key, g.family() == Family::PokerGrid ? g.score : 0);
  appendNumber(key, tableauMovesRead(g, g.history.undo.log));
  key += g.inProgress ? 'p' : 'e';
}

}  // namespace

bool keyReadsMovesMade(const GameParams& p) {
  return p[Param::OpeningPhase] == 1 || p[Param::FillEmptyFromStockAfterFirstAction] == 1;
}

// The count of moves onto the tableau: the sevens rows open their
// foundations every so many of them; a fill "before the first tableau move"
// asks only whether there was one.
int tableauMovesRead(const GameState& g, const MoveLog& log) {
  const bool sevens = g.family() == Family::SevensRow;
  const bool fillWaits = g.params[Param::EmptyTableauFillSource] == kFillBeforeFirstTableauMove;
  if (!sevens && !fillWaits) return 0;
  const int count = log.countOf(kCodeTableauMove);
  int read = 0;
  if (sevens) read = count % kTableauMovesPerWindow + 1;
  if (fillWaits) read = read * 2 + (count == 0 ? 1 : 0);
  return read;
}

bool stockDealsToPiles(const GameParams& p) {
  if (p[Param::FillEmptyFromStockAfterFirstAction] != 0) return true;
  for (int i = 0; i < familySize(PileFamily::Tableau); ++i)
    if (p[Param::tableauReceivesRow(i)] != 0) return true;
  for (int i = 0; i < familySize(PileFamily::Reserve); ++i)
    if (p[Param::reserveReceivesDeal(i)] != 0) return true;
  return false;
}

bool plainTableauRule(int code) {
  return std::find(kPlainTableauRules.begin(), kPlainTableauRules.end(), code) != kPlainTableauRules.end();
}

bool tableauInterchangeable(const GameState& g) {
  if (!noPlaceDependentDealing(g)) return false;
  const GameParams& p = g.params;
  const int n = g.tableauCount();
  if (!plainTableauRule(p[Param::tableauBuildRule(0)])) return false;
  return allEqual(n, [&](int i) { return p[Param::tableauBuildRule(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::tableauDirection(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::tableauEmptyBase(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::tableauWrap(i)]; });
}

bool reservesInterchangeable(const GameState& g) {
  if (!noPlaceDependentDealing(g) || g.reserveCount() < 2) return false;
  const int kind = g.params[Param::reserveKind(0)];
  if (std::find(kSharedReserveKinds.begin(), kSharedReserveKinds.end(), kind) != kSharedReserveKinds.end())
    return false;
  return allEqual(g.reserveCount(), [&](int i) { return g.params[Param::reserveKind(i)]; });
}

// Nothing reads a foundation's place but its own parameters (the standard
// family with a plain tableau rule), and the foundations' parameters agree.
bool foundationsInterchangeable(const GameState& g) {
  const GameParams& p = g.params;
  if (g.family() != Family::Standard || p[Param::FoundationBaseFromDeal] != 0) return false;
  // The pairing games hold the selection in the first foundation.
  if (g.history.foundationOneIsSelection) return false;
  if (!plainTableauRule(p[Param::tableauBuildRule(0)])) return false;
  const int n = g.foundationCount();
  return allEqual(n, [&](int i) { return p[Param::foundationBase(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::foundationDirection(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::foundationBuildRule(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::foundationDealCode(i)]; }) &&
         allEqual(n, [&](int i) { return p[Param::tableauWrap(i)]; });
}

std::string exactKey(const GameState& g) {
  std::string key;
  exactPart(g, KeyShape{}, key);
  return key;
}

std::string canonicalKey(const GameState& g) {
  std::string key;
  canonicalKeyInto(g, key);
  return key;
}

void canonicalKeyInto(const GameState& g, std::string& key) {
  exactPart(g, {foundationsInterchangeable(g), tableauInterchangeable(g), reservesInterchangeable(g), true}, key);
}

}  // namespace kes::solver
