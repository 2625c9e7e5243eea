#include "pile.h"

#include <algorithm>

#include "card.h"

namespace kes {

int Pile::cardAt(int position) const {
  if (position < 0 || position >= size()) return kNoCard;
  return parseCardCode(codes_.data() + 3 * position);
}

int Pile::positionOf(int code) const {
  for (int i = 0; i < size(); ++i)
    if (cardAt(i) == code) return i;
  return -1;
}

void Pile::append(int code) { codes_ += cardCodeText(code); }

bool Pile::remove(int code) {
  const int pos = positionOf(code);
  if (pos < 0) return false;
  codes_.erase(static_cast<std::size_t>(pos) * 3, 3);
  return true;
}

void Pile::insertAt(int position, int code) {
  codes_.insert(static_cast<std::size_t>(std::clamp(position, 0, size())) * 3, cardCodeText(code));
}

std::string Pile::takeTop(int n) {
  if (n <= 0) return {};
  const std::size_t count = static_cast<std::size_t>(n) * 3;
  const std::size_t start = count >= codes_.size() ? 0 : codes_.size() - count;
  std::string taken = codes_.substr(start);
  codes_.resize(start);
  return taken;
}

}  // namespace kes
