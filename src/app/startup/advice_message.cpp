#include "advice_message.h"

#include <string>

namespace kes {

bool adviceMessage(std::string_view text, std::string_view key, AdvicePicture picture, SettingsFile& settings,
                   StartupUi& ui) {
  if (settings.readString(kShowMessagesSection, key, "Y") == "N") return false;
  if (ui.advice(std::string(text), picture)) settings.writeString(kShowMessagesSection, key, "N");
  return true;
}

}  // namespace kes
