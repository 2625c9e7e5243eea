#pragma once

#include "datafiles/config_record.h"
#include "display/table/animation_settings.h"

namespace kes {

// The animation switches as the preferences in the configuration record set
// them: the card, deal and redeal animations are on unless "N", the winning
// animation only with "Y"; the move speed is the delay per flight step.
AnimationSettings animationSettingsOf(const ConfigRecord& config);

}  // namespace kes
