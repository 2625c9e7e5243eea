#include "appearance/preference_boxes.h"

#include <array>
#include <cstdlib>

#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "datafiles/ini_document.h"

namespace kes {

namespace {

using T = CustomizeTab;
using S = ShownChecked;
constexpr std::string_view kPreference = "Preference";

constexpr std::array kBoxes{
    PreferenceBox{T::General, "chkTBLargeIcons", "&Large buttons", "ToolBar_Large", nullptr, S::WhenYes, "N"},
    PreferenceBox{T::General, "chkTBFlatBtn", "&Flat buttons", "ToolBar_Flat", nullptr, S::WhenYes, "Y"},
    PreferenceBox{T::General, "chkShowTime", "Show &time", "Show_Time", &Field::ShowTime, S::UnlessNo},
    PreferenceBox{T::General, "chkShowScore", "Show sco&re", "Show_Score", &Field::ShowScore, S::UnlessNo},
    PreferenceBox{T::General, "chkShowToolTips", "&Show ToolTips", "Show_ToolTips", &Field::ShowToolTips, S::WhenYes},
    PreferenceBox{T::General, "chkWinningAnimation", "&Winning animation", "Winning_Animation",
                  &Field::WinningAnimation, S::WhenYes},
    PreferenceBox{T::General, "chkVertScrollBar", "Ver&tical Scroll bar", "VertScrollBar", &Field::VertScrollBar,
                  S::WhenYes},
    PreferenceBox{T::General, "chkPilesSize", "Show piles size after the pointer", "ShowPilesSize",
                  &Field::ShowPileSizes, S::WhenYes},
    PreferenceBox{T::Cards, "chkRandomCard", "Random &cards", "Random_Card", &Field::RandomFaceSet, S::UnlessNo},
    PreferenceBox{T::Decks, "chkRandomDeck", "Random &decks", "Random_Deck", &Field::RandomBackDesign, S::UnlessNo},
    PreferenceBox{T::Backgrounds, "chkFadeBackground", "&Fade background", "Fade_Background", &Field::FadeBackground,
                  S::WhenYes},
    PreferenceBox{T::Backgrounds, "chkRandomBackground", "Random bac&kground", "Random_Background",
                  &Field::RandomBackground, S::UnlessNo},
    PreferenceBox{T::Animations, "chkAutomaticFaceUp", "&Automatic face up", "Automatic_FaceUp",
                  &Field::AutomaticFaceUp, S::UnlessNo},
    PreferenceBox{T::Animations, "chkRedealAnimation", "&Redeal animation", "Redeal_Animation",
                  &Field::RedealAnimation, S::UnlessNo},
    PreferenceBox{T::Animations, "chkDealAnimation", "D&eal animation", "Deal_Animation", &Field::DealAnimation,
                  S::UnlessNo},
    PreferenceBox{T::Animations, "chkShadowed", "&Shadowed", "Cards_Shadowed", &Field::CardsShadowed, S::UnlessNo},
    PreferenceBox{T::Animations, "chkIrregularPiles", "&Irregular piles", "Piles_TT", &Field::IrregularPiles,
                  S::UnlessNo},
    PreferenceBox{T::Animations, "chkAnimated", "&Animated", "Cards_Animate", &Field::CardsAnimate, S::UnlessNo},
    PreferenceBox{T::Sounds, "chkSoundsEnabled", "Disable all &sounds", "Sounds_Enabled", &Field::SoundsEnabled,
                  S::UnlessYes},
    PreferenceBox{T::Advanced, "chkConfirmOnExit", "Confirm on e&xit", "ConfirmQuit", nullptr, S::UnlessNo, "N"},
    PreferenceBox{T::Advanced, "chkConfirmQuitGame", "C&onfirm quit game", "ConfirmQuitGame", &Field::ConfirmQuitGame,
                  S::UnlessNo},
    PreferenceBox{T::Advanced, "chkConfirmEnterHiScores", "Show dialog box enter &Hi-Scores", "ConfirmEnterHiScores",
                  &Field::ConfirmEnterHiScores, S::UnlessNo},
    PreferenceBox{T::Advanced, "chkShowTipsOfTheDay", "S&how Tip of the Day at program start", "Tips_StartUp",
                  nullptr, S::UnlessNo, "N"},
    // The solver's help: off unless asked for, since it tells the player
    // what the game itself does not.
    PreferenceBox{T::Advanced, "chkSolverStatus", "Show whether the game can still be &won", "Solver_Status",
                  nullptr, S::WhenYes, "N"},
    PreferenceBox{T::Advanced, "chkWinnableDealsOnly", "Winnable &deals only", "Winnable_Deals_Only", nullptr,
                  S::WhenYes, "N"},
};

constexpr std::array kSoundRows{
    SoundRow{"About form", "Sounds_About", &Field::SoundAbout, "About"},
    SoundRow{"Autoplay move", "Sounds_Autoplay", &Field::SoundAutoplay, "Autoplay"},
    SoundRow{"Card down", "Sounds_CardDown", &Field::SoundCardDown, "Card_down"},
    SoundRow{"Card up", "Sounds_CardUp", &Field::SoundCardUp, "Card_up"},
    SoundRow{"Enter Hi-Scores", "Sounds_NewHiScores", &Field::SoundNewHiScores, "Scores"},
    SoundRow{"Face up", "Sounds_FaceUp", &Field::SoundFaceUp, "Face_up"},
    SoundRow{"Game won", "Sounds_GameWon", &Field::SoundGameWon, "Won"},
    SoundRow{"Hi-Scores form", "Sounds_HiScores", &Field::SoundHiScores, "Hi-Scor"},
    SoundRow{"New game", "Sounds_NewGame", &Field::SoundNewGame, "New"},
    SoundRow{"Pairing", "Sounds_Pairing", &Field::SoundPairing, "Pairing"},
    SoundRow{"Play on foundation", "Sounds_Foundation", &Field::SoundFoundation, "Foundation"},
    SoundRow{"Play on tableau", "Sounds_Tableau", &Field::SoundTableau, "Tableau"},
    SoundRow{"Redeal", "Sounds_Redeal", &Field::SoundRedeal, "Redeal"},
    SoundRow{"Redo", "Sounds_Redo", &Field::SoundRedo, "Redo"},
    SoundRow{"Restart game", "Sounds_Restart", &Field::SoundRestart, "Restart"},
    SoundRow{"Shuffle the deck", "Sounds_Shuffle", &Field::SoundShuffle, "Shuffle"},
    SoundRow{"Stock", "Sounds_Stock", &Field::SoundStock, "Stock"},
    SoundRow{"Undo", "Sounds_Undo", &Field::SoundUndo, "Undo"},
};

constexpr std::array kSliderSpeeds{50, 25, 10, 3, 0};

}  // namespace

std::span<const PreferenceBox> preferenceBoxes() { return kBoxes; }

const PreferenceBox* preferenceBoxNamed(std::string_view control) {
  for (const PreferenceBox& box : kBoxes)
    if (box.control == control) return &box;
  return nullptr;
}

bool checkedFor(const PreferenceBox& box, std::string_view stored) {
  switch (box.shown) {
    case S::WhenYes:
      return stored == "Y";
    case S::UnlessNo:
      return stored != "N";
    case S::UnlessYes:
      return stored != "Y";
  }
  return false;
}

std::string valueFor(const PreferenceBox& box, bool checked) {
  const bool yes = box.shown == S::UnlessYes ? !checked : checked;
  return yes ? "Y" : "N";
}

std::string storedValue(const PreferenceBox& box, const ConfigRecord& config, const IniDocument& settings) {
  if (box.field) return config.get(*box.field);
  return settings.stringValue(kPreference, box.key, box.fallback);
}

std::span<const SoundRow> soundRows() { return kSoundRows; }

int speedForSliderPosition(int position) {
  const int index = position < 1 ? 0 : position > 5 ? 4 : position - 1;
  return kSliderSpeeds[static_cast<std::size_t>(index)];
}

int sliderPositionForSpeed(int milliseconds) {
  int best = 1;
  for (int position = 1; position <= 5; ++position)
    if (std::abs(speedForSliderPosition(position) - milliseconds) <
        std::abs(speedForSliderPosition(best) - milliseconds))
      best = position;
  return best;
}

int undoModeOf(std::string_view stored) {
  if (stored == "2") return 2;
  if (stored == "1") return 1;
  return 0;
}

}  // namespace kes
