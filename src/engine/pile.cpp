#include "pile.h"

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

std::string Pile::takeTop(int n) {
  if (n <= 0) return {};
  const std::size_t count = static_cast<std::size_t>(n) * 3;
  const std::size_t start = count >= codes_.size() ? 0 : codes_.size() - count;
  std::string taken = codes_.substr(start);
  codes_.resize(start);
  return taken;
}

}  // namespace kes
