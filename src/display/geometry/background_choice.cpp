#include "display/geometry/background_choice.h"

#include <cstdio>
#include <system_error>

namespace kes {

namespace {

constexpr long long kSystemColourBit = 0x80000000LL;

bool exists(const BackgroundContext& context, const std::filesystem::path& file) {
  if (context.fileExists) return context.fileExists(file);
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

BackgroundChoice defaultGreen(const BackgroundContext& context) {
  BackgroundChoice choice;
  choice.kind = BackgroundKind::Colour;
  choice.colour.rgb = context.manyColours ? kDefaultGreen : kFewColoursGreen;
  return choice;
}

BackgroundChoice picture(BackgroundKind kind, std::filesystem::path file) {
  BackgroundChoice choice;
  choice.kind = kind;
  choice.file = std::move(file);
  return choice;
}

BackgroundChoice solidColour(const BackgroundSettings& settings, const BackgroundContext& context) {
  BackgroundChoice choice;
  choice.colour = decodeColour(settings.fixedColour > 0 ? settings.fixedColour : settings.colour);
  choice.kind = settings.fade && context.manyColours ? BackgroundKind::FadedColour : BackgroundKind::Colour;
  return choice;
}

}  // namespace

TableColour decodeColour(long long value) {
  // Stored as a signed 32-bit number: the system colours are negative.
  const auto bits = static_cast<long long>(static_cast<unsigned int>(value));
  TableColour colour;
  if ((bits & kSystemColourBit) != 0) {
    colour.system = true;
    colour.systemIndex = static_cast<int>(bits & 0xFF);
    return colour;
  }
  colour.rgb = Rgb{static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                   static_cast<int>((bits >> 16) & 0xFF)};
  return colour;
}

BackgroundChoice chooseBackground(const BackgroundSettings& settings, const BackgroundContext& context) {
  if (context.demoPlaying) return picture(BackgroundKind::DemoTile, {});
  if (settings.useDefault) return defaultGreen(context);
  if (settings.customSet) {
    const std::filesystem::path file = backgroundPicturePath(context.customFile, context.installDir);
    if (!context.customFile.empty() && exists(context, file)) return picture(BackgroundKind::TiledPicture, file);
    BackgroundChoice fallback = defaultGreen(context);
    fallback.customMissing = true;
    fallback.missingMessage = customBackgroundMissingMessage(context.customFile);
    return fallback;
  }
  if (settings.bitmap != 0) {
    return picture(settings.bitmap < kFirstFullPicture ? BackgroundKind::TiledPicture : BackgroundKind::FullPicture,
                   numberedBackgroundPath(settings.bitmap, context.installDir));
  }
  return solidColour(settings, context);
}

std::filesystem::path backgroundPicturePath(std::string_view name, const std::filesystem::path& installDir) {
  const bool hasFolder = name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos;
  if (hasFolder) return std::filesystem::path(std::string(name));
  return installDir / "Images" / (std::string(name) + ".bmp");
}

std::filesystem::path numberedBackgroundPath(int number, const std::filesystem::path& installDir) {
  char name[16];
  std::snprintf(name, sizeof name, "B%03d", number);
  return backgroundPicturePath(name, installDir);
}

std::string customBackgroundMissingMessage(std::string_view fileName) {
  return "Customized background image not found: " + std::string(fileName);
}

}  // namespace kes
