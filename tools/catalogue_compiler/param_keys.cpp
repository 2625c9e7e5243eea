#include "param_keys.h"

#include <algorithm>
#include <array>

#include "engine/game_params.h"

namespace kes::catalogue {

PileFamilyInfo pileFamilyInfo(PileFamily family) {
  switch (family) {
    case PileFamily::Foundation: return {16, Param::FoundationCount, "foundation.count"};
    case PileFamily::Tableau: return {26, Param::TableauCount, "tableau.count"};
    case PileFamily::Reserve: return {8, Param::ReserveCount, "reserve.count"};
    case PileFamily::None: break;
  }
  return {1, 0, ""};
}

std::span<const ParamKey> allParamKeys() {
  using namespace kinds;
  using F = PileFamily;
  namespace P = Param;
  static const std::array kKeys{
      ParamKey{"foundation-base-from-deal", P::FoundationBaseFromDeal, F::None, &kFlag},
      ParamKey{"run-check", P::RunCheck, F::None, &kRunCheck},
      ParamKey{"tableau.fanning", P::TableauFanning, F::None, &kFanning},
      ParamKey{"foundation.fanning", P::FoundationFanning, F::None, &kFanning},
      ParamKey{"reserve.fanning", P::ReserveFanning, F::None, &kFanning},
      ParamKey{"stock.face-down", P::StockFaceDown, F::None, &kFlag},
      ParamKey{"stock.shown", P::StockShownAtStock, F::None, &kFlag},
      ParamKey{"waste.used", P::WasteUsed, F::None, &kFlag},
      ParamKey{"extra-foundation-card", P::ExtraFoundationCard, F::None, &kFlag},
      ParamKey{"run-limit", P::RunLimitMode, F::None, &kRunLimit},
      ParamKey{"reserve.lift", P::ReserveLiftAny, F::None, &kReserveLift},
      ParamKey{"stock.passes", P::StockPasses, F::None, &kPasses},
      ParamKey{"tableau.redeal", P::TableauRedealMode, F::None, &kRedeal},
      ParamKey{"stock.only-when-waste-empty", P::StockOnlyWhenWasteEmpty, F::None, &kFlag},
      ParamKey{"foundation.lift", P::FoundationLift, F::None, &kFoundationLift},
      ParamKey{"autoplay", P::AutoplayAvailable, F::None, &kFlag},
      ParamKey{"stock.cards-per-press", P::CardsPerStockPress, F::None, &kNumber},
      ParamKey{"tableau.fill-source", P::EmptyTableauFillSource, F::None, &kFillSource},
      ParamKey{"deal-pile-by-pile", P::DealPileByPile, F::None, &kFlag},
      ParamKey{"foundation.sorted", P::FoundationSorted, F::None, &kFlag},
      ParamKey{"kings-to-bottom", P::KingsToBottom, F::None, &kFlag},
      ParamKey{"foundation.max-cards", P::FoundationMaxCards, F::None, &kNumber},
      ParamKey{"special-deal", P::SpecialDealLayout, F::None, &kSpecialDeal},
      ParamKey{"needs-wide-display", P::NeedsWideDisplay, F::None, &kFlag},
      ParamKey{"pairing-target", P::PairingGame, F::None, &kNumber},
      ParamKey{"opening-phase", P::OpeningPhase, F::None, &kFlag},
      ParamKey{"fill-from-stock-after-first-move", P::FillEmptyFromStockAfterFirstAction, F::None, &kFlag},
      ParamKey{"cards-played-at-deal", P::CardsPlayedAtDeal, F::None, &kNumber},
      ParamKey{"family", P::Family, F::None, &kFamily},
      ParamKey{"foundation.base", P::kFoundationBase, F::Foundation, &kBase},
      ParamKey{"foundation.direction", P::kFoundationDirection, F::Foundation, &kDirection},
      ParamKey{"foundation.build", P::kFoundationBuildRule, F::Foundation, &kBuildRule},
      ParamKey{"foundation.deal", P::kFoundationDealCode, F::Foundation, &kFoundationDeal},
      ParamKey{"tableau.empty", P::kTableauEmptyBase, F::Tableau, &kBase},
      ParamKey{"tableau.direction", P::kTableauDirection, F::Tableau, &kDirection},
      ParamKey{"tableau.build", P::kTableauBuildRule, F::Tableau, &kBuildRule},
      ParamKey{"tableau.wrap", P::kTableauWrap, F::Tableau, &kFlag},
      ParamKey{"tableau.stock-deal", P::kTableauReceivesRow, F::Tableau, &kStockDeal},
      ParamKey{"reserve.kind", P::kReserveKind, F::Reserve, &kReserveKind},
      ParamKey{"reserve.stock-deal", P::kReserveReceivesDeal, F::Reserve, &kReserveStockDeal},
      ParamKey{"second-waste.start-card", P::SecondWasteDealCard, F::None, &kStartCard},
      ParamKey{"waste.buildable", P::WasteBuildable, F::None, &kWasteBuild},
      ParamKey{"waste.not-drop-target", P::WasteNotDropTarget, F::None, &kWasteDrop},
      ParamKey{"stock.placement", P::StockPlacementVariant, F::None, &kStockPlacement},
      ParamKey{"stock.row", P::StockPlacementRow, F::None, &kNumber},
      ParamKey{"foundation.placement", P::FoundationPlacementVariant, F::None, &kFoundationPlacement},
      ParamKey{"foundation.row", P::FoundationPlacementRow, F::None, &kNumber},
      ParamKey{"tableau.placement", P::TableauPlacementVariant, F::None, &kTableauPlacement},
      ParamKey{"tableau.row", P::TableauPlacementRow, F::None, &kNumber},
      ParamKey{"tableau.rows", P::TableauRows, F::None, &kNumber},
      ParamKey{"reserve.placement", P::ReservePlacementVariant, F::None, &kReservePlacement},
      ParamKey{"reserve.row", P::ReservePlacementRow, F::None, &kNumber},
      ParamKey{"second-waste.placement", P::SecondWastePlacementVariant, F::None, &kSecondWastePlacement},
      ParamKey{"second-waste.row", P::SecondWastePlacementRow, F::None, &kNumber},
      ParamKey{"stock.row-piles", P::StockRowPiles, F::None, &kNumber},
      ParamKey{"foundation.count", P::FoundationCount, F::None, &kNumber},
      ParamKey{"tableau.count", P::TableauCount, F::None, &kNumber},
      ParamKey{"reserve.count", P::ReserveCount, F::None, &kNumber},
      ParamKey{"second-waste.used", P::SecondWasteUsed, F::None, &kNumber},
      ParamKey{"cards", P::CardCount, F::None, &kNumber},
      ParamKey{"stock.deal", P::StockDealCount, F::None, &kNumber},
      ParamKey{"waste.deal", P::WasteDealCount, F::None, &kNumber},
      ParamKey{"tableau.deal", P::kTableauDealCount, F::Tableau, &kTableauDeal},
      ParamKey{"tableau.face", P::kTableauDealFace, F::Tableau, &kFace},
      ParamKey{"second-waste.deal", P::SecondWasteDealCount, F::None, &kNumber},
      ParamKey{"reserve.deal", P::kReserveDealCount, F::Reserve, &kNumber},
      ParamKey{"reserve.face", P::kReserveDealFace, F::Reserve, &kFace},
      ParamKey{"customize.stock-press", P::StockPressCustomizable, F::None, &kCustomize},
      ParamKey{"customize.redeals", P::RedealsCustomizable, F::None, &kCustomize},
      ParamKey{"customize.tableau-spaces", P::TableauSpacesCustomizable, F::None, &kCustomize},
      ParamKey{"playing-time", P::PlayingTime, F::None, &kPlayingTime},
      ParamKey{"difficulty", P::Difficulty, F::None, &kDifficulty},
      ParamKey{"skill", P::SkillOrChance, F::None, &kSkill},
      ParamKey{"chance-of-winning", P::ChanceOfWinning, F::None, &kChance},
      ParamKey{"odds.wins", P::OddsWins, F::None, &kNumber},
      ParamKey{"odds.games", P::OddsGames, F::None, &kNumber},
  };
  return kKeys;
}

const ParamKey* findParamKey(std::string_view name) {
  const auto keys = allParamKeys();
  const auto it = std::find_if(keys.begin(), keys.end(), [&](const ParamKey& k) { return name == k.name; });
  return it == keys.end() ? nullptr : &*it;
}

}  // namespace kes::catalogue
