#include "plugin/commandset/trace_geometry.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "plugin/commandset/plane_vector.h"

namespace korvo::commandset::editing {

namespace {

constexpr double kSameNormal = 1e-13;

// The point where the line through p along d meets the line through q along e.
std::optional<PluginPoint> IntersectLines(PluginPoint p, PluginPoint d, PluginPoint q,
                                          PluginPoint e) {
  const double denominator = d.x * e.y - d.y * e.x;
  if (denominator == 0) return std::nullopt;
  const PluginPoint w = q - p;
  const double t = (w.x * e.y - w.y * e.x) / denominator;
  return p + t * d;
}

bool Near(PluginPoint u, PluginPoint v) {
  return std::fabs(u.x - v.x) <= kSameNormal && std::fabs(u.y - v.y) <= kSameNormal;
}

}  // namespace

PluginPoint HalfWidthNormal(PluginPoint a, PluginPoint b, double width) {
  return Polar(width / 2, DirectionFrom(a, b) + std::numbers::pi / 2);
}

TraceCorners SegmentCorners(PluginPoint a, PluginPoint b, double width) {
  const PluginPoint n = HalfWidthNormal(a, b, width);
  return {a + n, a - n, b + n, b - n};
}

TraceTurn ClassifyTurn(PluginPoint a, PluginPoint b, PluginPoint c, double width) {
  const PluginPoint n1 = HalfWidthNormal(a, b, width);
  const PluginPoint n2 = HalfWidthNormal(b, c, width);
  if (Near(n1, n2) || Near(n1, -n2)) return TraceTurn::Straight;
  // Turn the chain about a so that a-b lies along the x axis; the direction of the turned
  // b-c is then the turn itself.
  const double phi = DirectionFrom(a, b);
  const PluginPoint turnedB = Turned(b - a, -phi);
  const PluginPoint turnedC = Turned(c - a, -phi);
  const double turn = DirectionFrom(turnedB, turnedC);
  return turn > std::numbers::pi / 2 || turn < -std::numbers::pi / 2 ? TraceTurn::Sharp
                                                                     : TraceTurn::Normal;
}

void JoinTraceSegments(PluginPoint a, PluginPoint b, PluginPoint c, double width,
                       TraceCorners& first, TraceCorners& second) {
  const PluginPoint n1 = HalfWidthNormal(a, b, width);
  const PluginPoint n2 = HalfWidthNormal(b, c, width);
  const PluginPoint d1 = b - a;
  const PluginPoint d2 = c - b;
  const TraceTurn turn = ClassifyTurn(a, b, c, width);
  std::optional<PluginPoint> x;
  std::optional<PluginPoint> y;
  if (turn == TraceTurn::Normal) {
    x = IntersectLines(a + n1, d1, b + n2, d2);  // left with left
    y = IntersectLines(a - n1, d1, b - n2, d2);  // right with right
  } else if (turn == TraceTurn::Sharp) {
    x = IntersectLines(a + n1, d1, b - n2, d2);  // left of a-b with right of b-c
    y = IntersectLines(a - n1, d1, b + n2, d2);  // right of a-b with left of b-c
  }
  if (!x || !y) {
    // No edge meets the other: each shape keeps square corners at b, one on each side of
    // its own centre line.
    first.endLeft = b + n1;
    first.endRight = b - n1;
    second.startLeft = b + n2;
    second.startRight = b - n2;
    return;
  }
  first.endLeft = *x;
  first.endRight = *y;
  if (turn == TraceTurn::Normal) {
    second.startLeft = *x;
    second.startRight = *y;
  } else {
    // Past a right angle the next segment runs back, so its left side faces a-b's right.
    second.startLeft = *y;
    second.startRight = *x;
  }
}

}  // namespace korvo::commandset::editing
