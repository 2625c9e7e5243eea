#pragma once

#include <string>
#include <string_view>

namespace kes {

// A pile of cards, bottom card first. Saved games and the undo history
// write a pile as the concatenation of its cards' three-digit codes; that
// text is what codes() gives and setCodes() takes. Inside, every card is
// one byte: the solver copies and reads piles millions of times.
class Pile {
 public:
  Pile() = default;
  explicit Pile(std::string_view codes) { appendCodes(codes); }

  int size() const { return static_cast<int>(cards_.size()); }
  bool empty() const { return cards_.empty(); }
  // Card at position 0 (bottom) .. size() - 1 (top); kNoCard outside.
  int cardAt(int position) const {
    if (position < 0 || position >= size()) return 0;
    return codeOf(cards_[static_cast<std::size_t>(position)]);
  }
  // The top card, or 0 for an empty pile.
  int top() const { return empty() ? 0 : cardAt(size() - 1); }
  // Position of a card code in the pile, or -1.
  int positionOf(int code) const;
  bool contains(int code) const { return positionOf(code) >= 0; }
  // True when every card is the placeholder 0 (a cleared cell); true for
  // an empty pile.
  bool onlyPlaceholders() const;

  void append(int code) { cards_ += byteOf(code); }
  // Takes the card out wherever it lies; false when the pile does not hold it.
  bool remove(int code);
  void insertAt(int position, int code);
  // Puts the code in place of the card at the position.
  void replaceAt(int position, int code);
  // Takes count cards out from the position up.
  void eraseAt(int position, int count);
  void appendCodes(std::string_view codes);
  void appendPile(const Pile& other) { cards_ += other.cards_; }
  // Removes and returns the codes of the top n cards (fewer if the pile is shorter).
  std::string takeTop(int n) { return splitTop(n).codes(); }
  // Removes and returns the top n cards as a pile of their own.
  Pile splitTop(int n);
  void clear() { cards_.clear(); }

  std::string codes() const;
  void setCodes(std::string_view codes) {
    cards_.clear();
    appendCodes(codes);
  }

  bool operator==(const Pile&) const = default;

 private:
  // A text group that is not three digits, or a number no byte holds, is
  // kept as this byte and read back as -1, as the text form reads it.
  static constexpr unsigned char kUnreadable = 0xff;
  static char byteOf(int code) {
    return static_cast<char>(code >= 0 && code < kUnreadable ? code : kUnreadable);
  }
  static int codeOf(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b == kUnreadable ? -1 : b;
  }

  std::string cards_;
};

}  // namespace kes
