#pragma once

#include <string>
#include <string_view>

namespace kes {

// Move codes that the move executor attaches to a history step.
inline constexpr int kCodeTableauMove = 1;  // a move onto a tableau pile (counted by one family's rules)
// The family whose tableau cards reach the foundations only every twentieth
// tableau move, or once the waste is empty.
inline constexpr int kTableauMovesPerWindow = 20;
inline constexpr int kCodeStockDeal = 2;    // a stock press that dealt (counted as `DealCount`)
// A new pass through the stock: a redeal of the tableau, or the waste turned
// over. Whether the stock was empty before and after cannot tell such a step
// (a turnover followed by a turn that empties the stock again, a tableau
// redeal that leaves the stock empty), so undo and redo read the pass from
// this code where a step carries it.
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
  // Adds the code to the last element, keeping the codes it holds.
  void addToLast(int code);
  int countOf(int code) const;

  static bool elementContains(std::string_view element, int code);

 private:
  std::string text_;
};

}  // namespace kes
