#include "app/animation_preferences.h"

#include <charconv>

#include "datafiles/config_field.h"

namespace kes {

namespace {

constexpr int kDefaultMoveSpeed = 10;
constexpr int kShadowOn = 9;

bool onUnlessNo(const ConfigRecord& config, const ConfigField& field) { return config.get(field) != "N"; }

// The two-digit delay; a field that holds no number keeps the default speed.
int moveSpeedOf(const ConfigRecord& config) {
  const std::string text = config.get(Field::MoveSpeed);
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || n < 0) return kDefaultMoveSpeed;
  return n;
}

}  // namespace

AnimationSettings animationSettingsOf(const ConfigRecord& config) {
  AnimationSettings s;
  s.cardsAnimate = onUnlessNo(config, Field::CardsAnimate);
  s.dealAnimation = onUnlessNo(config, Field::DealAnimation);
  s.redealAnimation = onUnlessNo(config, Field::RedealAnimation);
  s.winningAnimation = config.get(Field::WinningAnimation) == "Y";
  s.moveSpeed = moveSpeedOf(config);
  s.shadowSize = onUnlessNo(config, Field::CardsShadowed) ? kShadowOn : 0;
  return s;
}

}  // namespace kes
