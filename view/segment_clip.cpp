#include "view/segment_clip.h"

#include <algorithm>
#include <cmath>

namespace korvo {
namespace {

// Narrows [t0, t1] to the parameters at which start + step·t lies in the box
// (Liang-Barsky); false when nothing is left.
bool NarrowToBox(const Point& start, const Point& step, const Point& low, const Point& high,
                 double& t0, double& t1) {
  const double from[2] = {start.x, start.y};
  const double along[2] = {step.x, step.y};
  const double lows[2] = {low.x, low.y};
  const double highs[2] = {high.x, high.y};
  for (int axis = 0; axis < 2; ++axis) {
    if (along[axis] == 0) {
      if (from[axis] < lows[axis] || from[axis] > highs[axis]) return false;
      continue;
    }
    double enter = (lows[axis] - from[axis]) / along[axis];
    double leave = (highs[axis] - from[axis]) / along[axis];
    if (enter > leave) std::swap(enter, leave);
    t0 = std::max(t0, enter);
    t1 = std::min(t1, leave);
    if (t0 > t1) return false;
  }
  return true;
}

bool Finite(const Point& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

bool Inside(const Point& p, const Point& low, const Point& high) {
  return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y;
}

// u·v - w·z with one rounding: the products' own rounding errors are recovered by fused
// multiply-adds, so that two nearly equal products still leave a true difference.
double DifferenceOfProducts(double u, double v, double w, double z) {
  const double wz = w * z;
  const double error = std::fma(-w, z, wz);
  return std::fma(u, v, -wz) + error;
}

// The point of the line through a and b nearest to `center`. The line's distance from it is
// taken from the exact cross product of the ends, not from a difference of huge coordinates:
// a line from (-1e300, 1e300) to (1e300, -1e300) passes through the origin exactly.
Point NearestPointOfLine(const Point& a, const Point& b, const Point& center) {
  const Point p = a - center, q = b - center;
  const Point d = q - p;
  // cross(d, p) = cross(q, p), which needs no rounded difference of the ends.
  const double offset = DifferenceOfProducts(q.x, p.y, q.y, p.x) / Dot(d, d);
  return center + Point(-d.y * offset, d.x * offset);
}

// Clips with the coordinates of a and b below 1 in magnitude, so that no difference or
// product of them overflows.
bool ClipScaled(Point& a, Point& b, const Point& low, const Point& high) {
  const Point d = b - a;
  const double length = std::hypot(d.x, d.y);
  if (!(length > 0)) return false;
  const Point u(d.x / length, d.y / length);
  // Positions along the line are measured from a point near the box: from an end inside
  // it, else from the point nearest its centre. Measured from a far end, a border crossing
  // would be the small difference of two huge numbers and lose its digits.
  const Point anchor = Inside(a, low, high)   ? a
                       : Inside(b, low, high) ? b
                                              : NearestPointOfLine(a, b, (low + high) * 0.5);
  if (!Finite(anchor)) return false;
  const double ta = Dot(u, a - anchor), tb = Dot(u, b - anchor);
  double t0 = ta, t1 = tb;
  if (!NarrowToBox(anchor, u, low, high, t0, t1)) return false;
  // Ends inside stay exactly where they were; the others land on the border, pulled in
  // where rounding left them a hair outside.
  const auto onBorder = [&](double t) {
    const Point p = anchor + u * t;
    return Point(std::clamp(p.x, low.x, high.x), std::clamp(p.y, low.y, high.y));
  };
  if (!Inside(a, low, high)) a = onBorder(t0);
  if (!Inside(b, low, high)) b = onBorder(t1);
  return true;
}

}  // namespace

bool ClipSegmentToBox(const Point& a, const Point& b, const Point& low, const Point& high,
                      double& t0, double& t1) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
    return false;
  t0 = 0;
  t1 = 1;
  return NarrowToBox(a, b - a, low, high, t0, t1);
}

bool ClipSegmentEnds(Point& a, Point& b, const Point& low, const Point& high) {
  if (!Finite(a) || !Finite(b)) return false;
  if (Inside(a, low, high) && Inside(b, low, high)) return true;
  // Scaling by a power of two is exact, so the clip is the same as without it.
  const double largest = std::max({std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y)});
  int exponent = 0;
  std::frexp(largest, &exponent);
  exponent = std::max(exponent, 0);
  const auto scale = [](const Point& p, int e) {
    return Point(std::ldexp(p.x, e), std::ldexp(p.y, e));
  };
  Point sa = scale(a, -exponent), sb = scale(b, -exponent);
  if (!ClipScaled(sa, sb, scale(low, -exponent), scale(high, -exponent))) return false;
  a = scale(sa, exponent);
  b = scale(sb, exponent);
  return true;
}

}  // namespace korvo
