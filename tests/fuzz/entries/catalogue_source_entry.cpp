// A catalogue source file, compiled alone; a game that compiles is written
// back as source and compiles to the same catalogue again.
#include "catalogue_compiler/catalogue_writer.h"
#include "catalogue_compiler/game_source.h"
#include "catalogue_compiler/source_printer.h"
#include "fuzz_support.h"

namespace kes::fuzz {

void catalogueSource(std::string_view input) {
  const catalogue::ParsedSource parsed = catalogue::parseGameSource(input, "fuzz.game");
  for (const auto& e : parsed.errors) e.text();
  if (!parsed.ok()) return;
  const catalogue::CompiledCatalogue compiled = catalogue::compileCatalogue({parsed.game});
  if (!compiled.ok()) return;
  const std::string printed = catalogue::printGameSource(parsed.game);
  const catalogue::ParsedSource again = catalogue::parseGameSource(printed, "fuzz.game");
  check(again.ok(), "a printed source does not parse:\n" + printed);
  check(catalogue::compileCatalogue({again.game}).bytes == compiled.bytes, "a printed source compiles otherwise");
}

}  // namespace kes::fuzz
