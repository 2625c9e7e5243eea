#pragma once

#include <array>
#include <cstdint>

namespace kes {

// Numbers of the catalogue parameters. Per-pile entries are ranges that
// start at a base and are addressed through the functions below, so that no
// code writes a bare parameter number.
namespace Param {

inline constexpr int kCount = 346;  // entries 0..345; entry 0 is never used
inline constexpr int kLast = 345;

enum : int {
  FoundationBaseFromDeal = 1,
  RunCheck = 2,
  TableauFanning = 3,
  FoundationFanning = 4,
  ReserveFanning = 5,
  StockFaceDown = 6,
  StockShownAtStock = 7,
  WasteUsed = 8,
  ExtraFoundationCard = 10,
  RunLimitMode = 11,
  ReserveLiftAny = 12,
  StockPasses = 13,
  TableauRedealMode = 14,
  StockOnlyWhenWasteEmpty = 15,
  FoundationLift = 16,
  AutoplayAvailable = 17,
  CardsPerStockPress = 19,
  EmptyTableauFillSource = 20,
  DealPileByPile = 21,
  FoundationSorted = 23,
  KingsToBottom = 24,
  FoundationMaxCards = 25,
  SpecialDealLayout = 26,
  NeedsWideDisplay = 29,
  PairingGame = 30,
  OpeningPhase = 31,
  FillEmptyFromStockAfterFirstAction = 32,
  CardsPlayedAtDeal = 33,
  Family = 35,
  SecondWasteDealCard = 246,
  WasteBuildable = 247,
  WasteNotDropTarget = 248,
  StockPlacementVariant = 249,
  StockPlacementRow = 250,
  FoundationPlacementVariant = 251,
  FoundationPlacementRow = 252,
  TableauPlacementVariant = 253,
  TableauPlacementRow = 254,
  TableauRows = 255,
  ReservePlacementVariant = 256,
  ReservePlacementRow = 257,
  SecondWastePlacementVariant = 258,
  SecondWastePlacementRow = 259,
  StockRowPiles = 260,
  FoundationCount = 261,
  TableauCount = 262,
  ReserveCount = 263,
  SecondWasteUsed = 264,
  CardCount = 265,
  StockDealCount = 266,
  WasteDealCount = 267,
  SecondWasteDealCount = 320,
  StockPressCustomizable = 337,
  RedealsCustomizable = 338,
  TableauSpacesCustomizable = 339,
  PlayingTime = 340,
  Difficulty = 341,
  SkillOrChance = 342,
  ChanceOfWinning = 343,
  OddsWins = 344,
  OddsGames = 345,
};

// First entry of each per-pile range and its length.
inline constexpr int kFoundationBase = 36;        // 16 entries
inline constexpr int kFoundationDirection = 52;   // 16
inline constexpr int kFoundationBuildRule = 68;   // 16
inline constexpr int kFoundationDealCode = 84;    // 16
inline constexpr int kTableauEmptyBase = 100;     // 26
inline constexpr int kTableauDirection = 126;     // 26
inline constexpr int kTableauBuildRule = 152;     // 26
inline constexpr int kTableauWrap = 178;          // 26
inline constexpr int kTableauReceivesRow = 204;   // 26
inline constexpr int kReserveKind = 230;          // 8
inline constexpr int kReserveReceivesDeal = 238;  // 8
inline constexpr int kTableauDealCount = 268;     // 26
inline constexpr int kTableauDealFace = 294;      // 26
inline constexpr int kReserveDealCount = 321;     // 8
inline constexpr int kReserveDealFace = 329;      // 8

constexpr int foundationBase(int i) { return kFoundationBase + i; }
constexpr int foundationDirection(int i) { return kFoundationDirection + i; }
constexpr int foundationBuildRule(int i) { return kFoundationBuildRule + i; }
constexpr int foundationDealCode(int i) { return kFoundationDealCode + i; }
constexpr int tableauEmptyBase(int i) { return kTableauEmptyBase + i; }
constexpr int tableauDirection(int i) { return kTableauDirection + i; }
constexpr int tableauBuildRule(int i) { return kTableauBuildRule + i; }
// Also read for foundation i by the deal's foundation tests.
constexpr int tableauWrap(int i) { return kTableauWrap + i; }
constexpr int tableauReceivesRow(int i) { return kTableauReceivesRow + i; }
constexpr int reserveKind(int i) { return kReserveKind + i; }
constexpr int reserveReceivesDeal(int i) { return kReserveReceivesDeal + i; }
constexpr int tableauDealCount(int i) { return kTableauDealCount + i; }
constexpr int tableauDealFace(int i) { return kTableauDealFace + i; }
constexpr int reserveDealCount(int i) { return kReserveDealCount + i; }
constexpr int reserveDealFace(int i) { return kReserveDealFace + i; }

}  // namespace Param

// The loaded game's parameters, entry k holding catalogue parameter k.
class GameParams {
 public:
  std::int16_t operator[](int entry) const { return values_.at(static_cast<std::size_t>(entry)); }
  std::int16_t& operator[](int entry) { return values_.at(static_cast<std::size_t>(entry)); }
  void clear() { values_.fill(0); }
  // Entry 265 stays 0 until a game has been loaded.
  bool loaded() const { return (*this)[Param::CardCount] != 0; }

 private:
  std::array<std::int16_t, Param::kCount> values_{};
};

// The bases that a deal changes (tableau empty-pile bases 100..125 and
// foundation bases 36..51), kept from the load and restored before each deal.
class SavedPileParams {
 public:
  void save(const GameParams& params);
  void restore(GameParams& params) const;

 private:
  std::array<std::int16_t, 42> values_{};
};

}  // namespace kes
