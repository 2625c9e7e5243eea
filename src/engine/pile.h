#pragma once

#include <string>
#include <string_view>

namespace kes {

// A pile is the concatenation of its cards' three-digit codes, bottom card
// first. Saved games and the undo history store piles in this form, so the
// text is kept as it is and only wrapped in card-sized operations.
class Pile {
 public:
  Pile() = default;
  explicit Pile(std::string codes) : codes_(std::move(codes)) {}

  int size() const { return static_cast<int>(codes_.size() / 3); }
  bool empty() const { return codes_.empty(); }
  // Card at position 0 (bottom) .. size() - 1 (top).
  int cardAt(int position) const;
  // The top card, or 0 for an empty pile.
  int top() const { return empty() ? 0 : cardAt(size() - 1); }
  // Position of a card code in the pile, or -1.
  int positionOf(int code) const;
  bool contains(int code) const { return positionOf(code) >= 0; }

  void append(int code);
  // Takes the card out wherever it lies; false when the pile does not hold it.
  bool remove(int code);
  void insertAt(int position, int code);
  void appendCodes(std::string_view codes) { codes_.append(codes); }
  // Removes and returns the codes of the top n cards (fewer if the pile is shorter).
  std::string takeTop(int n);
  void clear() { codes_.clear(); }

  const std::string& codes() const { return codes_; }
  void setCodes(std::string codes) { codes_ = std::move(codes); }

  bool operator==(const Pile&) const = default;

 private:
  std::string codes_;
};

}  // namespace kes
