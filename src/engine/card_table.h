#pragma once

#include <array>
#include <string>

namespace kes {

// The one place where a card's face state is held: 104 entries of 20
// characters (name, suit digit, code, face flag), built in code order with
// every card face up. Only the face flag ever changes.
class CardTable {
 public:
  static constexpr std::size_t kEntryLength = 20;
  static constexpr std::size_t kFaceFlagIndex = 19;

  CardTable();

  // Entry of card code 1..104.
  const std::string& entry(int code) const { return entries_.at(static_cast<std::size_t>(code - 1)); }
  bool isFaceUp(int code) const { return entry(code)[kFaceFlagIndex] == '1'; }
  char faceFlag(int code) const { return entry(code)[kFaceFlagIndex]; }
  void setFaceUp(int code, bool up) { mutableEntry(code)[kFaceFlagIndex] = up ? '1' : '0'; }
  void setAllFaceUp();

 private:
  std::string& mutableEntry(int code) { return entries_.at(static_cast<std::size_t>(code - 1)); }
  std::array<std::string, 104> entries_;
};

// "CUORI", "QUADR", "FIORI", "PICCH" for suit index 0..3.
const char* suitWord(int suit);
// "A", "02" .. "10", "J", "Q", "K" as used in card names.
std::string rankWord(int rank);

}  // namespace kes
