#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kes {

// The four pile lists of the table. Their order is also the order of the
// piles in a table snapshot.
enum class PileFamily { Stock = 0, Foundation = 1, Tableau = 2, Reserve = 3 };

inline constexpr std::array<int, 4> kFamilySizes{3, 16, 26, 8};
inline constexpr int kPileCount = 53;

// Index of the stock-family piles.
inline constexpr int kStock = 0;      // "Mazzo"
inline constexpr int kWaste = 1;      // "Mazzo_Vis"
inline constexpr int kSecondWaste = 2;  // "Mazzo_Waste"

inline constexpr int familySize(PileFamily f) { return kFamilySizes[static_cast<std::size_t>(f)]; }

struct PileId {
  PileFamily family = PileFamily::Stock;
  int index = 0;  // 0-based within its family

  bool operator==(const PileId&) const = default;

  static constexpr PileId stock() { return {PileFamily::Stock, kStock}; }
  static constexpr PileId waste() { return {PileFamily::Stock, kWaste}; }
  static constexpr PileId secondWaste() { return {PileFamily::Stock, kSecondWaste}; }
  static constexpr PileId foundation(int i) { return {PileFamily::Foundation, i}; }
  static constexpr PileId tableau(int i) { return {PileFamily::Tableau, i}; }
  static constexpr PileId reserve(int i) { return {PileFamily::Reserve, i}; }

  // Position 0..52 in snapshot order. Inline: every look-up of a pile on
  // the table goes through them.
  constexpr int ordinal() const {
    int base = 0;
    for (int f = 0; f < static_cast<int>(family); ++f) base += kFamilySizes[static_cast<std::size_t>(f)];
    return base + index;
  }
  static constexpr PileId fromOrdinal(int ordinal) {
    int f = 0;
    while (f < 3 && ordinal >= kFamilySizes[static_cast<std::size_t>(f)]) {
      ordinal -= kFamilySizes[static_cast<std::size_t>(f)];
      ++f;
    }
    return {static_cast<PileFamily>(f), ordinal};
  }
};

// "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest1".."Dest16", "Fila1".."Fila26",
// "Appogg1".."Appogg8".
std::string pileName(PileId id);
// The pile a name addresses; nothing for a name outside the lists.
std::optional<PileId> pileFromName(std::string_view name);

}  // namespace kes
