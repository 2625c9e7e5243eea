// kestrova-cli: the engine and the data files without a window, for scripts
// and tests.
#include <iostream>
#include <string>
#include <vector>

#include "cli_main.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kes::cli::cliMain(args, std::cin, std::cout, std::cerr);
}
