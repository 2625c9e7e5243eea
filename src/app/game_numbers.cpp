#include "game_numbers.h"

#include <algorithm>

#include "datafiles/settings_file.h"

namespace kes {

namespace {

constexpr const char* kSection = "Game_Numbers";

std::string keyOf(int index) {
  const int n = index + 1;
  return std::string("Game0") + static_cast<char>('0' + n / 10) + static_cast<char>('0' + n % 10);
}

}  // namespace

std::vector<std::string> withDealNumberFirst(std::vector<std::string> list, const std::string& number) {
  list.resize(kRememberedDealNumbers);
  const auto removed = std::erase(list, number);
  list.resize(list.size() + removed);
  list.insert(list.begin(), number);
  list.resize(kRememberedDealNumbers);
  return list;
}

std::vector<std::string> readDealNumbers(const SettingsFile& settings) {
  const IniDocument document = settings.readAll();
  std::vector<std::string> list;
  for (int i = 0; i < kRememberedDealNumbers; ++i) list.push_back(document.stringValue(kSection, keyOf(i), ""));
  return list;
}

void rememberDealNumber(SettingsFile& settings, const std::string& number) {
  const std::vector<std::string> list = withDealNumberFirst(readDealNumbers(settings), number);
  std::vector<SettingsEntry> entries;
  for (int i = 0; i < kRememberedDealNumbers; ++i) entries.push_back({keyOf(i), list[static_cast<std::size_t>(i)]});
  settings.writeStrings(kSection, entries);
}

std::vector<std::string> recentDealNumbers(const SettingsFile& settings) {
  std::vector<std::string> list = readDealNumbers(settings);
  std::erase(list, std::string());
  return list;
}

}  // namespace kes
