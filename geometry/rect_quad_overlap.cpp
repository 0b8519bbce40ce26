#include "geometry/rect_quad_overlap.h"

#include <algorithm>
#include <limits>

namespace korvo {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

bool RectOverlapsQuad(double x1, double y1, double x2, double y2, const Point (&quad)[4]) {
  const auto separated = [&](const Point& axis) {
    const Point rect[4] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    double rectMin = kInfinity, rectMax = -kInfinity, quadMin = kInfinity, quadMax = -kInfinity;
    for (int i = 0; i < 4; ++i) {
      const double r = Dot(rect[i], axis);
      const double q = Dot(quad[i], axis);
      rectMin = std::min(rectMin, r), rectMax = std::max(rectMax, r);
      quadMin = std::min(quadMin, q), quadMax = std::max(quadMax, q);
    }
    return quadMax < rectMin || quadMin > rectMax;
  };
  if (separated({1, 0}) || separated({0, 1})) return false;
  for (int i = 0; i < 2; ++i) {
    const Point edge = quad[i + 1] - quad[i];
    // An edge of a frame without width or height has no direction; the other edge's normal
    // is then the only axis a segment needs.
    if (edge == Point()) continue;
    if (separated(Perpendicular(edge))) return false;
  }
  return true;
}

}  // namespace korvo
