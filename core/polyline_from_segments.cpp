#include "core/polyline_from_segments.h"

#include <algorithm>
#include <vector>

#include "core/entity_list.h"
#include "core/polyline_entity.h"
#include "core/polyline_segments.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// A segment as the path walks it.
struct Step {
  Point from;
  Point to;
  double fromWidth = 0;
  double toWidth = 0;
  double bulge = 0;
};

// How far `p` lies from where the next segment can be entered: a straight segment is
// walked from its start, an arc from either end.
double DistanceToEntry(const Entity& segment, const Point& p) {
  if (const WideLineSegmentEntity* line = segment.AsWideLineSegment()) {
    return Distance(p, line->start);
  }
  const ArcEntity* arc = segment.AsArc();
  return std::min(Distance(p, arc->StartPoint()), Distance(p, arc->EndPoint()));
}

// The first segment learns its direction from the next one; every later one continues
// from where the path left the one before, which keeps the chain connected even where an
// arc touches its neighbour at both ends.
Step Walk(const Entity& segment, const Entity* next, const Point* previousExit) {
  if (const WideLineSegmentEntity* line = segment.AsWideLineSegment()) {
    return {line->start, line->end, line->startWidth, line->endWidth, 0};
  }
  const WideArcSegmentEntity& arc = *segment.AsWideArcSegment();
  const Point start = arc.StartPoint();
  const Point end = arc.EndPoint();
  // Counter-clockwise unless the path enters by the arc's end or leaves by its start.
  bool clockwise = false;
  if (previousExit != nullptr) {
    clockwise = Distance(*previousExit, end) < Distance(*previousExit, start);
  } else if (next != nullptr) {
    clockwise = DistanceToEntry(*next, start) < DistanceToEntry(*next, end);
  }
  const double bulge = BulgeFromCenter(arc.center, start, end, ArcTurn::CounterClockwise);
  if (clockwise) return {end, start, arc.endWidth, arc.startWidth, -bulge};
  return {start, end, arc.startWidth, arc.endWidth, bulge};
}

}  // namespace

bool AppendVerticesFromSegments(const EntityList& segments, bool closed, PolylineEntity& polyline) {
  const std::vector<const Entity*> list(segments.begin(), segments.end());
  for (const Entity* segment : list) {
    if (!segment->AsWideLineSegment() && !segment->AsWideArcSegment()) return false;
  }
  const std::size_t n = list.size();
  Step last;
  for (std::size_t i = 0; i < n; ++i) {
    const Entity* next = n > 1 ? list[(i + 1) % n] : nullptr;
    last = Walk(*list[i], next, i > 0 ? &last.to : nullptr);
    polyline.AppendVertex(last.from, last.fromWidth, last.toWidth, last.bulge, 0, 0);
  }
  // A single open segment needs its end as much as a longer chain does.
  if (!closed && n >= 1) polyline.AppendVertex(last.to, last.toWidth, last.toWidth, 0, 0, 0);
  return true;
}

}  // namespace korvo
