#pragma once

#include <optional>

#include "geometry/point.h"

namespace korvo {

class PolylineEntity;

// A straight segment of a polyline: it runs from vertex `index` to the next vertex (the
// first one again for the closing segment of a closed polyline).
struct PolylineSegment {
  int index = 0;
  Point start;
  Point end;
};

// The straight segment nearest to `p`; none when the polyline has no straight segment or
// is spline-fitted (its vertices are not its shape).
std::optional<PolylineSegment> NearestStraightSegment(const PolylineEntity& polyline,
                                                      const Point& p);

// How many vertices the polyline has.
int VertexCount(const PolylineEntity& polyline);

// The vertex a segment ends at.
int SegmentEndVertex(const PolylineEntity& polyline, const PolylineSegment& segment);

// How many segments the polyline has: one less than its vertices, or as many when closed.
int SegmentCount(const PolylineEntity& polyline);

// Moves vertex `index` to `at`; segments are rebuilt.
void MoveVertex(PolylineEntity& polyline, int index, const Point& at);

// Replaces vertex `index` by two: itself moved to `first` and a copy of it at `second`
// right after it, joined by a straight segment; segments are rebuilt.
void SplitVertex(PolylineEntity& polyline, int index, const Point& first, const Point& second);

}  // namespace korvo
