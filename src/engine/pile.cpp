#include "pile.h"

#include <algorithm>

#include "card.h"

namespace kes {

int Pile::positionOf(int code) const {
  if (code < 0 || code >= kUnreadable) return -1;
  const std::size_t at = cards_.find(byteOf(code));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

bool Pile::onlyPlaceholders() const {
  return std::all_of(cards_.begin(), cards_.end(), [](char c) { return c == 0; });
}

bool Pile::remove(int code) {
  const int pos = positionOf(code);
  if (pos < 0) return false;
  cards_.erase(static_cast<std::size_t>(pos), 1);
  return true;
}

void Pile::insertAt(int position, int code) {
  cards_.insert(static_cast<std::size_t>(std::clamp(position, 0, size())), 1, byteOf(code));
}

void Pile::replaceAt(int position, int code) {
  if (position >= 0 && position < size()) cards_[static_cast<std::size_t>(position)] = byteOf(code);
}

void Pile::eraseAt(int position, int count) {
  if (position < 0 || position >= size() || count <= 0) return;
  cards_.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
}

void Pile::appendCodes(std::string_view codes) {
  // A trailing partial group is no card.
  for (std::size_t i = 0; i + 3 <= codes.size(); i += 3) cards_ += byteOf(parseCardCode(codes.data() + i));
}

Pile Pile::splitTop(int n) {
  Pile taken;
  if (n <= 0) return taken;
  const std::size_t count = std::min(static_cast<std::size_t>(n), cards_.size());
  taken.cards_ = cards_.substr(cards_.size() - count);
  cards_.resize(cards_.size() - count);
  return taken;
}

std::string Pile::codes() const {
  std::string text;
  text.reserve(cards_.size() * 3);
  for (char c : cards_) text += cardCodeText(codeOf(c));
  return text;
}

}  // namespace kes
