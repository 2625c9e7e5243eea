#pragma once

#include <string>
#include <string_view>

namespace kes {

// Move codes that the move executor attaches to a history step.
inline constexpr int kCodeTableauMove = 1;  // a move onto a tableau pile (counted by one family's rules)
inline constexpr int kCodeStockDeal = 2;    // a stock press that dealt (counted as `DealCount`)
// A redeal of the tableau that leaves the stock as it was: its pass cannot be
// told from the stock, so undo and redo read it from this code.
inline constexpr int kCodeTableauRedeal = 3;

// The text log that runs in step with a history stack: one element per
// snapshot, each ended by a comma, holding zero or more 3-digit move codes.
class MoveLog {
 public:
  MoveLog() = default;
  explicit MoveLog(std::string text) : text_(std::move(text)) {}

  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }
  void clear() { text_.clear(); }

  void appendEmpty() { text_ += ','; }
  void append(std::string_view element);
  std::string lastElement() const;
  void removeLast();
  // Replaces the last element by the code in 3 digits.
  void tagLast(int code);
  int countOf(int code) const;

  static bool elementContains(std::string_view element, int code);

 private:
  std::string text_;
};

}  // namespace kes
