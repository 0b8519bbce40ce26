#pragma once

#include <span>

#include "geometry/curve_geometry.h"
#include "geometry/point.h"

namespace korvo {

// An axis-parallel rectangle x1 <= x <= x2, y1 <= y <= y2, bounds included.
struct WorldRect {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;

  bool Contains(const Point& p) const { return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2; }
};

// Whether segment a–b (a point when a = b) touches or lies inside the rectangle.
bool SegmentTouchesRect(const Point& a, const Point& b, const WorldRect& rect);

// Whether the filled polygon (even-odd rule, closed from its last corner to its first)
// touches the rectangle: an edge touches it, or the rectangle lies inside the polygon.
bool FilledPolygonTouchesRect(std::span<const Point> corners, const WorldRect& rect);

// Whether the curve, or its arc from parameter `start` to `end` when `range` is given,
// touches the rectangle: a point of it lies inside, or it meets an edge.
bool CurveTouchesRect(const CurveFrame& curve, const ParameterRange* range, const WorldRect& rect);

}  // namespace korvo
