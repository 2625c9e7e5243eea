#include <algorithm>
#include <ostream>

#include "catalogue_commands.h"
#include "commands.h"
#include "engine/deal_generator.h"
#include "play_driver.h"

namespace kes::cli {

namespace {

constexpr const char* kUsage =
    "usage: kestrova-cli play GAME NUMBER [--pref KEY=VALUE ...]\n"
    "then one command a line: move CARD PILE | click CARD | dblclick CARD | stock | undo | redo | restart |\n"
    "autoplay on|off | show\n";

// The game number as the game-number dialog takes it: 1 to 13 digits, not 0.
bool validDealNumber(const std::string& s) {
  return !s.empty() && s.size() <= kDealNumberDigits && s.find_first_not_of("0123456789") == std::string::npos &&
         s.find_first_not_of('0') != std::string::npos;
}

// The preferences that change how the engine plays; a switch is on unless
// it holds "N".
bool applyPreference(PlayPreferences& prefs, const std::string& setting) {
  const auto eq = setting.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  const std::string key = setting.substr(0, eq), value = setting.substr(eq + 1);
  if (key == "AutoPlay") prefs.autoplay = value != "N";
  if (key == "Automatic_FaceUp") prefs.automaticFaceUp = value != "N";
  if (key == "Undo_Enabled") {
    if (value != "0" && value != "1" && value != "2") return false;
    prefs.undoMode = static_cast<UndoMode>(value[0] - '0');
  }
  return true;
}

}  // namespace

int runPlay(CliContext& ctx) {
  PlayPreferences prefs;
  for (std::string setting; takeOption(ctx.args, "--pref", setting);) {
    if (!applyPreference(prefs, setting)) {
      ctx.err << "play: a preference is KEY=VALUE (Undo_Enabled 0, 1 or 2): '" << setting << "'\n";
      return kExitUsage;
    }
  }
  if (ctx.args.size() != 2) {
    ctx.err << kUsage;
    return kExitUsage;
  }
  if (!validDealNumber(ctx.args[1])) {
    ctx.err << "play: the game number must be 1 to 13 digits and not 0: '" << ctx.args[1] << "'\n";
    return kExitUsage;
  }
  const auto params = loadGameForCommand(ctx, ctx.args[0], "play");
  if (!params) return kExitUsage;

  PlayDriver driver;
  driver.session().state().prefs = prefs;
  const std::string error = driver.session().start(*params, *normalizeDealNumber(ctx.args[1]));
  if (!error.empty()) {
    ctx.err << "play: " << error << "\n";
    return kExitFailure;
  }
  driver.run(ctx.in, ctx.out);
  return kExitOk;
}

}  // namespace kes::cli
