#include "catalogue_file.h"

#include <algorithm>
#include <fstream>

namespace kes {

std::filesystem::path catalogueFile(const std::filesystem::path& installDir) {
  return installDir / kCatalogueFileName;
}

// Read in one piece and split: the file is about a megabyte of long lines.
std::optional<CatalogueText> readCatalogue(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  }
  CatalogueText text{file, {}};
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r') --end;
    text.lines.emplace_back(bytes, start, end - start);
    start = next;
  }
  return text;
}

std::vector<const std::string*> sectionLineRefs(const std::vector<std::string>& lines, std::string_view header) {
  std::vector<const std::string*> body;
  bool inside = false;
  for (const std::string& line : lines) {
    if (line.starts_with('[')) {
      inside = line.starts_with(header);
      continue;
    }
    if (inside) body.push_back(&line);
  }
  return body;
}

std::vector<std::string> sectionLines(const std::vector<std::string>& lines, std::string_view header) {
  std::vector<std::string> body;
  for (const std::string* line : sectionLineRefs(lines, header)) body.push_back(*line);
  return body;
}

std::string missingCatalogueMessage(const std::filesystem::path& file) {
  return "Cannot find file:\r" + file.string() + "\rCopy the file into the directory that above is specified\r" +
         "or reinstall the program.";
}

}  // namespace kes
