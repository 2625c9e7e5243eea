#include "move_action.h"

#include <array>
#include <charconv>

namespace kes {

namespace {

struct NamedAction {
  std::string_view name;
  ActionKind kind;
  bool numbered;
};

// Longer names first where one name starts another.
constexpr std::array<NamedAction, 18> kNames{{
    {"Mazzo_Vis", ActionKind::StockToWaste, false},
    {"Mazzo_Waste", ActionKind::StockToSecondWaste, false},
    {"Mazzo_Redeal", ActionKind::StockToSecondWaste, false},
    {"Mazzo", ActionKind::StockToSecondWaste, false},
    {"Dest_Autoplay", ActionKind::AutoplayToFoundation, true},
    {"Dest", ActionKind::ToFoundation, true},
    {"Fila", ActionKind::ToTableau, true},
    {"Appogg", ActionKind::ToReserve, true},
    {"Waste", ActionKind::ToSecondWaste, false},
    {"Stock02", ActionKind::ToWaste, false},
    {"Add_Tableaus_Last", ActionKind::AddTableausLast, false},
    {"Add_Tableaus", ActionKind::AddTableaus, false},
    {"Fill_Tableaus", ActionKind::FillTableaus, false},
    {"Add_Reserves", ActionKind::AddReserves, false},
    {"Add_Reserve_", ActionKind::AddReserve, true},
    {"Selezionate_Dest", ActionKind::RemoveSelection, false},
    {"Selezionate_Fila", ActionKind::RefillEmptyTableau, false},
    {"Stock_To_Pile_Monte_Carlo", ActionKind::CloseGapsAndRefill, false},
}};

}  // namespace

std::optional<MoveAction> parseAction(std::string_view name) {
  for (const NamedAction& n : kNames) {
    if (!n.numbered) {
      if (name == n.name) return MoveAction{n.kind, 0};
      continue;
    }
    if (!name.starts_with(n.name)) continue;
    const std::string_view digits = name.substr(n.name.size());
    int number = 0;
    const auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (err != std::errc{} || end != digits.data() + digits.size() || number < 1) return std::nullopt;
    return MoveAction{n.kind, number - 1};
  }
  return std::nullopt;
}

std::string actionName(MoveAction action) {
  for (const NamedAction& n : kNames)
    if (n.kind == action.kind) return n.numbered ? std::string(n.name) + std::to_string(action.index + 1) : std::string(n.name);
  return {};
}

}  // namespace kes
