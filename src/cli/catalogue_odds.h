#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kes::cli {

// What the solver made of a range of deals of one game, and what it was
// allowed to spend on each.
struct OddsFigures {
  long long firstDeal = 1;
  long long lastDeal = 1;
  int won = 0;
  int lost = 0;
  int unknown = 0;
  std::int64_t maxStates = 0;
  std::int64_t maxMs = 0;

  int deals() const { return static_cast<int>(lastDeal - firstDeal + 1); }
  // Undecided deals are counted as not won, so the figures stand only when
  // few are undecided: at most one in ten.
  bool trustworthy() const { return deals() > 0 && unknown * 10 <= deals(); }
};

// The chance-of-winning symbol of the catalogue sources for a share of deals
// won (0 to 1): very-high from 90%, high from 70%, medium from 40%, low from
// 15%, very-low below.
std::string_view chanceSymbolFor(double wonShare);

// The comment that records the figures and the budget above the odds.
std::string oddsComment(const OddsFigures& figures);

// A catalogue source with the solver's figures written in: a comment with
// the figures and the budget, the chance of winning from the won share and
// "about WON in DEALS" as the odds when the figures stand; when they do not,
// the chance the source had stays and the odds are cleared (none shown).
// The figures of an earlier run are replaced, so running it again changes
// only what the new figures change.
std::string withOdds(std::string_view source, const OddsFigures& figures);

// The game number of a catalogue source file name "NNN-name.game".
std::optional<int> sourceGameNumber(std::string_view fileName);

}  // namespace kes::cli
