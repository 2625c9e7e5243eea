#pragma once

#include <string>
#include <vector>

#include "display/geometry/rect.h"
#include "display/geometry/table_metrics.h"

namespace kes {

// Pile kinds of the drop code.
namespace DropKind {
inline constexpr int kWaste = 2;
inline constexpr int kTableau = 4;
inline constexpr int kFoundation = 5;
inline constexpr int kReserve = 6;
}  // namespace DropKind

struct DropCandidate {
  int kind = 0;   // DropKind
  int index = 0;  // pile index within its family (0 for the waste)
  int slot = -1;  // in the grid layout, the slot of tableau pile 1; else -1
  int weight = 0;
  // Weight (6 digits), kind or grid slot (3 digits), index (3 digits): the
  // text the candidates are ranked by.
  std::string key;

  PileId pile() const;
  bool operator==(const DropCandidate&) const = default;
};

inline constexpr std::size_t kMaxDropCandidates = 4;

// The piles a held rectangle (window coordinates) overlaps, best first, at
// most four. Each pile is measured as one card at the place of its top card.
// The keys are ranked as text, so equal weights prefer the higher kind
// (reserve, foundation, tableau, waste) and then the higher index.
std::vector<DropCandidate> findDropCandidates(const TableView& view, const Rect& held);

}  // namespace kes
