#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kes {

// The kinds of move the executor carries out. Their names are the ones the
// rest of the program (pointer input, autoplay, demos) uses to ask for them.
enum class ActionKind {
  StockToWaste,        // "Mazzo_Vis": a stock press turning cards onto the waste
  StockToSecondWaste,  // "Mazzo", "Mazzo_Waste", "Mazzo_Redeal"
  ToFoundation,        // "Dest" + n
  AutoplayToFoundation,  // "Dest_Autoplay" + n
  ToTableau,           // "Fila" + n
  ToReserve,           // "Appogg" + n
  ToSecondWaste,       // "Waste"
  ToWaste,             // "Stock02"
  AddTableaus,         // "Add_Tableaus": one stock card to every flagged tableau pile
  FillTableaus,        // "Fill_Tableaus": one stock card to every empty tableau pile
  AddTableausLast,     // "Add_Tableaus_Last": one stock card to every tableau pile
  AddReserves,         // "Add_Reserves": one stock card to every flagged reserve
  AddReserve,          // "Add_Reserve_" + n
  RemoveSelection,     // "Selezionate_Dest"
  RefillEmptyTableau,  // "Selezionate_Fila"
  CloseGapsAndRefill,  // "Stock_To_Pile_Monte_Carlo"
};

struct MoveAction {
  ActionKind kind;
  int index = 0;  // 0-based pile index for the actions that name a pile

  static MoveAction to(ActionKind kind, int index = 0) { return {kind, index}; }
};

std::optional<MoveAction> parseAction(std::string_view name);
std::string actionName(MoveAction action);

}  // namespace kes
