#pragma once

// Table-driven checks shared by the tests of the catalogue's game families:
// each takes one row of a family's table and plays it through the command
// driver, on a fixed deal or on piles laid out by GamePlay::arrange.

#include <string>
#include <vector>

#include "game_play.h"

namespace kes::cli::probe {

// "7*4 6*4" -> 7,7,7,7,6,6,6,6 (the catalogue sources' list shorthand).
std::vector<int> counts(const std::string& list);

// What a deal puts where. Tableau and reserve lists as counts(); face-up
// counts of -1 mean "every card of the pile". Games whose deal ends with a
// scan to the foundations give scanned = true: then only the totals of the
// tableau and the foundations are fixed.
struct DealShape {
  int game;
  int stock;
  std::string tableau;
  std::string tableauUp;
  std::string reserves = "";
  int foundationCards = 0;
  bool scanned = false;
};
void expectDealShape(const DealShape& shape, long long dealNumber);

// One card put on another by a move from one pile to another: both laid out
// by arrange, the target on `target`, the moving card alone on `source`.
// An empty `onto` probes an empty target pile.
struct BuildProbe {
  int game;
  std::string onto;
  std::string accepted;
  std::string refused;
  std::string target = "Fila1";
  std::string source = "Fila2";
};
void expectBuildProbe(const BuildProbe& p);

// A run laid on `source` moved onto `onto` (on `target`): accepted or not.
struct RunProbe {
  int game;
  std::string onto;
  std::vector<std::string> run;
  bool accepted;
};
void expectRunProbe(const RunProbe& p);

// Stock presses: the cards each press turns (or deals to the piles), and how
// many presses the stock allows in all; passes of -1: unlimited (checked
// through four passes).
struct StockProbe {
  int game;
  int cardsPerPress;
  int passes;
  bool rowDeal = false;
};
void expectStockProbe(const StockProbe& p);

// The game is not won with one card off the foundations and is won once it
// goes up. Runs-removal games (removal = true) finish with the last run,
// in one suit or, with alternate = true, in alternate colours.
struct WinProbe {
  int game;
  bool removal = false;
  bool alternate = false;
};
void expectWinProbe(const WinProbe& p);

}  // namespace kes::cli::probe
