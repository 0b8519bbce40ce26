// Nearest-point search over a drawing's entity list against the same search over plain
// segments, and the memory a line costs in a drawing.
#include <malloc.h>

#include <chrono>
#include <cstddef>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "core/drawing.h"
#include "core/entity_list.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

constexpr int kLines = 1'000'000;

struct Segment {
  Point a;
  Point b;
};

std::vector<Segment> MakeSegments() {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> coordinate(0.0, 1000.0);
  std::vector<Segment> segments(kLines);
  for (Segment& s : segments) {
    s.a = Point(coordinate(random), coordinate(random));
    s.b = Point(coordinate(random), coordinate(random));
  }
  return segments;
}

// The baseline: the same geometry function over a contiguous array, later segments winning
// ties as in the list.
double PlainNearest(const std::vector<Segment>& segments, const Point& p, Point& out) {
  double best = kMaxDouble;
  for (const Segment& s : segments) {
    Point candidate;
    const double distance = NearestOnSegment(s.a, s.b, p, candidate);
    if (distance <= best) best = distance, out = candidate;
  }
  return best;
}

void BM_NearestPointListVsPlainLoop(benchmark::State& state) {
  const std::vector<Segment> segments = MakeSegments();
  const DrawingSettings settings;
  EntityList list;
  for (const Segment& s : segments) list.AddTail(new LineEntity(s.a, s.b, settings));

  using Clock = std::chrono::steady_clock;
  Clock::duration listTime{};
  Clock::duration plainTime{};
  double query = 0;
  for (auto _ : state) {
    const Point p(query, 1000 - query);
    query += 7.25;
    Point fromList, fromPlain;
    const Clock::time_point t0 = Clock::now();
    const double d1 = list.NearestPoint(p, fromList);
    const Clock::time_point t1 = Clock::now();
    const double d2 = PlainNearest(segments, p, fromPlain);
    const Clock::time_point t2 = Clock::now();
    benchmark::DoNotOptimize(d1);
    benchmark::DoNotOptimize(d2);
    if (d1 != d2 || fromList != fromPlain) state.SkipWithError("the two searches disagree");
    listTime += t1 - t0;
    plainTime += t2 - t1;
  }
  const double iterations = static_cast<double>(state.iterations());
  const double listNs = std::chrono::duration<double, std::nano>(listTime).count();
  const double plainNs = std::chrono::duration<double, std::nano>(plainTime).count();
  state.counters["list_ns_per_entity"] = listNs / iterations / kLines;
  state.counters["plain_ns_per_segment"] = plainNs / iterations / kLines;
  state.counters["ratio_list_to_plain"] = listNs / plainNs;
}
BENCHMARK(BM_NearestPointListVsPlainLoop)->Unit(benchmark::kMillisecond);

std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// Heap growth while a drawing's list receives a million lines, per line: the entity and its
// list node together.
void BM_MemoryPerLineInDrawing(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto drawing = std::make_unique<Drawing>();
    drawing->New();
    state.ResumeTiming();
    const std::size_t before = HeapInUse();
    for (int i = 0; i < kLines; ++i) {
      const double x = i;
      drawing->entities.AddTail(new LineEntity(x, 0, x, 1, drawing->settings));
    }
    const std::size_t after = HeapInUse();
    state.counters["bytes_per_line"] = static_cast<double>(after - before) / kLines;
    state.PauseTiming();
    drawing.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MemoryPerLineInDrawing)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
