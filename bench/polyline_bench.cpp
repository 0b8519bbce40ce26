// Rebuilding the segments of a wide polyline against building as many plain line entities
// into a list, both in the same run; 10,000 and 100,000 vertices show whether the rebuild
// stays linear in the vertex count.
#include <chrono>
#include <cmath>
#include <memory>

#include <benchmark/benchmark.h>

#include "core/drawing_settings.h"
#include "core/entity_list.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"

namespace korvo {
namespace {

// A zig-zag with a gentle arc every fifth vertex: mitred corners and straight-arc joints.
std::unique_ptr<PolylineEntity> MakePolyline(const DrawingSettings& settings, int vertices) {
  auto polyline = std::make_unique<PolylineEntity>(settings);
  for (int i = 0; i < vertices; ++i) {
    const double bulge = i % 5 == 4 ? 0.2 : 0.0;
    polyline->AppendVertex(i * 2.0, (i % 2) * 3.0, 0.5, 0.5, bulge, 0, 0);
  }
  return polyline;
}

void BM_RebuildSegmentsVsPlainLines(benchmark::State& state) {
  const int vertices = static_cast<int>(state.range(0));
  const DrawingSettings settings;
  std::unique_ptr<PolylineEntity> polyline = MakePolyline(settings, vertices);

  using Clock = std::chrono::steady_clock;
  Clock::duration rebuildTime{};
  Clock::duration plainTime{};
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    polyline->RebuildSegments();
    const Clock::time_point t1 = Clock::now();
    // The baseline: one plain line entity per segment into a list, then freed, as the
    // rebuild frees the segments it replaces.
    EntityList lines;
    for (int i = 1; i < vertices; ++i) {
      lines.AddTail(new LineEntity(Point((i - 1) * 2.0, ((i - 1) % 2) * 3.0),
                                   Point(i * 2.0, (i % 2) * 3.0), settings));
    }
    lines.DeleteAll();
    const Clock::time_point t2 = Clock::now();
    benchmark::DoNotOptimize(polyline->segmentList.size());
    if (polyline->segmentList.size() != static_cast<std::size_t>(vertices - 1)) {
      state.SkipWithError("wrong segment count");
    }
    rebuildTime += t1 - t0;
    plainTime += t2 - t1;
  }
  const double iterations = static_cast<double>(state.iterations());
  const double rebuildNs = std::chrono::duration<double, std::nano>(rebuildTime).count();
  const double plainNs = std::chrono::duration<double, std::nano>(plainTime).count();
  state.counters["rebuild_ns_per_vertex"] = rebuildNs / iterations / vertices;
  state.counters["plain_ns_per_line"] = plainNs / iterations / (vertices - 1);
  state.counters["ratio_rebuild_to_plain"] = rebuildNs / plainNs;
}
BENCHMARK(BM_RebuildSegmentsVsPlainLines)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
