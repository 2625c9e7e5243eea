#pragma once

#include <string>
#include <vector>

#include "datafiles/catalogue_codec.h"
#include "datafiles/catalogue_file.h"

namespace kes::test {

// Catalogue lines written by hand, in the stored form, for the reader tests.
inline std::string stored(const std::string& plain) { return storeCatalogueText(plain).value(); }

// A "[Sect1]" line: category, game number, name.
inline std::string gameLine(int category, int number, const std::string& name) {
  std::string cat = std::to_string(category);
  cat.resize(3, ' ');
  std::string num = std::to_string(number);
  num = std::string(3 - num.size(), '0') + num;
  std::string padded = name;
  padded.resize(50, ' ');
  return stored(cat + " " + num + "   " + padded);
}

// A "[Sect2]" line: the plain parameter number and the cells of games 0, 1, ...
inline std::string paramLine(const std::string& number, const std::vector<std::string>& cells) {
  std::string plain(12, ' ');
  for (std::size_t g = 0; g < cells.size(); ++g) {
    std::string cell = cells[g];
    cell.insert(0, cell.size() < 10 ? 10 - cell.size() : 0, ' ');
    plain += (g ? " " : "") + cell;
  }
  return number + stored(plain);
}

inline CatalogueText catalogue(std::vector<std::string> lines) { return {"GAMES.DAT", std::move(lines)}; }

}  // namespace kes::test
