#pragma once

#include <array>
#include <string>

namespace kes {

// The one place where a card's face state is held. Each card has an entry
// of 20 characters (name, suit digit, code, face flag), every card face up
// at first; only the face flag ever changes, so only the flags are stored
// and an entry is spelt out when asked for (a table is copied with every
// saved position).
class CardTable {
 public:
  static constexpr std::size_t kEntryLength = 20;
  static constexpr std::size_t kFaceFlagIndex = 19;

  CardTable();

  // Entry of card code 1..104.
  std::string entry(int code) const;
  bool isFaceUp(int code) const { return faceUp_.at(static_cast<std::size_t>(code - 1)) != 0; }
  char faceFlag(int code) const { return isFaceUp(code) ? '1' : '0'; }
  void setFaceUp(int code, bool up) { faceUp_.at(static_cast<std::size_t>(code - 1)) = up ? 1 : 0; }
  void setAllFaceUp();

 private:
  std::array<unsigned char, 104> faceUp_;
};

// "CUORI", "QUADR", "FIORI", "PICCH" for suit index 0..3.
const char* suitWord(int suit);
// "A", "02" .. "10", "J", "Q", "K" as used in card names.
std::string rankWord(int rank);

}  // namespace kes
