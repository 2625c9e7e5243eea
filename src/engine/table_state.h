#pragma once

#include <array>
#include <optional>

#include "card_table.h"
#include "pile.h"
#include "pile_id.h"

namespace kes {

// How setFaceState turns a pile's cards.
enum class FaceMode {
  AlternateUpFirst = -1,  // bottom card up, then down, up, ...
  AlternateDownFirst = -2,
  BottomUpOnly = -3,      // bottom card up, all others down
};

// The cards on the table: the card table with every card's face, and the
// four fixed-size pile lists. A game uses a prefix of each list.
class TableState {
 public:
  CardTable cards;

  Pile& pile(PileId id) { return piles_.at(static_cast<std::size_t>(id.ordinal())); }
  const Pile& pile(PileId id) const { return piles_.at(static_cast<std::size_t>(id.ordinal())); }
  Pile& pileAt(int ordinal) { return piles_.at(static_cast<std::size_t>(ordinal)); }
  const Pile& pileAt(int ordinal) const { return piles_.at(static_cast<std::size_t>(ordinal)); }

  // Adds card code to the top of the pile; with a face given (and a real
  // card), the card is turned that way too.
  void appendCard(PileId id, int code, std::optional<bool> faceUp = std::nullopt);
  // The top count cards (count >= 1) get the face given.
  void setTopFaces(PileId id, int count, bool faceUp);
  void setFaceState(PileId id, FaceMode mode);
  bool isFaceUp(int code) const { return code >= 1 && code <= 104 && cards.isFaceUp(code); }
  void clearPiles();

  // The pile that holds a card, if any.
  std::optional<PileId> locate(int code) const;

 private:
  std::array<Pile, kPileCount> piles_;
};

}  // namespace kes
