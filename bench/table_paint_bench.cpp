// Painting the card table: a whole table, and one frame of a drag (the held
// card over the table drawn once beforehand).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdlib>
#include <sstream>

#include "cli/catalogue_commands.h"
#include "display/geometry/table_area.h"
#include "display/geometry/table_layout.h"
#include "display/resources/resource_library.h"
#include "display/table/background_painter.h"
#include "display/table/table_painter.h"
#include "engine/deal_generator.h"
#include "engine/game_session.h"

namespace {

using namespace kes;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::string dataDir() {
  const char* dir = std::getenv("KESTROVA_DATA");
  return dir ? dir : "build/release/out";
}

GameParams gameParams(int game) {
  std::istringstream in;
  std::ostringstream out, err;
  const std::string data = dataDir();
  cli::CliContext ctx{{}, {data, data}, in, out, err};
  const auto params = cli::loadGameForCommand(ctx, std::to_string(game), "bench", {});
  if (!params) std::abort();
  return *params;
}

struct Silent : EngineEvents, ResultListener {
  void recordResult(const GameState&, bool, int) override {}
};

// Deal 1 of a game laid out on a full-HD table with big cards.
struct DealtTable {
  Silent silent;
  GameSession session{silent, silent};
  TableMetrics metrics;
  ResourceLibrary library{QString::fromStdString(dataDir())};
  CardImages images{library, QString::fromStdString(dataDir())};

  explicit DealtTable(int game) {
    if (!library.isOpen()) std::abort();
    session.state().prefs.autoplay = false;
    GameState& g = session.state();
    const GameParams params = gameParams(game);
    if (!session.start(params, *normalizeDealNumber("1")).empty()) std::abort();
    resetLayoutForNewGame(g);
    LayoutRequest request;
    request.area = windowTableArea(kWidth, kHeight, kHeight);
    request.screen = ScreenSize{kWidth, kHeight};
    request.card = kBigCards;
    const LayoutReport report = layoutTable(g, request);
    metrics.card = kBigCards;
    metrics.steps = fanningSteps(kBigCards, params, FanningSteps{});
    metrics.screenWidth = kWidth;
    metrics.scrollOffset = report.scrollOffset;
    images.load(kBigCards, 1, 6);
  }
  TableView view() const { return {session.state(), metrics}; }
};

// Paints the whole dealt table over the default green, each round, at the
// given device pixel ratio.
void paintWholeTable(benchmark::State& state, int ratio) {
  DealtTable table(static_cast<int>(state.range(0)));
  table.images.setDevicePixelRatio(ratio);
  QImage surface(ratio * kWidth, ratio * kHeight, QImage::Format_RGB32);
  surface.setDevicePixelRatio(ratio);
  QPixmap background(ratio * kWidth, ratio * kHeight);
  background.setDevicePixelRatio(ratio);
  background.fill(qColourOf(kDefaultGreen));
  for (auto _ : state) {
    QPainter p(&surface);
    p.drawPixmap(0, 0, background);
    paintTable(p, table.view(), table.images, {}, &background);
    p.end();
    benchmark::DoNotOptimize(surface.constBits());
  }
}

void BM_PaintWholeTable(benchmark::State& state) { paintWholeTable(state, 1); }
// FreeCell and Spider.
BENCHMARK(BM_PaintWholeTable)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// The same on a screen of two device pixels per pixel, from the double-size pictures.
void BM_PaintWholeTableDoubleRatio(benchmark::State& state) { paintWholeTable(state, 2); }
BENCHMARK(BM_PaintWholeTableDoubleRatio)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// The top card of tableau pile 1 held by the pointer, moving across the
// table: the frame restores the card's last place from the cached table and
// paints the card at its new place, as a repaint of the changed area does.
void BM_PaintDragFrame(benchmark::State& state) {
  const DealtTable table(static_cast<int>(state.range(0)));
  const int held = table.view().pile(PileId::tableau(0)).top();
  QPixmap cached(kWidth, kHeight);
  cached.fill(qColourOf(kDefaultGreen));
  const QPixmap background = cached.copy();
  {
    QPainter p(&cached);
    paintTable(p, table.view(), table.images, {held}, &background);
  }
  QImage surface = cached.toImage();
  int x = 0;
  for (auto _ : state) {
    const int next = (x + 7) % (kWidth - kBigCards.width);
    const QRect changed = QRect(x, 400, kBigCards.width, kBigCards.height) | QRect(next, 400, kBigCards.width, kBigCards.height);
    QPainter p(&surface);
    p.setClipRect(changed);
    p.drawPixmap(changed, cached, changed);
    paintCard(p, table.images, held, true, next, 400);
    p.end();
    x = next;
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(BM_PaintDragFrame)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// The background of a full-screen table: the faded colour in its 256 bands,
// and a 256-pixel picture tiled.
void BM_PaintBackground(benchmark::State& state) {
  QImage surface(kWidth, kHeight, QImage::Format_RGB32);
  BackgroundChoice choice;
  choice.kind = state.range(0) == 0 ? BackgroundKind::FadedColour : BackgroundKind::DemoTile;
  choice.colour.rgb = Rgb{0, 128, 0};
  QImage tile(256, 256, QImage::Format_RGB32);
  tile.fill(Qt::darkGreen);
  for (auto _ : state) {
    QPainter p(&surface);
    paintBackground(p, surface.size(), choice, tile, false);
    p.end();
    benchmark::DoNotOptimize(surface.constBits());
  }
}
BENCHMARK(BM_PaintBackground)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
