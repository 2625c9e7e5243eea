#include "favourite_games.h"

#include <algorithm>
#include <cctype>

#include "datafiles/pad.h"
#include "datafiles/settings_file.h"

namespace kes {

namespace {

std::string folded(std::string_view text) {
  std::string result(text.substr(0, text.find_last_not_of(' ') + 1));
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

std::vector<SettingsEntry> entriesOf(std::span<const std::string> names) {
  std::vector<SettingsEntry> entries;
  entries.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) entries.push_back({favouriteKey(static_cast<int>(i)), names[i]});
  return entries;
}

}  // namespace

std::string favouriteKey(int index) { return "Game" + pad(index, 3); }

std::vector<std::string> readFavouriteNames(const IniDocument& settings) {
  std::vector<std::string> names;
  for (int i = 0; i <= kLastFavouriteIndex; ++i) {
    auto name = settings.value(kFavouritesSection, favouriteKey(i));
    if (!name) break;
    names.push_back(std::move(*name));
  }
  return names;
}

std::vector<std::string> readFavouriteNames(const SettingsFile& settings) {
  return readFavouriteNames(settings.readAll());
}

bool writeFavourites(SettingsFile& settings, std::span<const std::string> names) {
  const std::vector<SettingsEntry> entries = entriesOf(names);
  return settings.replaceSection(kFavouritesSection, entries);
}

bool removeFavourite(SettingsFile& settings, std::string_view name) {
  const std::string wanted = folded(name);
  return settings.modify([&](IniDocument& doc) {
    std::vector<std::string> names = readFavouriteNames(doc);
    const auto it = std::find_if(names.begin(), names.end(), [&](const std::string& n) { return folded(n) == wanted; });
    if (it == names.end()) return true;
    const std::size_t removed = static_cast<std::size_t>(it - names.begin());
    for (std::size_t i = removed; i + 1 < names.size(); ++i)
      if (!doc.set(kFavouritesSection, favouriteKey(static_cast<int>(i)), names[i + 1])) return false;
    doc.eraseKey(kFavouritesSection, favouriteKey(static_cast<int>(names.size() - 1)));
    return true;
  });
}

}  // namespace kes
