#include "appearance/random_appearance.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "appearance/background_tree.h"
#include "datafiles/config_field.h"
#include "datafiles/config_record.h"
#include "datafiles/pad.h"

namespace kes {

namespace {

constexpr int kFaceSets = 5;
constexpr std::string_view kLastFewColourPicture = "b256.bmp";

std::string lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

void chooseBackground(ConfigRecord& config, const RandomAppearanceSources& sources) {
  config.put(Field::UseDefaultBackground, "N");
  config.put(Field::BackgroundBitmap, "0");
  config.put(Field::BackgroundFixedColour, "0");
  config.put(Field::CustomBackgroundSet, "N");
  const std::vector<std::string> candidates = randomBackgroundCandidates(sources.backgrounds, sources.manyColours);
  const auto m = static_cast<int>(candidates.size());
  const auto colours = fixedBackgroundColours();
  const int a = sources.random(0, m + static_cast<int>(colours.size()) - 1);
  if (a < m)
    config.put(Field::BackgroundBitmap, candidates[static_cast<std::size_t>(a)].substr(1, 3));
  else
    config.put(Field::BackgroundFixedColour, std::to_string(colours[static_cast<std::size_t>(a - m)]));
}

// A record field holding a number; a different number is stored padded.
bool changeNumber(ConfigRecord& config, const ConfigField& field, int value) {
  if (config.get(field) == pad(value, field.length)) return false;
  config.put(field, pad(value, field.length));
  return true;
}

}  // namespace

std::vector<std::string> listPictures(const std::filesystem::path& folder, std::string_view prefix) {
  std::vector<std::string> names;
  std::error_code error;
  const std::string wanted = lowered(prefix);
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const std::string name = it->path().filename().string();
    const std::string low = lowered(name);
    if (startsWith(low, wanted) && low.size() > 4 && low.substr(low.size() - 4) == ".bmp") names.push_back(name);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return lowered(a) < lowered(b); });
  return names;
}

std::vector<std::string> randomBackgroundCandidates(const std::vector<std::string>& pictures, bool manyColours) {
  if (manyColours) return pictures;
  // With no name past the limit every picture is one of the few-colour ones.
  const auto past = std::find_if(pictures.begin(), pictures.end(),
                                 [](const std::string& name) { return lowered(name) > kLastFewColourPicture; });
  return {pictures.begin(), past};
}

RandomAppearanceOutcome chooseRandomAppearance(ConfigRecord& config, const RandomAppearanceSources& sources) {
  RandomAppearanceOutcome outcome;
  if (config.get(Field::RandomBackground) == "Y") {
    chooseBackground(config, sources);
    outcome.background = true;
  }
  const bool bigCards = config.get(Field::CardSize) == "B";
  if (bigCards && config.get(Field::RandomFaceSet) == "Y")
    outcome.faceSet = changeNumber(config, Field::FaceSet, sources.random(1, kFaceSets));
  if (bigCards && config.get(Field::RandomBackDesign) == "Y" && sources.backCount > 0)
    outcome.backDesign = changeNumber(config, Field::BackDesign, sources.random(1, sources.backCount));
  return outcome;
}

}  // namespace kes
