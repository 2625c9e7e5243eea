#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "datafiles/data_dirs.h"

namespace kes::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// What every command gets: its own arguments, the data folders and the
// streams to write to.
struct CliContext {
  std::vector<std::string> args;
  DataDirs dirs;
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

using CommandFn = int (*)(CliContext&);

struct Command {
  const char* name;
  const char* usage;
  CommandFn run;
};

// Value of "--name VALUE" in args (removed from args), or empty with found=false.
bool takeOption(std::vector<std::string>& args, const std::string& name, std::string& value);
// Whether the switch "--name" is in args (removed from args).
bool takeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace kes::cli
