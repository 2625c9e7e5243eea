// Every catalogued game, dealt and laid out at the common window sizes: the
// piles must not cover each other where the game does not mean them to, and
// must stay within the table's width at 800 x 600 with medium cards and at
// the larger sizes with big cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

#include "datafiles/catalogue_params.h"
#include "datafiles/game_list.h"
#include "display/geometry/pile_geometry.h"
#include "display/geometry/rect.h"
#include "engine/game_start.h"
#include "geometry_test_support.h"

namespace kes {
namespace {

struct WindowSize {
  int width, height;
  CardSize card;
  // Whether every pile must stay within the table's width; otherwise only
  // overlaps count. Big cards on an 800-pixel table are the player's choice
  // (the program offers medium cards there), so wide games may pass its edge.
  bool mustFit;
};
constexpr std::array kSizes{WindowSize{800, 600, kMediumCards, true}, WindowSize{800, 600, kBigCards, false},
                            WindowSize{1024, 768, kBigCards, true}, WindowSize{1920, 1080, kBigCards, true}};

std::optional<CatalogueText> builtCatalogue() {
  const char* dir = std::getenv("KESTROVA_TEST_DATA");
  if (!dir) return std::nullopt;
  return readCatalogue(catalogueFile(dir));
}

struct DealtTable {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  TableMetrics metrics;
  LayoutRequest request;
  TableView view() const { return TableView{*game, metrics}; }
};

DealtTable dealAndLayOut(const GameParams& params, const WindowSize& size) {
  DealtTable t;
  loadGame(*t.game, params);
  resetLayoutForNewGame(*t.game);
  const auto acceptNothing = [](const GameState&, int, int) { return false; };
  EXPECT_EQ(startDeal(*t.game, "1", acceptNothing), "");
  t.request = test::windowRequest(size.width, size.height, size.card, kShadowSize);
  EXPECT_TRUE(layoutTable(*t.game, t.request).arrangementKnown);
  t.metrics.card = size.card;
  t.metrics.steps = fanningSteps(size.card, params, {});
  t.metrics.irregularPiles = false;
  t.metrics.screenWidth = size.width;
  return t;
}

// The rectangle all cards of a pile cover (its outline when empty), without
// the edges the next card may share.
Rect pileExtent(const TableView& v, PileId id) {
  const int m = v.pile(id).size();
  Rect r = cardRect(cardLeft(v, id, m, true), cardTop(v, id, m, true), v.width(), v.height());
  for (int depth = 0; depth < m; ++depth) {
    const Rect c = cardRect(cardLeft(v, id, depth, false), cardTop(v, id, depth, false), v.width(), v.height());
    r = Rect{std::min(r.left, c.left), std::min(r.top, c.top), std::max(r.right, c.right), std::max(r.bottom, c.bottom)};
  }
  return r;
}

bool interiorsMeet(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The pyramid's rows are laid to cover half of the row above.
bool meantToOverlap(const GameParams& p, PileId a, PileId b) {
  constexpr int kPyramidArrangement = 53;
  return p[Param::TableauPlacementVariant] == kPyramidArrangement && a.family == PileFamily::Tableau &&
         b.family == PileFamily::Tableau;
}

std::vector<PileId> placedPiles(const GameState& g) {
  std::vector<PileId> piles;
  for (int o = 0; o < kPileCount; ++o)
    if (g.positions.isPlaced(PileId::fromOrdinal(o))) piles.push_back(PileId::fromOrdinal(o));
  return piles;
}

// Every pile the game plays with has a place.
void expectPilesInUsePlaced(const GameState& g, const std::string& where) {
  std::vector<PileId> needed;
  for (int k = 0; k < g.tableauCount(); ++k) needed.push_back(PileId::tableau(k));
  for (int k = 0; k < g.foundationCount(); ++k) needed.push_back(PileId::foundation(k));
  for (int k = 0; k < g.reserveCount(); ++k) needed.push_back(PileId::reserve(k));
  if (!g.table.pile(PileId::stock()).empty() || g.params[Param::StockRowPiles] >= 1) needed.push_back(PileId::stock());
  if (g.params[Param::WasteUsed] == 1) needed.push_back(PileId::waste());
  if (g.params[Param::SecondWasteUsed] >= 1) needed.push_back(PileId::secondWaste());
  for (const PileId id : needed) EXPECT_TRUE(g.onTable(id)) << where << " " << pileName(id);
}

TEST(CatalogueLayout, EveryGameFitsItsTableWithoutPilesCoveringEachOther) {
  const auto catalogue = builtCatalogue();
  ASSERT_TRUE(catalogue) << "the build's GAMES.DAT (KESTROVA_TEST_DATA)";
  const auto games = loadGameList(*catalogue).entries();
  ASSERT_GE(games.size(), 20u);
  std::map<std::string, int> overflow;
  for (const GameListEntry& game : games) {
    GameParams params;
    SavedPileParams saved;
    ASSERT_TRUE(loadGameParams(*catalogue, game.number, std::nullopt, params, saved).ok()) << game.name;
    for (const WindowSize& size : kSizes) {
      const DealtTable t = dealAndLayOut(params, size);
      std::ostringstream where;
      where << game.number << " " << game.name << " at " << size.width << "x" << size.height << " with "
            << size.card.code << " cards:";
      expectPilesInUsePlaced(*t.game, where.str());
      const auto piles = placedPiles(*t.game);
      int widest = 0;
      for (std::size_t i = 0; i < piles.size(); ++i) {
        const Rect a = pileExtent(t.view(), piles[i]);
        EXPECT_GE(a.left, 0) << where.str() << " " << pileName(piles[i]);
        widest = std::max(widest, a.right - t.request.area.right);
        for (std::size_t j = i + 1; j < piles.size(); ++j) {
          if (meantToOverlap(params, piles[i], piles[j])) continue;
          EXPECT_FALSE(interiorsMeet(a, pileExtent(t.view(), piles[j])))
              << where.str() << " " << pileName(piles[i]) << " and " << pileName(piles[j]);
        }
      }
      if (widest > 0 && size.mustFit) overflow[where.str()] = widest;
    }
  }
  std::ostringstream report;
  for (const auto& [where, pixels] : overflow) report << where << " " << pixels << " px past the edge\n";
  EXPECT_TRUE(overflow.empty()) << report.str();
}

}  // namespace
}  // namespace kes
