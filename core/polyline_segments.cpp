#include "core/polyline_segments.h"

#include <cmath>
#include <utility>

#include "core/entity_list.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// Straight segments whose directions differ by less than this (radians) run on in one line:
// their edges meet nowhere near, so the joint keeps its square ends.
constexpr double kParallelTolerance = 1e-5;

// The arc over the chord a→b with the included angle 4·atan(bulge), bulge > 0 (counter-
// clockwise). With the chord length c the radius is c/4·(b + 1/b) and the centre lies
// c/4·(1/b − b) to the left of the chord's midpoint; written so that neither squares b.
std::unique_ptr<Entity> BuildArc(const Point& a, const Point& b, double bulge, double widthA,
                                 double widthB) {
  const double chord = Distance(a, b);
  const double offset = chord / 4 * (1 / bulge - bulge);
  const double direction = Angle(a, b) + kHalfPi;
  const Point middle((a.x + b.x) / 2, (a.y + b.y) / 2);
  const Point center(middle.x + offset * std::cos(direction),
                     middle.y + offset * std::sin(direction));
  const double radius = Distance(center, a);
  if (!std::isfinite(center.x) || !std::isfinite(center.y) || !std::isfinite(radius)) {
    return nullptr;
  }
  // Both ends seen from so far away that their directions agree: the arc is a straight line
  // or a whole circle at this precision, neither of which the two vertices describe.
  if (a != b && Angle(center, a) == Angle(center, b)) return nullptr;
  return std::make_unique<WideArcSegmentEntity>(center, a, b, widthA, widthB);
}

// The two edges of a straight segment on one side: side +1 left, −1 right.
struct Edge {
  Point from;
  Point to;
};

Edge EdgeOf(const WideLineSegmentEntity& s, double side) {
  const Point n = s.LeftNormal() * side;
  return {s.start + n * (s.startWidth / 2), s.end + n * (s.endWidth / 2)};
}

// Within reach: the point lies no farther from `anchor` (the edge's end at the joint) than
// the edge is long.
bool WithinReach(const Point& p, const Edge& edge, const Point& anchor) {
  return Distance(p, anchor) <= Distance(edge.from, edge.to) + kTolerance;
}

void JoinStraight(WideLineSegmentEntity& s1, WideLineSegmentEntity& s2) {
  s1.SquareEnd();
  s2.SquareStart();
  if (s2.startWidth == 0 || s1.endWidth == 0) return;
  const double a1 = NormalizeAngle(Angle(s1.start, s1.end) + kHalfPi);
  const double a2 = NormalizeAngle(Angle(s2.start, s2.end) + kHalfPi);
  if (std::fabs(a1 - a2) < kParallelTolerance || std::fabs(a2 - (a1 + kPi)) < kParallelTolerance ||
      std::fabs(a1 - (a2 + kPi)) < kParallelTolerance) {
    return;
  }
  Point joint[2];
  for (int i = 0; i < 2; ++i) {
    const double side = i == 0 ? 1.0 : -1.0;
    const Edge e1 = EdgeOf(s1, side);
    const Edge e2 = EdgeOf(s2, side);
    if (!IntersectSegments(e1.from, e1.to, e2.from, e2.to, joint[i], SegmentMode::Lines)) return;
    if (!WithinReach(joint[i], e1, e1.to) || !WithinReach(joint[i], e2, e2.from)) return;
  }
  s1.outlineCorners[Corner::EndLeft] = s2.outlineCorners[Corner::StartLeft] = joint[0];
  s1.outlineCorners[Corner::EndRight] = s2.outlineCorners[Corner::StartRight] = joint[1];
}

// The straight segment's corners at its joint with the arc move onto the arc's radial line
// through the arc end at the joint, so that the band meets the arc band without a notch.
void JoinStraightToArc(WideLineSegmentEntity& line, const WideArcSegmentEntity& arc,
                       bool lineFirst) {
  if (line.startWidth != line.endWidth || arc.startWidth != arc.endWidth) return;
  // A thin line has its corners on its ends already.
  if (line.startWidth == 0) return;
  const Point jointEnd = lineFirst ? line.end : line.start;
  const Point arcStart = arc.StartPoint();
  const Point arcEnd = arc.EndPoint();
  const Point arcJoint =
      Distance(arcStart, jointEnd) <= Distance(arcEnd, jointEnd) ? arcStart : arcEnd;
  Point corner[2];
  for (int i = 0; i < 2; ++i) {
    const Edge edge = EdgeOf(line, i == 0 ? 1.0 : -1.0);
    if (!IntersectSegments(edge.from, edge.to, arc.center, arcJoint, corner[i],
                           SegmentMode::Lines)) {
      return;
    }
    if (!WithinReach(corner[i], edge, lineFirst ? edge.to : edge.from)) return;
  }
  if (lineFirst) {
    line.outlineCorners[Corner::EndLeft] = corner[0];
    line.outlineCorners[Corner::EndRight] = corner[1];
  } else {
    line.outlineCorners[Corner::StartLeft] = corner[0];
    line.outlineCorners[Corner::StartRight] = corner[1];
  }
}

}  // namespace

std::unique_ptr<Entity> BuildSegment(const VertexEntity& a, const VertexEntity& b) {
  if (a.IsControlPoint() || b.IsControlPoint()) return nullptr;
  if (a.bulge != 0) {
    // A negative bulge runs clockwise: swap the ends so every arc segment runs CCW.
    std::unique_ptr<Entity> arc =
        a.bulge > 0 ? BuildArc(a.position, b.position, a.bulge, a.startWidth, a.endWidth)
                    : BuildArc(b.position, a.position, -a.bulge, a.endWidth, a.startWidth);
    if (arc) return arc;
  }
  return std::make_unique<WideLineSegmentEntity>(a.position, b.position, a.startWidth, a.endWidth);
}

void JoinSegments(Entity& previous, Entity& next) {
  WideLineSegmentEntity* line1 = previous.AsWideLineSegment();
  WideLineSegmentEntity* line2 = next.AsWideLineSegment();
  if (line1 && line2) return JoinStraight(*line1, *line2);
  const WideArcSegmentEntity* arc1 = previous.AsWideArcSegment();
  const WideArcSegmentEntity* arc2 = next.AsWideArcSegment();
  if (line1 && arc2) return JoinStraightToArc(*line1, *arc2, true);
  if (arc1 && line2) return JoinStraightToArc(*line2, *arc1, false);
}

void BuildPolylineSegments(const EntityList& vertexList, bool closed, EntityList& segmentList) {
  const VertexEntity* first = nullptr;
  const VertexEntity* last = nullptr;
  const VertexEntity* previous = nullptr;
  for (Entity* entity : vertexList) {
    const VertexEntity* vertex = entity->AsVertex();
    if (vertex == nullptr || vertex->IsControlPoint()) continue;
    if (first == nullptr) first = vertex;
    if (previous != nullptr) {
      segmentList.AddTail(BuildSegment(*previous, *vertex).release());
      last = vertex;
    }
    previous = vertex;
  }
  if (closed && first != nullptr && last != nullptr) {
    segmentList.AddTail(BuildSegment(*last, *first).release());
  }
  if (segmentList.empty()) return;
  if (WideLineSegmentEntity* head = segmentList.Head()->AsWideLineSegment()) head->SquareStart();
  Entity* before = nullptr;
  for (Entity* segment : segmentList) {
    if (before != nullptr) JoinSegments(*before, *segment);
    before = segment;
  }
  if (WideLineSegmentEntity* tail = segmentList.Tail()->AsWideLineSegment()) tail->SquareEnd();
  if (closed) JoinSegments(*segmentList.Tail(), *segmentList.Head());
}

double BulgeFromCenter(const Point& center, const Point& start, const Point& end, ArcTurn turn) {
  const bool clockwise = turn == ArcTurn::Clockwise;
  const double s = Angle(center, start);
  const double e = Angle(center, end);
  // The included angle in the direction of travel, within one turn.
  double included = clockwise ? s - e : e - s;
  if (included < 0) included += kTwoPi;
  const double bulge = std::tan(included / 4);
  return clockwise ? -bulge : bulge;
}

double ArcVertexBulge(int mode, const Point& start, const Point& reference, const Point& end) {
  if (mode == static_cast<int>(ArcVertexMode::Center)) {
    return BulgeFromCenter(reference, start, end, ArcTurn::CounterClockwise);
  }
  if (mode != static_cast<int>(ArcVertexMode::Tangent)) return 0;
  // The centre lies on the normal at the start and on the chord's perpendicular bisector:
  // at the signed distance c / (2·cos δ) along the normal, δ the angle between the chord
  // and the normal.
  const double normal = Angle(reference, start) + kHalfPi;
  const double chord = Angle(start, end);
  const double cosine = std::cos(chord - normal);
  // |cos δ| is how far the chord turns from the tangent: along it there is no circle.
  if (std::fabs(cosine) <= kTolerance) return 0;
  const double reach = Distance(start, end) / (2 * cosine);
  const Point center(start.x + reach * std::cos(normal), start.y + reach * std::sin(normal));
  const bool clockwise = std::sin(Angle(reference, start) - chord) > 0;
  return BulgeFromCenter(center, start, end,
                         clockwise ? ArcTurn::Clockwise : ArcTurn::CounterClockwise);
}

}  // namespace korvo
