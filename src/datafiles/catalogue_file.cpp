#include "catalogue_file.h"

#include <fstream>

namespace kes {

std::filesystem::path catalogueFile(const std::filesystem::path& installDir) {
  return installDir / kCatalogueFileName;
}

std::optional<CatalogueText> readCatalogue(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  CatalogueText text{file, {}};
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text.lines.push_back(std::move(line));
  }
  return text;
}

std::vector<std::string> sectionLines(const std::vector<std::string>& lines, std::string_view header) {
  std::vector<std::string> body;
  bool inside = false;
  for (const std::string& line : lines) {
    if (line.starts_with('[')) {
      inside = line.starts_with(header);
      continue;
    }
    if (inside) body.push_back(line);
  }
  return body;
}

std::string missingCatalogueMessage(const std::filesystem::path& file) {
  return "Cannot find file:\r" + file.string() + "\rCopy the file into the directory that above is specified\r" +
         "or reinstall the program.";
}

}  // namespace kes
