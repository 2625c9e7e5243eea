#include "card_table.h"

#include "card.h"

namespace kes {

const char* suitWord(int suit) {
  static constexpr const char* kWords[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
  return suit >= 0 && suit < 4 ? kWords[suit] : "";
}

std::string rankWord(int rank) {
  if (rank == 1 || rank > 10) return rankLabel(rank);
  std::string word = std::to_string(rank);
  return word.size() == 1 ? "0" + word : word;
}

CardTable::CardTable() { setAllFaceUp(); }

std::string CardTable::entry(int code) const {
  std::string name = std::string(suitWord(suitIndex(code))) + "_" + rankWord(cardRank(code));
  name.resize(15, ' ');
  return name + static_cast<char>('1' + suitIndex(code)) + cardCodeText(code) + faceFlag(code);
}

void CardTable::setAllFaceUp() { faceUp_.fill(1); }

}  // namespace kes
