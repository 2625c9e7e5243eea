#include "game_params.h"

namespace kes {

namespace {
constexpr int kTableauSlots = 26;
constexpr int kFoundationSlots = 16;
}  // namespace

void SavedPileParams::save(const GameParams& params) {
  for (int i = 0; i < kTableauSlots; ++i) values_[static_cast<std::size_t>(i)] = params[Param::tableauEmptyBase(i)];
  for (int i = 0; i < kFoundationSlots; ++i)
    values_[static_cast<std::size_t>(kTableauSlots + i)] = params[Param::foundationBase(i)];
}

void SavedPileParams::restore(GameParams& params) const {
  for (int i = 0; i < kTableauSlots; ++i) params[Param::tableauEmptyBase(i)] = values_[static_cast<std::size_t>(i)];
  for (int i = 0; i < kFoundationSlots; ++i)
    params[Param::foundationBase(i)] = values_[static_cast<std::size_t>(kTableauSlots + i)];
}

}  // namespace kes
