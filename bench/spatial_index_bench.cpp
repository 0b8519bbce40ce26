// The drawing's spatial index against the walks of the whole entity list it replaces, in the
// same run, at 10,000, 100,000 and 1,000,000 random lines of a drafter's density (about one
// line a 10 × 10 square, each up to 10 long) with the view zoomed to about 1% of the
// drawing's area; and the index's build time and memory against one walk measuring every
// entity. A uniform grid of the same boxes is measured beside the R-tree, as the simpler
// structure the index could have been.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/counting_heap.h"
#include "bench/uniform_grid.h"
#include "commands/entity_picking.h"
#include "commands/snapping.h"
#include "core/drawing.h"
#include "core/entity_index.h"
#include "core/index_box.h"
#include "core/line_entity.h"
#include "platform/raster_device.h"
#include "view/picture.h"
#include "view/render_context.h"

namespace korvo {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The side of the square holding `count` lines at one line per 100 square units.
double Side(std::size_t count) {
  return std::sqrt(static_cast<double>(count) * 100.0);
}

// Uniform: lines spread evenly. Clustered: nine in ten of them in a detailed part of 1% of
// the area in the middle, as in a site plan with one drawn-out building.
enum class Spread { Uniform, Clustered };

void FillDrawing(Drawing& drawing, std::size_t count, Spread spread = Spread::Uniform) {
  drawing.New();
  drawing.settings.gridOn = 0;
  std::mt19937_64 random(20261210);
  const double side = Side(count);
  std::uniform_real_distribution<double> coordinate(0.0, side);
  std::uniform_real_distribution<double> detail(0.45 * side, 0.55 * side);
  std::uniform_real_distribution<double> offset(-7.0, 7.0);
  for (std::size_t i = 0; i < count; ++i) {
    const bool inDetail = spread == Spread::Clustered && i % 10 != 0;
    const Point a = inDetail ? Point(detail(random), detail(random))
                             : Point(coordinate(random), coordinate(random));
    drawing.entities.AddTail(
        new LineEntity(a, a + Point(offset(random), offset(random)), drawing.settings));
  }
}

// Drawings are built once per size and kept for every benchmark of that size. They are never
// destroyed: the built-in line types they point to may be gone by the time statics are.
// Copy 2 is the clustered drawing.
Drawing& SharedDrawing(std::size_t count, int copy = 0) {
  using Key = std::pair<std::size_t, int>;
  static auto* drawings = new std::vector<std::pair<Key, std::unique_ptr<Drawing>>>;
  for (auto& [key, drawing] : *drawings)
    if (key == Key(count, copy)) return *drawing;
  drawings->emplace_back(Key(count, copy), std::make_unique<Drawing>());
  FillDrawing(*drawings->back().second, count, copy == 2 ? Spread::Clustered : Spread::Uniform);
  return *drawings->back().second;
}

// The zoomed view: a window a tenth of the drawing's side (1% of its area) at 800 pixels.
struct ZoomedView {
  explicit ZoomedView(std::size_t count) : side(Side(count)), window(side / 10) {}
  double PixelSize() const { return window / 800; }
  // Cursor positions wander over the drawing so that each asks somewhere new.
  Point Cursor(int iteration) const {
    const double t = std::fmod(iteration * 0.6180339887, 1.0);
    const double u = std::fmod(iteration * 0.4142135623, 1.0);
    return Point(t * side, u * side);
  }
  double side;
  double window;
};

class PairTimer {
 public:
  template <class Run>
  auto TimeIndex(Run run) {
    const Clock::time_point start = Clock::now();
    auto result = run();
    index_ += Clock::now() - start;
    return result;
  }
  template <class Run>
  auto TimeLinear(Run run) {
    const Clock::time_point start = Clock::now();
    auto result = run();
    linear_ += Clock::now() - start;
    return result;
  }
  void Report(benchmark::State& state, const char* linearName = "linear_ms") const {
    const double n = static_cast<double>(state.iterations());
    state.counters["index_ms"] = Milliseconds(index_) / n;
    state.counters[linearName] = Milliseconds(linear_) / n;
    state.counters["ratio_linear_to_index"] = Milliseconds(linear_) / Milliseconds(index_);
  }

 private:
  Clock::duration index_{};
  Clock::duration linear_{};
};

// One cursor move with object and intersection snap on, aperture 10 pixels. The whole-list
// intersection search tests every pair, which at 100,000 lines and more takes hours: there
// the baseline is the whole-list object snap alone, and the counter says so.
void BM_CursorMoveWithObjectAndIntersectionSnap(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const Drawing& drawing = SharedDrawing(count);
  const ZoomedView view(count);
  const double aperture = 10 * view.PixelSize();
  const SnapSettings both{false, 0, true, true};
  const SnapSettings objectOnly{false, 0, true, false};
  const bool fullBaseline = count <= 10'000;
  drawing.index().Update();
  PairTimer timer;
  int iteration = 0;
  for (auto _ : state) {
    const Point p = view.Cursor(iteration++);
    const CursorSnap indexed = timer.TimeIndex(
        [&] { return SnapCursor(p, both, drawing, aperture, CursorStyle::Crosshair); });
    const CursorSnap linear = timer.TimeLinear([&] {
      return SnapCursor(p, fullBaseline ? both : objectOnly, drawing.entities, aperture,
                        CursorStyle::Crosshair);
    });
    if (fullBaseline && (indexed.world != linear.world || indexed.kind != linear.kind))
      state.SkipWithError("the two searches disagree");
    benchmark::DoNotOptimize(indexed);
  }
  timer.Report(state, fullBaseline ? "linear_ms" : "linear_object_snap_only_ms");
}
BENCHMARK(BM_CursorMoveWithObjectAndIntersectionSnap)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// One pick under a 5-pixel pick box.
void BM_FindEntityAt(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const Drawing& drawing = SharedDrawing(count);
  const ZoomedView view(count);
  const double tolerance = 5 * view.PixelSize();
  drawing.index().Update();
  PairTimer timer;
  int iteration = 0;
  for (auto _ : state) {
    const Point p = view.Cursor(iteration++);
    const Entity* indexed = timer.TimeIndex([&] { return FindEntityAt(drawing, p, tolerance); });
    const Entity* linear =
        timer.TimeLinear([&] { return FindEntityAt(drawing.entities, p, tolerance); });
    if (indexed != linear) state.SkipWithError("the two searches disagree");
  }
  timer.Report(state);
}
BENCHMARK(BM_FindEntityAt)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// One window selection of a tenth of the drawing's side each way (1% of its area).
void BM_WindowSelection(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const Drawing& drawing = SharedDrawing(count);
  const ZoomedView view(count);
  drawing.index().Update();
  PairTimer timer;
  int iteration = 0;
  std::size_t selected = 0;
  for (auto _ : state) {
    const Point a = view.Cursor(iteration++) * 0.9;
    const Point b = a + Point(view.window, view.window);
    const auto indexed = timer.TimeIndex([&] { return WindowSelectionCandidates(drawing, a, b); });
    const auto linear =
        timer.TimeLinear([&] { return WindowSelectionCandidates(drawing.entities, a, b); });
    if (indexed != linear) state.SkipWithError("the two selections disagree");
    selected += indexed.size();
  }
  timer.Report(state);
  state.counters["selected"] = static_cast<double>(selected) / state.iterations();
}
BENCHMARK(BM_WindowSelection)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// A redraw after a pan of the zoomed view, 800 × 800 pixels, the view's full pass: the marks
// for the new window and the picture. Each scan has a drawing of its own, so that neither
// leaves marks the other relies on.
void BM_ZoomedRedraw(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  Drawing& indexDrawing = SharedDrawing(count, 0);
  Drawing& listDrawing = SharedDrawing(count, 1);
  const ZoomedView view(count);
  Bitmap bitmap(800, 800);
  DeviceContext dc(bitmap);
  indexDrawing.index().Update();
  PairTimer timer;
  int iteration = 0;
  const auto redraw = [&](Drawing& drawing, const Point& origin, PictureScan scan) {
    drawing.settings.viewOrigin = origin;
    drawing.settings.viewExtent = {view.window, view.window};
    RenderContext rc(dc, {0, 0, 799, 799}, drawing.settings);
    rc.lineWeightScale = 0;
    rc.FillBackground();
    return DrawPicture(drawing, rc, scan);
  };
  for (auto _ : state) {
    const Point origin = view.Cursor(iteration++) * 0.9;
    timer.TimeIndex([&] { return redraw(indexDrawing, origin, PictureScan::Index); });
    timer.TimeLinear([&] { return redraw(listDrawing, origin, PictureScan::WholeList); });
  }
  timer.Report(state);
}
BENCHMARK(BM_ZoomedRedraw)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// Building the index from nothing, against one walk that measures every entity's box (the
// least any index must do); the heap it keeps, per entity.
void BM_IndexBuild(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const Drawing& drawing = SharedDrawing(count);
  Clock::duration build{}, walk{};
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::size_t before = bench::g_heapInUse;
    const Clock::time_point t0 = Clock::now();
    auto index = std::make_unique<EntityIndex>(drawing.entities);
    index->Update();
    const Clock::time_point t1 = Clock::now();
    bytes = bench::g_heapInUse - before;
    double sum = 0;
    const Clock::time_point t2 = Clock::now();
    for (const Entity* entity : drawing.entities) {
      Point min, max;
      if (GetIndexBox(*entity, min, max)) sum += min.x + max.y;
    }
    const Clock::time_point t3 = Clock::now();
    benchmark::DoNotOptimize(sum);
    build += t1 - t0;
    walk += t3 - t2;
    state.PauseTiming();
    index.reset();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["build_ms"] = Milliseconds(build) / n;
  state.counters["measure_walk_ms"] = Milliseconds(walk) / n;
  state.counters["ratio_build_to_walk"] = Milliseconds(build) / Milliseconds(walk);
  state.counters["bytes_per_entity"] = static_cast<double>(bytes) / static_cast<double>(count);
}
BENCHMARK(BM_IndexBuild)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// What an edit costs the index: after an entity moved and the drawing was marked modified,
// the next question re-measures every entity and refiles the one that moved; against the
// same measuring walk.
void BM_IndexRefreshAfterEdit(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  Drawing& drawing = SharedDrawing(count);
  drawing.index().Update();
  Entity* moved = drawing.entities.Head();
  Clock::duration refresh{}, walk{};
  double direction = 1;
  for (auto _ : state) {
    moved->Translate(Point(direction * 50, 0));
    direction = -direction;
    drawing.NoteEntitiesChanged();
    const Clock::time_point t0 = Clock::now();
    drawing.index().Update();
    const Clock::time_point t1 = Clock::now();
    double sum = 0;
    for (const Entity* entity : drawing.entities) {
      Point min, max;
      if (GetIndexBox(*entity, min, max)) sum += min.x + max.y;
    }
    const Clock::time_point t2 = Clock::now();
    benchmark::DoNotOptimize(sum);
    refresh += t1 - t0;
    walk += t2 - t1;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["refresh_ms"] = Milliseconds(refresh) / n;
  state.counters["measure_walk_ms"] = Milliseconds(walk) / n;
  state.counters["ratio_refresh_to_walk"] = Milliseconds(refresh) / Milliseconds(walk);
}
BENCHMARK(BM_IndexRefreshAfterEdit)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The R-tree's question against the grid's, at the two sizes the editor asks: an aperture
// square (10 pixels of the zoomed view) and a window of 1% of the drawing, over the uniform
// drawing (argument 0) and the clustered one (1), where half the questions are asked in the
// detailed part. The grid's cells suit the average density, as a grid sized from the count
// and the extents would. Both give the same entities; the counters give each structure's
// time a question and the grid's memory.
void BM_RTreeAgainstGrid(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  const bool clustered = state.range(1) != 0;
  const Drawing& drawing = SharedDrawing(count, clustered ? 2 : 0);
  const ZoomedView view(count);
  drawing.index().Update();
  const std::size_t before = bench::g_heapInUse;
  const Clock::time_point built = Clock::now();
  const bench::UniformGrid grid(drawing.entities, view.side, 20.0);
  const double gridBuildMs = Milliseconds(Clock::now() - built);
  const std::size_t gridBytes = bench::g_heapInUse - before;
  Clock::duration treeAperture{}, gridAperture{}, treeWindow{}, gridWindow{};
  std::vector<Entity*> fromTree;
  std::vector<uint32_t> fromGrid;
  int iteration = 0;
  for (auto _ : state) {
    Point p = view.Cursor(iteration++) * 0.9;
    if (clustered && iteration % 2 == 0)
      p = Point(view.side * 0.45, view.side * 0.45) + p * (0.1 / 0.9 / 1.0);
    for (const double half : {10 * view.PixelSize(), view.window / 2}) {
      const Point low = p - Point(half, half), high = p + Point(half, half);
      const Clock::time_point t0 = Clock::now();
      drawing.index().Query(low, high, fromTree);
      const Clock::time_point t1 = Clock::now();
      grid.Query(low, high, fromGrid);
      const Clock::time_point t2 = Clock::now();
      const bool aperture = half < view.window / 2;
      (aperture ? treeAperture : treeWindow) += t1 - t0;
      (aperture ? gridAperture : gridWindow) += t2 - t1;
      if (fromTree.size() != fromGrid.size()) state.SkipWithError("the structures disagree");
    }
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["rtree_aperture_us"] = Milliseconds(treeAperture) * 1000 / n;
  state.counters["grid_aperture_us"] = Milliseconds(gridAperture) * 1000 / n;
  state.counters["rtree_window_ms"] = Milliseconds(treeWindow) / n;
  state.counters["grid_window_ms"] = Milliseconds(gridWindow) / n;
  state.counters["grid_build_ms"] = gridBuildMs;
  state.counters["grid_bytes_per_entity"] =
      static_cast<double>(gridBytes) / static_cast<double>(count);
}
BENCHMARK(BM_RTreeAgainstGrid)
    ->ArgsProduct({{10'000, 100'000, 1'000'000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
