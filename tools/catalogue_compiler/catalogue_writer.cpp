#include "catalogue_writer.h"

#include <algorithm>
#include <map>

#include "datafiles/catalogue_codec.h"
#include "datafiles/catalogue_file.h"

namespace kes::catalogue {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr std::size_t kCellWidth = 10;
constexpr std::size_t kLabelWidth = 12;

std::string lowerCase(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string padRight(std::string s, std::size_t width) {
  s.resize(std::max(width, s.size()), ' ');
  return s;
}

std::string padLeft(const std::string& s, std::size_t width) {
  return std::string(width > s.size() ? width - s.size() : 0, ' ') + s;
}

std::string threeDigits(int n) {
  const std::string s = std::to_string(n);
  return std::string(3 - std::min<std::size_t>(3, s.size()), '0') + s;
}

// Names and numbers are checked by the parser to be storable.
std::string stored(std::string_view plain) { return storeCatalogueText(plain).value_or(std::string()); }

void checkUnique(const std::vector<GameSource>& games, std::vector<Diagnostic>& errors) {
  std::map<int, const GameSource*> byNumber;
  std::map<std::string, const GameSource*> byName;
  for (const GameSource& g : games) {
    if (const auto [it, fresh] = byNumber.emplace(g.number, &g); !fresh)
      errors.push_back({g.file, g.numberLine, "game number " + std::to_string(g.number) + " is also used by " + it->second->file});
    if (const auto [it, fresh] = byName.emplace(lowerCase(g.name), &g); !fresh)
      errors.push_back({g.file, g.nameLine, "the name '" + g.name + "' is also used by " + it->second->file});
  }
}

std::string gameListLine(const GameSource& g) {
  return padRight(std::to_string(g.category), 3) + " " + threeDigits(g.number) + "   " + padRight(g.name, kMaxNameLength);
}

std::string parameterLine(int parameter, const std::vector<const GameSource*>& columns) {
  std::string plain = padRight("", kLabelWidth);
  for (std::size_t g = 0; g < columns.size(); ++g) {
    const int v = columns[g] ? columns[g]->params[static_cast<std::size_t>(parameter)] : 0;
    if (g > 0) plain += ' ';
    plain += padLeft(std::to_string(v), kCellWidth);
  }
  std::string number = std::to_string(parameter);
  return std::string(4 - number.size(), '0') + number + stored(plain);
}

}  // namespace

CompiledCatalogue compileCatalogue(std::vector<GameSource> games) {
  CompiledCatalogue result;
  checkUnique(games, result.errors);
  if (!result.ok()) return result;
  std::sort(games.begin(), games.end(), [](const GameSource& a, const GameSource& b) { return a.number < b.number; });

  const int highest = games.empty() ? 0 : games.back().number;
  std::vector<const GameSource*> columns(static_cast<std::size_t>(highest) + 1, nullptr);
  for (const GameSource& g : games) columns[static_cast<std::size_t>(g.number)] = &g;

  std::string& out = result.bytes;
  out += std::string(kGameListHeader) + kLineEnd;
  for (const GameSource& g : games) out += stored(gameListLine(g)) + kLineEnd;
  out += std::string(kParameterHeader) + kLineEnd;
  for (int p = 1; p <= Param::kLast; ++p) out += parameterLine(p, columns) + kLineEnd;
  out += std::string(kSelectedGamesHeader) + kLineEnd;
  for (const GameSource& g : games)
    if (g.selected) out += stored(std::to_string(g.number)) + kLineEnd;
  return result;
}

}  // namespace kes::catalogue
