#include "cli/layout_commands.h"

#include <charconv>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/catalogue_commands.h"
#include "display/geometry/hit_testing.h"
#include "display/geometry/table_layout.h"
#include "engine/card.h"
#include "engine/game_start.h"

namespace kes::cli {

namespace {

constexpr const char* kLayoutUsage =
    "usage: kestrova-cli layout GAME --size WIDTHxHEIGHT --cards B|M|L [--shadow Y|N]\n";
constexpr const char* kHitUsage =
    "usage: kestrova-cli hit GAME --size WIDTHxHEIGHT --cards B|M|L [--shadow Y|N] [--irregular SEED] X Y\n";
constexpr int kMaxWindowSide = 9999;
constexpr const char* kDealNumber = "1";

std::optional<int> parseInt(std::string_view s, int min, int max) {
  int value = 0;
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || err != std::errc{} || end != s.data() + s.size() || value < min || value > max) return std::nullopt;
  return value;
}

// "800x600": the main window's outer size; the table is laid out as on a
// display of that size with the window filling it and no toolbar shown.
std::optional<ScreenSize> parseSize(const std::string& s) {
  const auto x = s.find('x');
  if (x == std::string::npos) return std::nullopt;
  const auto w = parseInt(std::string_view(s).substr(0, x), 1, kMaxWindowSide);
  const auto h = parseInt(std::string_view(s).substr(x + 1), 1, kMaxWindowSide);
  if (!w || !h) return std::nullopt;
  return ScreenSize{*w, *h};
}

// A dealt game laid out for the options of a command.
struct LaidOutTable {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  TableMetrics metrics;
  TableView view() const { return TableView{*game, metrics}; }
};

// Reads GAME, --size, --cards and --shadow (and --irregular when
// allowIrregular), loads and deals the game and lays it out. The remaining
// arguments are left in ctx.args. Returns the exit status.
int prepareTable(CliContext& ctx, const char* command, const char* usage, bool allowIrregular, LaidOutTable& table) {
  std::string size, cards, shadow = "Y", seed;
  const bool haveSize = takeOption(ctx.args, "--size", size);
  const bool haveCards = takeOption(ctx.args, "--cards", cards);
  takeOption(ctx.args, "--shadow", shadow);
  const bool haveSeed = allowIrregular && takeOption(ctx.args, "--irregular", seed);
  if (!haveSize || !haveCards || ctx.args.empty()) {
    ctx.err << usage;
    return kExitUsage;
  }
  const std::string gameArg = ctx.args.front();
  ctx.args.erase(ctx.args.begin());
  const auto screen = parseSize(size);
  if (!screen) {
    ctx.err << command << ": the size must be WIDTHxHEIGHT, each 1 to " << kMaxWindowSide << ": '" << size << "'\n";
    return kExitUsage;
  }
  const auto card = cardSizeFromCode(cards);
  if (!card) {
    ctx.err << command << ": the card size must be B, M or L: '" << cards << "'\n";
    return kExitUsage;
  }
  if (shadow != "Y" && shadow != "N") {
    ctx.err << command << ": the shadow must be Y or N: '" << shadow << "'\n";
    return kExitUsage;
  }
  std::optional<int> irregularSeed;
  if (haveSeed && !(irregularSeed = parseInt(seed, 0, 2147483647))) {
    ctx.err << command << ": the irregular-piles seed must be a number: '" << seed << "'\n";
    return kExitUsage;
  }

  const auto params = loadGameForCommand(ctx, gameArg, command);
  if (!params) return kExitUsage;
  GameState& g = *table.game;
  loadGame(g, *params);
  resetLayoutForNewGame(g);
  // Only the dealt piles matter here: the deal's own foundation moves are left out.
  const auto acceptNothing = [](const GameState&, int, int) { return false; };
  if (const std::string error = startDeal(g, kDealNumber, acceptNothing); !error.empty()) {
    ctx.err << command << ": " << error << "\n";
    return kExitFailure;
  }
  LayoutRequest request;
  request.area = windowTableArea(screen->width, screen->height, screen->height);
  request.screen = *screen;
  request.card = *card;
  request.shadowSize = shadow == "Y" ? kShadowSize : 0;
  const LayoutReport report = layoutTable(g, request);
  if (!report.arrangementKnown) {
    ctx.err << command << ": game " << gameArg << " uses the special arrangement " << (*params)[Param::TableauPlacementVariant]
            << ", which has no drawing\n";
    return kExitFailure;
  }
  table.metrics.card = *card;
  table.metrics.steps = fanningSteps(*card, *params, FanningSteps{});
  table.metrics.irregularPiles = irregularSeed.has_value();
  if (irregularSeed) table.metrics.irregular = IrregularOffsets::drawSeeded(static_cast<std::uint32_t>(*irregularSeed));
  table.metrics.screenWidth = screen->width;
  table.metrics.scrollOffset = report.scrollOffset;
  table.metrics.stockDraw = report.stockDraw;
  return kExitOk;
}

}  // namespace

int runLayout(CliContext& ctx) {
  LaidOutTable table;
  if (const int status = prepareTable(ctx, "layout", kLayoutUsage, false, table); status != kExitOk) return status;
  if (!ctx.args.empty()) {
    ctx.err << kLayoutUsage;
    return kExitUsage;
  }
  for (int o = 0; o < kPileCount; ++o) {
    const PileId id = PileId::fromOrdinal(o);
    if (table.game->positions.isPlaced(id))
      ctx.out << pileName(id) << ' ' << table.game->positions.x(id) << ' ' << table.game->positions.y(id) << '\n';
  }
  return kExitOk;
}

int runHit(CliContext& ctx) {
  LaidOutTable table;
  if (const int status = prepareTable(ctx, "hit", kHitUsage, true, table); status != kExitOk) return status;
  const auto x = ctx.args.size() == 2 ? parseInt(ctx.args[0], -32768, 32767) : std::nullopt;
  const auto y = ctx.args.size() == 2 ? parseInt(ctx.args[1], -32768, 32767) : std::nullopt;
  if (!x || !y) {
    ctx.err << "hit: the point must be two whole numbers X Y\n" << kHitUsage;
    return kExitUsage;
  }
  // The stock family is hit where its raised top card is drawn.
  raiseStockPiles(*table.game, table.metrics.stockDraw);
  const PileHit hit = pileAtPoint(table.view(), *x, *y);
  if (!hit.pile)
    ctx.out << "none\n";
  else
    ctx.out << hit.name() << ' ' << cardCodeText(hit.card) << '\n';
  return kExitOk;
}

}  // namespace kes::cli
