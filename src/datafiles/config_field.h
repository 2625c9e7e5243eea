#pragma once

#include <span>
#include <string_view>

namespace kes {

// One field of the configuration record: where it lies, and the key of the
// settings file's "Preference" section that start-up loads it from.
struct ConfigField {
  std::string_view name;
  int position;  // 1-based
  int length;
  std::string_view preferenceKey;  // empty: set by the program, not loaded
  bool derived = false;            // loaded through a rule, not copied from the key

  bool hasPreference() const { return !preferenceKey.empty(); }
};

// Every field of the record. Numbers are decimal text, switches "Y"/"N"
// unless noted.
namespace Field {

inline constexpr ConfigField SettingsFileName{"SettingsFileName", 1, 20, {}};
inline constexpr ConfigField BackDesign{"BackDesign", 21, 3, "Back_Card"};
inline constexpr ConfigField FaceSet{"FaceSet", 24, 3, "Card"};
inline constexpr ConfigField UseDefaultBackground{"UseDefaultBackground", 27, 1, "Background_def"};
inline constexpr ConfigField BackgroundColour{"BackgroundColour", 28, 15, "Background_Col"};
inline constexpr ConfigField BackgroundBitmap{"BackgroundBitmap", 43, 4, "Background_bmp"};
inline constexpr ConfigField BackgroundFixedColour{"BackgroundFixedColour", 47, 15, "Background_Fixed_Col"};
// Catalogue games below 8000, custom games from 8000, "-1" for none.
inline constexpr ConfigField CurrentGame{"CurrentGame", 62, 4, "Game"};
inline constexpr ConfigField ShowTime{"ShowTime", 66, 1, "Show_Time"};
inline constexpr ConfigField CardsAnimate{"CardsAnimate", 67, 1, "Cards_Animate"};
inline constexpr ConfigField LanguageBase{"LanguageBase", 68, 6, "Language"};
inline constexpr ConfigField MoveSpeed{"MoveSpeed", 74, 2, "Speed_Move_Card"};
inline constexpr ConfigField ShowStatusBar{"ShowStatusBar", 76, 1, "StatusBar"};
inline constexpr ConfigField PlayerName{"PlayerName", 77, 30, "UserDefault"};
// Games won and lost since the current game or player was chosen.
inline constexpr ConfigField CurrentWins{"CurrentWins", 112, 4, {}};
inline constexpr ConfigField CurrentLosses{"CurrentLosses", 116, 4, {}};
inline constexpr ConfigField ScoringSystem{"ScoringSystem", 120, 2, {}};
inline constexpr ConfigField GameScore{"GameScore", 122, 6, {}};
inline constexpr ConfigField CardSize{"CardSize", 128, 1, "Card_Size"};  // "B", "M" or "L"
// Kept while a small screen forces medium cards.
inline constexpr ConfigField SavedFaceSet{"SavedFaceSet", 129, 3, {}};
inline constexpr ConfigField SavedBackDesign{"SavedBackDesign", 132, 3, {}};
inline constexpr ConfigField FadeBackground{"FadeBackground", 135, 1, "Fade_Background"};
inline constexpr ConfigField ShowScore{"ShowScore", 136, 1, "Show_Score"};
// "0" unlimited undo, "1" one step, "2" undo disabled.
inline constexpr ConfigField UndoMode{"UndoMode", 137, 1, "Undo_Enabled"};
inline constexpr ConfigField UndoJustUsed{"UndoJustUsed", 138, 1, {}};
inline constexpr ConfigField RedoJustUsed{"RedoJustUsed", 139, 1, {}};
inline constexpr ConfigField WinningAnimation{"WinningAnimation", 140, 1, "Winning_Animation"};
inline constexpr ConfigField SoundsEnabled{"SoundsEnabled", 141, 1, "Sounds_Enabled"};
inline constexpr ConfigField SoundAbout{"SoundAbout", 142, 1, "Sounds_About"};
inline constexpr ConfigField SoundAutoplay{"SoundAutoplay", 143, 1, "Sounds_Autoplay"};
inline constexpr ConfigField SoundGameWon{"SoundGameWon", 144, 1, "Sounds_GameWon"};
inline constexpr ConfigField SoundNewGame{"SoundNewGame", 145, 1, "Sounds_NewGame"};
inline constexpr ConfigField SoundRedo{"SoundRedo", 146, 1, "Sounds_Redo"};
inline constexpr ConfigField SoundRestart{"SoundRestart", 147, 1, "Sounds_Restart"};
inline constexpr ConfigField SoundSplash{"SoundSplash", 148, 1, "Sounds_Splash"};
inline constexpr ConfigField SoundShuffle{"SoundShuffle", 149, 1, "Sounds_Shuffle"};
inline constexpr ConfigField SoundUndo{"SoundUndo", 151, 1, "Sounds_Undo"};
inline constexpr ConfigField RandomBackground{"RandomBackground", 152, 1, "Random_Background"};
// At most 13 significant digits.
inline constexpr ConfigField DealNumber{"DealNumber", 153, 15, {}};
inline constexpr ConfigField SoundHiScores{"SoundHiScores", 171, 1, "Sounds_HiScores"};
inline constexpr ConfigField CursorSet{"CursorSet", 172, 2, "Cursor"};
inline constexpr ConfigField SoundNewHiScores{"SoundNewHiScores", 174, 1, "Sounds_NewHiScores"};
inline constexpr ConfigField SoundPairing{"SoundPairing", 175, 1, "Sounds_Pairing"};
inline constexpr ConfigField SoundStock{"SoundStock", 176, 1, "Sounds_Stock"};
inline constexpr ConfigField SoundTableau{"SoundTableau", 177, 1, "Sounds_Tableau"};
inline constexpr ConfigField CardsShadowed{"CardsShadowed", 178, 1, "Cards_Shadowed"};
inline constexpr ConfigField IrregularPiles{"IrregularPiles", 179, 1, "Piles_TT"};
inline constexpr ConfigField SoundFaceUp{"SoundFaceUp", 180, 1, "Sounds_FaceUp"};
inline constexpr ConfigField SoundCardDown{"SoundCardDown", 181, 1, "Sounds_CardDown"};
inline constexpr ConfigField SoundCardUp{"SoundCardUp", 182, 1, "Sounds_CardUp"};
inline constexpr ConfigField SoundRedeal{"SoundRedeal", 183, 1, "Sounds_Redeal"};
inline constexpr ConfigField SoundFoundation{"SoundFoundation", 184, 1, "Sounds_Foundation"};
inline constexpr ConfigField ConfirmQuitGame{"ConfirmQuitGame", 185, 1, "ConfirmQuitGame"};
inline constexpr ConfigField ConfirmEnterHiScores{"ConfirmEnterHiScores", 186, 1, "ConfirmEnterHiScores"};
inline constexpr ConfigField RandomFaceSet{"RandomFaceSet", 187, 1, "Random_Card"};
inline constexpr ConfigField RandomBackDesign{"RandomBackDesign", 188, 1, "Random_Deck"};
inline constexpr ConfigField GameTitle{"GameTitle", 189, 50, "Game_name"};
inline constexpr ConfigField AutomaticFaceUp{"AutomaticFaceUp", 239, 1, "Automatic_FaceUp"};
inline constexpr ConfigField SavedCardSize{"SavedCardSize", 240, 1, {}};
inline constexpr ConfigField DealAnimation{"DealAnimation", 241, 1, "Deal_Animation"};
inline constexpr ConfigField RedealAnimation{"RedealAnimation", 242, 1, "Redeal_Animation"};
inline constexpr ConfigField VertScrollBar{"VertScrollBar", 243, 1, "VertScrollBar"};
inline constexpr ConfigField ShowToolTips{"ShowToolTips", 244, 1, "Show_ToolTips"};
inline constexpr ConfigField ShowPileSizes{"ShowPileSizes", 245, 1, "ShowPilesSize"};
// "Y" when the key names a customized background file.
inline constexpr ConfigField CustomBackgroundSet{"CustomBackgroundSet", 246, 1, "Customized_Background", true};
// The writable data folder (where DATA lives), with a trailing "/".
inline constexpr ConfigField InstallDir{"InstallDir", 501, 200, {}};

}  // namespace Field

// All fields in position order, for start-up to walk the preference keys.
std::span<const ConfigField> allConfigFields();

}  // namespace kes
