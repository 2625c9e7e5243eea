#include "game_list.h"

#include <algorithm>

#include "datafiles/catalogue_codec.h"
#include "engine/custom_rules.h"

namespace kes {

namespace {

std::string_view field(const std::string& line, std::size_t first, std::size_t length) {
  if (first >= line.size()) return {};
  return std::string_view(line).substr(first, length);
}

std::string_view numberField(const std::string& line) { return field(line, 4, 3); }
std::string_view categoryField(const std::string& line) { return field(line, 0, 3); }
std::string_view nameField(const std::string& line) { return trimTrailingSpaces(field(line, 10, 50)); }

int lineNumber(const std::string& line) {
  const auto n = parseCatalogueNumber(numberField(line));
  return n ? static_cast<int>(*n) : -1;
}

int lineCategory(const std::string& line) {
  const auto n = parseCatalogueNumber(categoryField(line));
  return n ? static_cast<int>(*n) : -1;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

}  // namespace

std::vector<GameListEntry> GameList::entries() const {
  std::vector<GameListEntry> result;
  result.reserve(lines_.size());
  for (const std::string& line : lines_)
    result.push_back({lineNumber(line), lineCategory(line), std::string(nameField(line))});
  return result;
}

const std::string* GameList::lineOf(int number) const {
  if (number < 0) return nullptr;
  const auto index = static_cast<std::size_t>(number);
  if (index < lines_.size() && lineNumber(lines_[index]) == number) return &lines_[index];
  const auto it = std::find_if(lines_.begin(), lines_.end(), [&](const std::string& l) { return lineNumber(l) == number; });
  return it == lines_.end() ? nullptr : &*it;
}

std::string GameList::name(int number, const CustomGameNames& custom) const {
  if (number >= kFirstCustomGame) return custom.nameOf ? custom.nameOf(number) : std::string();
  const std::string* line = lineOf(number);
  return line ? std::string(nameField(*line)) : std::string();
}

int GameList::numberByName(std::string_view name, const CustomGameNames& custom) const {
  const std::string_view wanted = trimTrailingSpaces(name);
  for (const std::string& line : lines_)
    if (sameNameIgnoringCase(nameField(line), wanted)) return lineNumber(line);
  return custom.numberNamed ? custom.numberNamed(wanted) : -1;
}

int GameList::category(int number) const {
  if (number >= kFirstCustomGame) return kCustomGamesCategory;
  const std::string* line = lineOf(number);
  return line ? lineCategory(*line) : -1;
}

GameList loadGameList(const CatalogueText& catalogue) {
  std::vector<std::string> restored;
  for (const std::string& line : sectionLines(catalogue.lines, kGameListHeader))
    restored.push_back(restoreCatalogueText(line));
  return GameList(std::move(restored));
}

}  // namespace kes
