#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kes::cli {

// Parses the global options (--data-dir, --install-dir), which come before
// the command, and runs the command. Returns the exit status.
int cliMain(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kes::cli
