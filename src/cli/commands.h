#pragma once

#include <span>

#include "cli_context.h"

namespace kes::cli {

int runDealOrder(CliContext& ctx);
int runPlay(CliContext& ctx);
int runSolve(CliContext& ctx);
int runOdds(CliContext& ctx);
int runDemoSearch(CliContext& ctx);
int runDemo(CliContext& ctx);

// Every command of the tool, in the order the usage text lists them.
std::span<const Command> allCommands();

}  // namespace kes::cli
