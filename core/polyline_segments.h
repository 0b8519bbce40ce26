#pragma once

#include <memory>

#include "core/entity.h"
#include "geometry/point.h"

namespace korvo {

class EntityList;
class VertexEntity;

// The segment from vertex `a` to vertex `b`: a wide straight segment when a's bulge is 0,
// else a wide arc segment that always runs counter-clockwise (a negative bulge exchanges
// the ends and the widths). Null when either vertex is a spline frame control point. A
// bulge that describes no drawable arc (not finite, or so flat or so large that the arc's
// centre or radius overflows) gives the straight segment.
std::unique_ptr<Entity> BuildSegment(const VertexEntity& a, const VertexEntity& b);

// Shapes the joint where `previous` ends and `next` starts: two straight segments get a
// mitre when both edges meet within reach, a straight segment next to an arc gets its
// joint corners on the arc's radial line, two arcs stay as they are.
void JoinSegments(Entity& previous, Entity& next);

// Appends the segments of `vertexList` to `segmentList` (which the caller emptied), squares
// the open ends and joins every joint. Control points are skipped; `closed` adds the
// segment from the last vertex that ended a segment back to the first ordinary vertex.
void BuildPolylineSegments(const EntityList& vertexList, bool closed, EntityList& segmentList);

// Which way an arc runs from its start to its end.
enum class ArcTurn { CounterClockwise, Clockwise };

// The bulge of the arc about `center` from `start` to `end` turning as `turn` says; a
// clockwise arc has a negative bulge.
double BulgeFromCenter(const Point& center, const Point& start, const Point& end, ArcTurn turn);

// How AppendArcVertex reads its reference point.
enum class ArcVertexMode {
  // The arc continues the direction from the reference through the start.
  Tangent = 1,
  // The reference is the arc's centre; the arc runs counter-clockwise.
  Center = 2,
};

// The bulge of the arc from `start` to `end` given by `reference` in `mode`; 0 when the
// chord runs along the tangent (no arc) or the mode is unknown.
double ArcVertexBulge(int mode, const Point& start, const Point& reference, const Point& end);

}  // namespace korvo
