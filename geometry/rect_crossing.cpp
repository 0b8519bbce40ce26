#include "geometry/rect_crossing.h"

#include <cmath>

#include "geometry/curve_intersection.h"

namespace korvo {

bool SegmentTouchesRect(const Point& a, const Point& b, const WorldRect& rect) {
  // Clip the parameter range [0, 1] of a + t·(b − a) against the four sides in turn; the
  // segment touches when something is left.
  const Point d = b - a;
  double low = 0;
  double high = 1;
  const auto clip = [&](double p, double q) {
    // p·t <= q must hold.
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > high) return false;
      if (t > low) low = t;
    } else {
      if (t < low) return false;
      if (t < high) high = t;
    }
    return true;
  };
  if (!(std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(b.x) && std::isfinite(b.y)))
    return false;
  return clip(-d.x, a.x - rect.x1) && clip(d.x, rect.x2 - a.x) && clip(-d.y, a.y - rect.y1) &&
         clip(d.y, rect.y2 - a.y);
}

namespace {

// Even-odd: a ray from p towards +x crosses the outline an odd number of times.
bool InsidePolygon(std::span<const Point> corners, const Point& p) {
  bool inside = false;
  for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const Point& a = corners[i];
    const Point& b = corners[j];
    if ((a.y > p.y) != (b.y > p.y)) {
      const double x = a.x + (p.y - a.y) / (b.y - a.y) * (b.x - a.x);
      if (p.x < x) inside = !inside;
    }
  }
  return inside;
}

}  // namespace

bool FilledPolygonTouchesRect(std::span<const Point> corners, const WorldRect& rect) {
  if (corners.empty()) return false;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point& next = corners[(i + 1) % corners.size()];
    if (SegmentTouchesRect(corners[i], next, rect)) return true;
  }
  // No edge touches the rectangle: it lies wholly inside the polygon or wholly outside.
  return InsidePolygon(corners, Point(rect.x1, rect.y1));
}

bool CurveTouchesRect(const CurveFrame& curve, const ParameterRange* range, const WorldRect& rect) {
  // A curve that touches the rectangle without meeting an edge lies inside it, and so does
  // any of its points.
  const Point first = curve.PointAt(range != nullptr ? range->s : 0);
  if (rect.Contains(first)) return true;
  const Point corners[4] = {
      {rect.x1, rect.y1}, {rect.x2, rect.y1}, {rect.x2, rect.y2}, {rect.x1, rect.y2}};
  for (int i = 0; i < 4; ++i) {
    PointList points;
    if (IntersectCurveWithSegment(curve, range, corners[i], corners[(i + 1) % 4], points) > 0)
      return true;
  }
  return false;
}

}  // namespace korvo
