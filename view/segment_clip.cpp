#include "view/segment_clip.h"

#include <cmath>

namespace korvo {

bool ClipSegmentToBox(const Point& a, const Point& b, const Point& low, const Point& high,
                      double& t0, double& t1) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
    return false;
  t0 = 0;
  t1 = 1;
  const double d[2] = {b.x - a.x, b.y - a.y};
  const double start[2] = {a.x, a.y};
  const double lows[2] = {low.x, low.y};
  const double highs[2] = {high.x, high.y};
  for (int axis = 0; axis < 2; ++axis) {
    if (d[axis] == 0) {
      if (start[axis] < lows[axis] || start[axis] > highs[axis]) return false;
      continue;
    }
    double enter = (lows[axis] - start[axis]) / d[axis];
    double leave = (highs[axis] - start[axis]) / d[axis];
    if (enter > leave) std::swap(enter, leave);
    if (enter > t0) t0 = enter;
    if (leave < t1) t1 = leave;
    if (t0 > t1) return false;
  }
  return true;
}

}  // namespace korvo

namespace korvo {
namespace {

// Moves p along the line through p and q onto the border it lies beyond; false when p is
// inside already.
bool MoveOntoBorder(Point& p, const Point& q, const Point& low, const Point& high) {
  if (p.x < low.x || p.x > high.x) {
    const double x = p.x < low.x ? low.x : high.x;
    p.y += (x - p.x) * ((q.y - p.y) / (q.x - p.x));
    p.x = x;
    return true;
  }
  if (p.y < low.y || p.y > high.y) {
    const double y = p.y < low.y ? low.y : high.y;
    p.x += (y - p.y) * ((q.x - p.x) / (q.y - p.y));
    p.y = y;
    return true;
  }
  return false;
}

bool Finite(const Point& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

bool ClipSegmentEnds(Point& a, Point& b, const Point& low, const Point& high) {
  // Each end crosses at most two borders before it is inside or shown to miss the box.
  for (int round = 0; round < 4; ++round) {
    if (!Finite(a) || !Finite(b)) return false;
    if ((a.x < low.x && b.x < low.x) || (a.x > high.x && b.x > high.x) ||
        (a.y < low.y && b.y < low.y) || (a.y > high.y && b.y > high.y))
      return false;
    if (!MoveOntoBorder(a, b, low, high) && !MoveOntoBorder(b, a, low, high)) return true;
  }
  return Finite(a) && Finite(b) && a.x >= low.x && a.x <= high.x && a.y >= low.y && a.y <= high.y &&
         b.x >= low.x && b.x <= high.x && b.y >= low.y && b.y <= high.y;
}

}  // namespace korvo
