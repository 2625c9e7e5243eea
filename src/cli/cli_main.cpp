#include "cli_main.h"

#include <optional>
#include <ostream>

#include "commands.h"

namespace kes::cli {

namespace {

void printUsage(std::ostream& os) {
  os << "usage: kestrova-cli [--data-dir DIR] [--install-dir DIR] COMMAND ...\ncommands:\n";
  for (const Command& c : allCommands()) os << "  " << c.usage << "\n";
}

}  // namespace

int cliMain(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::optional<std::filesystem::path> dataDir, installDir;
  std::size_t i = 0;
  for (; i + 1 < args.size() && args[i].starts_with("--"); i += 2) {
    if (args[i] == "--data-dir")
      dataDir = args[i + 1];
    else if (args[i] == "--install-dir")
      installDir = args[i + 1];
    else
      break;
  }
  if (i >= args.size() || args[i].starts_with("--")) {
    printUsage(err);
    return kExitUsage;
  }
  const std::string name = args[i];
  for (const Command& c : allCommands()) {
    if (name != c.name) continue;
    CliContext ctx{{args.begin() + static_cast<long>(i) + 1, args.end()}, resolveDataDirs(installDir, dataDir), in, out, err};
    return c.run(ctx);
  }
  err << "kestrova-cli: unknown command '" << name << "'\n";
  printUsage(err);
  return kExitUsage;
}

}  // namespace kes::cli
