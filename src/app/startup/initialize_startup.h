#pragma once

#include <memory>
#include <string_view>

#include "app/startup/app_context.h"
#include "app/startup/display_info.h"
#include "app/startup/startup_ui.h"
#include "datafiles/data_dirs.h"

namespace kes {

inline constexpr std::string_view kLowColourAdviceKey = "Screen_Under_256_Colors";
extern const std::string_view kLowColourAdvice;

// Said when the data folder's path cannot be kept in the configuration record.
inline constexpr std::string_view kDataFolderTooLong = "The path of the data folder is too long:\r";

struct StartupInputs {
  DataDirs dirs;
  DisplayInfo display;
};

// Builds the program's state from the data folders: the preferences with
// their defaults, the players of a first run, an empty table, the game list
// and the remembered game, the version marker. Nothing when the program
// cannot run (the user has been told why) and must end.
std::unique_ptr<AppContext> initializeStartup(const StartupInputs& inputs, StartupUi& ui);

}  // namespace kes
