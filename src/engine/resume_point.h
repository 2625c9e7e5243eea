#pragma once

#include <array>
#include <chrono>
#include <optional>

#include "history.h"
#include "pile_id.h"
#include "snapshot.h"

namespace kes {

// A game as it was left: the table, the undo history of its deal and the
// counters, enough to play on without dealing. The table's foundation 1 holds
// its real content (the selection of the pairing games), unlike a snapshot.
struct ResumePoint {
  Snapshot table;
  HistoryStack undo;
  int passNumber = 1;
  int score = 0;
  std::chrono::seconds elapsed{0};
  // The base ranks the deal gave the foundations; an entry without a value
  // keeps the game's own base.
  std::array<std::optional<int>, kFamilySizes[1]> foundationBases{};
  // The autoplay passes that follow a start; a demo is shown as it was
  // recorded and skips them.
  bool openingAutoplay = true;
};

}  // namespace kes
