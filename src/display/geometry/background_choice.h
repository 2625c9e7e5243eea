#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "display/geometry/fade_bands.h"

namespace kes {

// The background preferences as the configuration record holds them.
struct BackgroundSettings {
  bool useDefault = false;     // `UseDefaultBackground`
  bool customSet = false;      // `CustomBackgroundSet`
  int bitmap = 0;              // `BackgroundBitmap`, 0 = none
  long long fixedColour = 0;   // `BackgroundFixedColour`, used when above 0
  long long colour = 0;        // `BackgroundColour`
  bool fade = true;            // `FadeBackground`
};

// What else decides the background besides the preferences.
struct BackgroundContext {
  bool demoPlaying = false;
  bool manyColours = true;       // the display shows more than 256 colours
  std::string customFile;        // "Customized_Background" of the settings file
  std::filesystem::path installDir;
  std::function<bool(const std::filesystem::path&)> fileExists;  // the real file system when empty
};

// A colour integer of the settings: 0x00BBGGRR, or with the top bit set the
// number of a system colour (0x8000000F is the button face).
struct TableColour {
  bool system = false;
  int systemIndex = 0;
  Rgb rgb;
};
TableColour decodeColour(long long value);
inline constexpr int kButtonFaceIndex = 15;

inline constexpr Rgb kDefaultGreen{0, 96, 0};
inline constexpr Rgb kFewColoursGreen{0, 128, 0};
// Numbered pictures from this number on are drawn once, untiled.
inline constexpr int kFirstFullPicture = 500;

enum class BackgroundKind {
  DemoTile,      // the library's "Y001", tiled
  Colour,        // one plain colour
  FadedColour,   // the colour fading to black downward
  TiledPicture,  // a picture file repeated over the surface
  FullPicture,   // a picture file drawn once at the top-left corner
};

struct BackgroundChoice {
  BackgroundKind kind = BackgroundKind::Colour;
  TableColour colour;
  std::filesystem::path file;
  // The customized picture was asked for but is not there: the player is
  // told (missingMessage) and the preferences fall back to the default.
  bool customMissing = false;
  std::string missingMessage;
};

// The first rule that matches: the demo tile while a demo plays, the default
// green, the customized picture, a numbered picture, else a plain or faded
// colour.
BackgroundChoice chooseBackground(const BackgroundSettings& settings, const BackgroundContext& context);

// Where a picture named in the settings lies: a bare name is the bitmap of
// that name in the installation's Images folder; a name with a folder is
// taken as it stands.
std::filesystem::path backgroundPicturePath(std::string_view name, const std::filesystem::path& installDir);
// "Images/B" + the number as 3 digits + ".bmp" under the installation folder.
std::filesystem::path numberedBackgroundPath(int number, const std::filesystem::path& installDir);

std::string customBackgroundMissingMessage(std::string_view fileName);

}  // namespace kes
