#include "table_state.h"

#include <algorithm>

namespace kes {

void TableState::appendCard(PileId id, int code, std::optional<bool> faceUp) {
  pile(id).append(code);
  if (faceUp && code != 0) cards.setFaceUp(code, *faceUp);
}

void TableState::setTopFaces(PileId id, int count, bool faceUp) {
  const Pile& p = pile(id);
  for (int i = std::max(0, p.size() - count); i < p.size(); ++i) {
    const int code = p.cardAt(i);
    if (code >= 1) cards.setFaceUp(code, faceUp);
  }
}

void TableState::setFaceState(PileId id, FaceMode mode) {
  const Pile& p = pile(id);
  for (int i = 0; i < p.size(); ++i) {
    const int code = p.cardAt(i);
    if (code < 1) continue;
    const bool evenPosition = i % 2 == 0;  // 1st, 3rd, ... card from the bottom
    switch (mode) {
      case FaceMode::AlternateUpFirst: cards.setFaceUp(code, evenPosition); break;
      case FaceMode::AlternateDownFirst: cards.setFaceUp(code, !evenPosition); break;
      case FaceMode::BottomUpOnly: cards.setFaceUp(code, i == 0); break;
    }
  }
}

void TableState::clearPiles() {
  for (auto& p : piles_) p.clear();
}

std::optional<PileId> TableState::locate(int code) const {
  for (int o = 0; o < kPileCount; ++o)
    if (piles_[static_cast<std::size_t>(o)].contains(code)) return PileId::fromOrdinal(o);
  return std::nullopt;
}

}  // namespace kes
