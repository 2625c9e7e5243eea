#pragma once

#include <filesystem>

#include "app/window/window_options.h"
#include "datafiles/catalogue_file.h"
#include "datafiles/config_record.h"
#include "datafiles/data_dirs.h"
#include "datafiles/game_list.h"
#include "engine/table_state.h"

namespace kes {

// The help file in the installation folder.
inline constexpr const char* kHelpFileName = "kestrova.hlp";

// Whether the small-screen handling may act on the next game.
enum class ScreenWarningState { MayAct = 0, Handled = 1, StartUp = 2 };

// Everything start-up builds for the main window; it lives until shut-down.
struct AppContext {
  DataDirs dirs;
  ConfigRecord config;
  TableState table;  // every card face up in code order, all 53 piles empty
  CatalogueText catalogue;  // read once; games load their parameters from it
  GameList games;
  WindowOptions window;
  std::filesystem::path helpFile;
  // The small-screen message has not been shown in this run.
  bool screenWarningShown = false;
  ScreenWarningState screenWarningState = ScreenWarningState::StartUp;
  bool firstActivationPending = true;

  // Reads the installation's catalogue and its game list; false when the
  // file cannot be read.
  bool readCatalogue();
  std::filesystem::path settingsPath() const;
  std::filesystem::path customGamesPath() const;
};

// The custom games' names as the game list looks them up.
CustomGameNames customGameNamesOf(const std::filesystem::path& customGamesFile);

}  // namespace kes
