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

CardTable::CardTable() {
  for (int code = 1; code <= kMaxCards; ++code) {
    std::string name = std::string(suitWord(suitIndex(code))) + "_" + rankWord(cardRank(code));
    name.resize(15, ' ');
    entries_[static_cast<std::size_t>(code - 1)] =
        name + static_cast<char>('1' + suitIndex(code)) + cardCodeText(code) + '1';
  }
}

void CardTable::setAllFaceUp() {
  for (auto& e : entries_) e[kFaceFlagIndex] = '1';
}

}  // namespace kes
