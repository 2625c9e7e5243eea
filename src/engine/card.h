#pragma once

#include <string>

namespace kes {

// A card is its number 1..104: first pack (suit - 1) * 13 + rank, second pack
// 52 more; suits in the order hearts, diamonds, clubs, spades. 0 is no card.
inline constexpr int kNoCard = 0;
inline constexpr int kMaxCards = 104;
inline constexpr int kCardsPerPack = 52;
inline constexpr int kRanksPerSuit = 13;

enum class Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

// The same card of the first pack; inline, as the rules ask for suits and
// ranks at every move they judge.
constexpr int withinPack(int code) { return code > kCardsPerPack ? code - kCardsPerPack : code; }
// 0 hearts .. 3 spades; -1 for a value that is no card.
constexpr int suitIndex(int code) {
  const int c = withinPack(code);
  return c < 1 || c > kCardsPerPack ? -1 : (c - 1) / kRanksPerSuit;
}
// 1 ace .. 13 king; -1 for a value that is no card.
constexpr int cardRank(int code) {
  const int c = withinPack(code);
  return c < 1 || c > kCardsPerPack ? -1 : (c - 1) % kRanksPerSuit + 1;
}
constexpr bool isRed(int code) {
  const int suit = suitIndex(code);
  return suit == 0 || suit == 1;
}
bool isCourtCard(int code);
// Ranks wrap: below the ace is the king, above the king the ace.
int rankBelow(int rank);
int rankAbove(int rank);
// "A", "2" .. "10", "J", "Q", "K".
std::string rankLabel(int rank);
// The three-digit text of a code, "000" .. "104".
std::string cardCodeText(int code);
// Parses three decimal digits; -1 when they are not digits.
int parseCardCode(const char* threeDigits);

}  // namespace kes
