// Cursor snapping and picking over a drawing's entity list against the same maths over a
// plain array of segment end points, timed in the same run.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "commands/entity_picking.h"
#include "commands/snapping.h"
#include "core/drawing_settings.h"
#include "core/entity_list.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

using Clock = std::chrono::steady_clock;

struct Segment {
  Point a;
  Point b;
};

// Random segments in a 1000 × 1000 square, each at most `maxLength` long in x and y.
std::vector<Segment> MakeSegments(std::size_t count, double maxLength) {
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> coordinate(0.0, 1000.0);
  std::uniform_real_distribution<double> offset(-maxLength, maxLength);
  std::vector<Segment> segments(count);
  for (Segment& s : segments) {
    s.a = Point(coordinate(random), coordinate(random));
    s.b = s.a + Point(offset(random), offset(random));
  }
  return segments;
}

// A drawing's lines on one visible layer.
class LineScene {
 public:
  explicit LineScene(const std::vector<Segment>& segments) {
    settings_.currentLayer = &layer_;
    for (const Segment& s : segments) list.AddTail(new LineEntity(s.a, s.b, settings_));
  }
  EntityList list;

 private:
  Layer layer_{u"0", 7, nullptr, -3.0};
  DrawingSettings settings_;
};

bool InSquare(const Point& q, const Point& p, double aperture) {
  return std::fabs(q.x - p.x) <= aperture && std::fabs(q.y - p.y) <= aperture;
}

// The line's key point rule: the end, the start when strictly nearer, the midpoint when
// strictly nearer than both.
SnapSearch PlainObjectSnap(const std::vector<Segment>& segments, const Point& p, double aperture) {
  SnapSearch best;
  best.distance = aperture * kSqrt2;
  for (const Segment& s : segments) {
    Point key = s.b;
    double distance = Distance(s.b, p);
    const double toStart = Distance(s.a, p);
    if (toStart < distance) distance = toStart, key = s.a;
    const Point middle((s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2);
    const double toMiddle = Distance(middle, p);
    if (toMiddle < distance) distance = toMiddle, key = middle;
    if (InSquare(key, p, aperture) && distance < best.distance) {
      best.point = key, best.distance = distance, best.found = true;
    }
  }
  return best;
}

// Every pair, rejected by the boxes first as the line entity does.
SnapSearch PlainIntersectionSnap(const std::vector<Segment>& segments, const Point& p,
                                 double aperture) {
  SnapSearch best;
  best.distance = aperture * kSqrt2;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& s = segments[i];
    const double minX = std::min(s.a.x, s.b.x), maxX = std::max(s.a.x, s.b.x);
    const double minY = std::min(s.a.y, s.b.y), maxY = std::max(s.a.y, s.b.y);
    for (std::size_t j = i + 1; j < segments.size(); ++j) {
      const Segment& t = segments[j];
      if (std::max(t.a.x, t.b.x) < minX || std::min(t.a.x, t.b.x) > maxX ||
          std::max(t.a.y, t.b.y) < minY || std::min(t.a.y, t.b.y) > maxY)
        continue;
      Point crossing;
      // The entity asks the other line to intersect with it, so the second segment leads.
      if (!IntersectSegments(t.a, t.b, s.a, s.b, crossing)) continue;
      const double distance = Distance(crossing, p);
      if (InSquare(crossing, p, aperture) && distance < best.distance) {
        best.point = crossing, best.distance = distance, best.found = true;
      }
    }
  }
  return best;
}

// FindEntityAt's rule over plain segments: nearest within tolerance·√2, later wins ties.
int PlainFindAt(const std::vector<Segment>& segments, const Point& p, double tolerance) {
  double best = tolerance * kSqrt2;
  int hit = -1;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    Point nearest;
    const double distance = NearestOnSegment(segments[i].a, segments[i].b, p, nearest);
    if (distance <= best) best = distance, hit = static_cast<int>(i);
  }
  return hit;
}

// Accumulates the two timings of one benchmark and reports them with their ratio.
class PairTimer {
 public:
  template <class Run>
  auto TimeSnap(Run run) {
    const Clock::time_point start = Clock::now();
    auto result = run();
    snap_ += Clock::now() - start;
    return result;
  }
  template <class Run>
  auto TimePlain(Run run) {
    const Clock::time_point start = Clock::now();
    auto result = run();
    plain_ += Clock::now() - start;
    return result;
  }
  void Report(benchmark::State& state) const {
    const double iterations = static_cast<double>(state.iterations());
    const double snapMs = std::chrono::duration<double, std::milli>(snap_).count();
    const double plainMs = std::chrono::duration<double, std::milli>(plain_).count();
    state.counters["snap_ms"] = snapMs / iterations;
    state.counters["plain_ms"] = plainMs / iterations;
    state.counters["ratio_snap_to_plain"] = snapMs / plainMs;
  }

 private:
  Clock::duration snap_{};
  Clock::duration plain_{};
};

bool SameSearch(const SnapSearch& a, const SnapSearch& b) {
  return a.found == b.found && (!a.found || (a.point == b.point && a.distance == b.distance));
}

// Queries walk a diagonal of the square so that each iteration asks somewhere new.
Point QueryPoint(int iteration) {
  const double t = std::fmod(iteration * 37.25, 1000.0);
  return Point(t, 1000.0 - t);
}

// One cursor snap with object snap on.
void BM_ObjectSnapVsPlainLoop(benchmark::State& state) {
  const std::vector<Segment> segments =
      MakeSegments(static_cast<std::size_t>(state.range(0)), 500.0);
  const LineScene scene(segments);
  SnapSettings settings;
  settings.objectSnap = true;
  const double aperture = 10.0;
  PairTimer timer;
  int iteration = 0;
  for (auto _ : state) {
    const Point p = QueryPoint(iteration++);
    const CursorSnap snap = timer.TimeSnap(
        [&] { return SnapCursor(p, settings, scene.list, aperture, CursorStyle::Crosshair); });
    const SnapSearch plain =
        timer.TimePlain([&] { return PlainObjectSnap(segments, p, aperture); });
    benchmark::DoNotOptimize(snap);
    const bool agree = plain.found ? snap.kind == SnapKind::Object && snap.world == plain.point
                                   : snap.kind == SnapKind::None;
    if (!agree) state.SkipWithError("the two searches disagree");
  }
  timer.Report(state);
}
BENCHMARK(BM_ObjectSnapVsPlainLoop)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// One intersection search over every pair; segments up to 50 units long so that some cross
// near the cursor.
void BM_IntersectionSnapVsPlainLoop(benchmark::State& state) {
  const std::vector<Segment> segments =
      MakeSegments(static_cast<std::size_t>(state.range(0)), 50.0);
  const LineScene scene(segments);
  const double aperture = 20.0;
  PairTimer timer;
  int iteration = 0;
  for (auto _ : state) {
    const Point p = QueryPoint(iteration++);
    const SnapSearch snap =
        timer.TimeSnap([&] { return IntersectionSnap(scene.list, p, aperture); });
    const SnapSearch plain =
        timer.TimePlain([&] { return PlainIntersectionSnap(segments, p, aperture); });
    if (!SameSearch(snap, plain)) state.SkipWithError("the two searches disagree");
  }
  timer.Report(state);
  const double n = static_cast<double>(state.range(0));
  state.counters["pairs"] = n * (n - 1) / 2;
}
BENCHMARK(BM_IntersectionSnapVsPlainLoop)
    ->Arg(1'000)
    ->Arg(3'000)
    ->Arg(10'000)
    ->Unit(benchmark::kMillisecond);

// One pick under the pick box.
void BM_FindEntityAtVsPlainLoop(benchmark::State& state) {
  const std::vector<Segment> segments =
      MakeSegments(static_cast<std::size_t>(state.range(0)), 500.0);
  const LineScene scene(segments);
  std::vector<const Entity*> entities(scene.list.begin(), scene.list.end());
  const double tolerance = 2.0;
  PairTimer timer;
  int iteration = 0;
  for (auto _ : state) {
    const Point p = QueryPoint(iteration++);
    const Entity* hit = timer.TimeSnap([&] { return FindEntityAt(scene.list, p, tolerance); });
    const int plain = timer.TimePlain([&] { return PlainFindAt(segments, p, tolerance); });
    const Entity* expected = plain < 0 ? nullptr : entities[static_cast<std::size_t>(plain)];
    if (hit != expected) state.SkipWithError("the two searches disagree");
  }
  timer.Report(state);
}
BENCHMARK(BM_FindEntityAtVsPlainLoop)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvo
