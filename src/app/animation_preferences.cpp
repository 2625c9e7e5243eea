#include "app/animation_preferences.h"

#include <limits>

#include "datafiles/config_field.h"
#include "datafiles/whole_number.h"
#include "display/geometry/layout_request.h"

namespace kes {

namespace {

constexpr int kDefaultMoveSpeed = 10;

bool onUnlessNo(const ConfigRecord& config, const ConfigField& field) { return config.get(field) != "N"; }

// The two-digit delay; a field that holds no number keeps the default speed.
int moveSpeedOf(const ConfigRecord& config) {
  const auto n = wholeNumber(config.get(Field::MoveSpeed));
  return n && *n >= 0 && *n <= std::numeric_limits<int>::max() ? static_cast<int>(*n) : kDefaultMoveSpeed;
}

}  // namespace

AnimationSettings animationSettingsOf(const ConfigRecord& config) {
  AnimationSettings s;
  s.cardsAnimate = onUnlessNo(config, Field::CardsAnimate);
  s.dealAnimation = onUnlessNo(config, Field::DealAnimation);
  s.redealAnimation = onUnlessNo(config, Field::RedealAnimation);
  s.winningAnimation = config.get(Field::WinningAnimation) == "Y";
  s.moveSpeed = moveSpeedOf(config);
  s.shadowSize = onUnlessNo(config, Field::CardsShadowed) ? kShadowSize : 0;
  return s;
}

}  // namespace kes
