#include "commands/trim_entity.h"

#include "commands/break_entity.h"
#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

struct CutPoints {
  Point first;
  Point second;
};

// Among the intersections no farther from an end than the tap, the one nearest to the tap;
// the end itself when there is none. Ties go to the later intersection.
Point NearestTowards(const Point& end, const Point& t, const PointList& intersections) {
  Point chosen = end;
  double best = Distance(end, t);
  const double reach = Distance(end, t);
  for (const Point& p : intersections) {
    if (Distance(end, p) > reach) continue;
    const double d = Distance(p, t);
    if (d <= best) {
      chosen = p;
      best = d;
    }
  }
  return chosen;
}

CutPoints LineCut(const LineEntity& line, const Point& t, const PointList& intersections) {
  return {NearestTowards(line.start, t, intersections), NearestTowards(line.end, t, intersections)};
}

// Parameter distance of `p` from `start` along the curve, in [0, 2π); a point within
// rounding of a whole turn is at the start.
double FromStart(const CurveFrame& frame, double start, const Point& p) {
  const Point q = frame.ToUnit(p);
  double d = NormalizeAngle(SafeAtan2(q.y, q.x) - start);
  if (d >= kTwoPi - 1e-9) d = 0;
  return d;
}

// For the arc of `frame` from `start` to `end`: the nearest intersection behind the tap
// (measured from the start) and the nearest ahead of it (measured back from the end).
CutPoints CurveCut(const CurveFrame& frame, double start, double end, const Point& t,
                   const PointList& intersections) {
  const double span = end - start;
  const double tFromStart = FromStart(frame, start, t);
  const double tFromEnd = span - tFromStart;
  CutPoints cut{frame.PointAt(start), frame.PointAt(end)};
  double bestBehind = 0, bestAhead = 0;
  for (const Point& p : intersections) {
    const double fromStart = FromStart(frame, start, p);
    if (fromStart <= tFromStart && fromStart >= bestBehind) {
      cut.first = p;
      bestBehind = fromStart;
    }
    const double fromEnd = span - fromStart;
    if (fromEnd <= tFromEnd && fromEnd >= bestAhead) {
      cut.second = p;
      bestAhead = fromEnd;
    }
  }
  return cut;
}

}  // namespace

bool TrimEntity(Drawing& drawing, View* view, Entity& entity, const Point& tap,
                const PointList& intersections) {
  Point t;
  if (entity.NearestPoint(tap, t) == kNoDistance) return false;
  CutPoints cut;
  switch (entity.GetElementCode()) {
    case ElementCode::Line:
      cut = LineCut(*entity.AsLine(), t, intersections);
      break;
    case ElementCode::Circle: {
      if (intersections.empty()) return false;
      const CurveFrame frame = entity.AsCircle()->Frame();
      const Point q = frame.ToUnit(intersections.front());
      const double start = SafeAtan2(q.y, q.x);
      cut = CurveCut(frame, start, start + kTwoPi, t, intersections);
      break;
    }
    case ElementCode::Arc:
    case ElementCode::Ellipse: {
      const ArcEntity& arc = *entity.AsArc();
      cut = CurveCut(arc.Frame(), arc.startAngle, arc.endAngle, t, intersections);
      break;
    }
    default:
      return false;
  }
  return BreakEntity(drawing, view, entity, cut.first, cut.second, BreakPoints::Two);
}

}  // namespace korvo
