// kestrova-catalogue: compiles the readable game sources into GAMES.DAT, and
// prints a game of a GAMES.DAT back in the readable form.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/source_printer.h"

namespace {

namespace fs = std::filesystem;
using namespace kes::catalogue;

int usage() {
  std::cerr << "usage: kestrova-catalogue compile OUTPUT SOURCE...\n"
               "       kestrova-catalogue print CATALOGUE NUMBER\n";
  return 2;
}

bool readFile(const fs::path& file, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

// Written beside the target and renamed, so a failed run leaves no half file.
bool writeFile(const fs::path& file, const std::string& bytes) {
  const fs::path temporary = file.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
  }
  std::error_code ec;
  fs::rename(temporary, file, ec);
  return !ec;
}

int compile(const fs::path& output, const std::vector<std::string>& sources) {
  std::vector<GameSource> games;
  bool failed = false;
  for (const std::string& source : sources) {
    std::string text;
    if (!readFile(source, text)) {
      std::cerr << source << ": cannot be read\n";
      failed = true;
      continue;
    }
    ParsedSource parsed = parseGameSource(text, source);
    for (const Diagnostic& d : parsed.errors) std::cerr << d.text() << "\n";
    failed = failed || !parsed.ok();
    games.push_back(std::move(parsed.game));
  }
  if (failed) return 1;
  const CompiledCatalogue catalogue = compileCatalogue(std::move(games));
  for (const Diagnostic& d : catalogue.errors) std::cerr << d.text() << "\n";
  if (!catalogue.ok()) return 1;
  if (!writeFile(output, catalogue.bytes)) {
    std::cerr << output.string() << ": cannot be written\n";
    return 1;
  }
  return 0;
}

int print(const fs::path& catalogueFile, const std::string& numberText) {
  const auto catalogue = kes::readCatalogue(catalogueFile);
  if (!catalogue) {
    std::cerr << catalogueFile.string() << ": cannot be read\n";
    return 1;
  }
  int number = 0;
  try {
    number = std::stoi(numberText);
  } catch (const std::exception&) {
    return usage();
  }
  const GameFromCatalogue game = readCatalogueGame(*catalogue, number);
  if (!game.ok()) {
    std::cerr << game.error << "\n";
    return 1;
  }
  std::cout << printGameSource(game.game);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 2 && args[0] == "compile") return compile(args[1], {args.begin() + 2, args.end()});
  if (args.size() == 3 && args[0] == "print") return print(args[1], args[2]);
  return usage();
}
