#include "geometry/curve_geometry.h"

#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"

namespace korvo {

Point CurveFrame::PointAt(double t) const {
  const double c = std::cos(rotation);
  const double s = std::sin(rotation);
  const double lx = radius * std::cos(t);
  const double ly = radius * ratio * std::sin(t);
  return {center.x + c * lx - s * ly, center.y + s * lx + c * ly};
}

Point CurveFrame::ToUnit(const Point& p) const {
  const double c = std::cos(rotation);
  const double s = std::sin(rotation);
  const double dx = p.x - center.x;
  const double dy = p.y - center.y;
  const double ly = c * dy - s * dx;
  // A point on the major axis stays there even when the curve is flat (ratio 0).
  return {c * dx + s * dy, ly == 0 ? 0.0 : ly / ratio};
}

Point CurveFrame::FromUnit(const Point& q) const {
  const double c = std::cos(rotation);
  const double s = std::sin(rotation);
  const double ly = q.y * ratio;
  return {center.x + c * q.x - s * ly, center.y + s * q.x + c * ly};
}

void NormalizeAngles(double& start, double& end) {
  start = std::fmod(start, kTwoPi);
  end = std::fmod(end, kTwoPi);
  if (start > kPi) start -= kTwoPi;
  if (end > kPi) end -= kTwoPi;
  // fmod keeps the sign, so the two angles can still lie more than a turn apart: an end
  // more than a turn below the start needs a second turn (start 2, end −5), and an end more
  // than a turn above it one turn less (start −3.5, end 3).
  if (end < start) end += kTwoPi;
  if (end < start) end += kTwoPi;
  if (end - start > kTwoPi) end -= kTwoPi;
  if (end > kTwoPi) {
    start -= kTwoPi;
    end -= kTwoPi;
  }
}

namespace {

// How far from one turn the span of a full curve may come through rounding.
constexpr double kFullTurnTolerance = 1e-12;

}  // namespace

bool IsFullTurn(double start, double end) {
  return std::fabs(end - start - kTwoPi) <= kFullTurnTolerance;
}

ParameterRange ParameterRange::Of(double start, double end) {
  ParameterRange range;
  range.s = NormalizeAngle(start);
  // Reducing both ends of a full turn separately can leave them a rounding step apart.
  if (IsFullTurn(start, end)) {
    range.e = range.s + kTwoPi;
    return range;
  }
  range.e = NormalizeAngle(end);
  if (range.e <= range.s) range.e += kTwoPi;
  return range;
}

bool ParameterRange::Contains(double a, double tolerance) const {
  double reduced = NormalizeAngle(a);
  if (reduced < s) reduced += kTwoPi;
  if (reduced >= s && reduced <= e) return true;
  // Distances around the circle: a direction a hair below 0 is next to an end at 0.
  const auto near = [&](double end) {
    const double gap = NormalizeAngle(a - end);
    return std::min(gap, kTwoPi - gap) < tolerance;
  };
  return near(s) || near(e);
}

namespace {

// The search for the farthest image point stops when a probe's distance is near the best
// one; it is bounded so that degenerate curves (zero radius, NaN) cannot keep it going.
constexpr int kSearchLimit = 200;

// The parameter whose scaled image lies farthest from `center`: a hill climb that starts at
// 0 with steps of π/4, and after every probe that is not better turns back from the best
// parameter with half the step.
Point FarthestImagePoint(const CurveFrame& curve, const Scaling& scaling, const Point& center) {
  double bestT = 0;
  Point bestPoint = scaling.Apply(curve.PointAt(0));
  double best = Distance(bestPoint, center);
  double step = kPi / 4;
  for (int i = 0; i < kSearchLimit; ++i) {
    const double t = bestT + step;
    const Point image = scaling.Apply(curve.PointAt(t));
    const double d = Distance(image, center);
    if (d >= best) {
      best = d;
      bestPoint = image;
      bestT = t;
    } else {
      step *= -0.5;
      if (AreNear(best, d)) break;
    }
  }
  return bestPoint;
}

}  // namespace

CurveFrame ScaleCurveNonUniform(const CurveFrame& curve, const Scaling& scaling) {
  CurveFrame result;
  result.center = scaling.Apply(curve.center);
  if (std::fabs(scaling.sx) == std::fabs(scaling.sy)) {
    // A mirror keeps the shape: the major axis stays the image of the old one.
    const Point axisEnd = scaling.Apply(curve.PointAt(0));
    result.radius = Distance(result.center, axisEnd);
    result.rotation = Angle(result.center, axisEnd);
    result.ratio = curve.ratio;
    return result;
  }
  const Point major = FarthestImagePoint(curve, scaling, result.center);
  result.radius = Distance(result.center, major);
  result.rotation = Angle(result.center, major);
  // A line through the centre maps to a line through the centre, so the curve point in
  // the direction perpendicular to the new major axis is found through the unit frame.
  // Mapped back, the direction (ux, uy) becomes (ux / sx, uy / sy); it is taken as
  // (ux·sy, uy·sx), which is parallel and needs no division by a zero factor. Turning it
  // half round finds the opposite curve point, at the same distance.
  const double perpendicular = result.rotation + kHalfPi;
  const Point back = curve.center + Point(std::cos(perpendicular) * scaling.sy,
                                          std::sin(perpendicular) * scaling.sx);
  const Point unit = curve.ToUnit(back);
  const double phi = SafeAtan2(unit.y, unit.x);
  const double minor = Distance(scaling.Apply(curve.PointAt(phi)), result.center);
  result.ratio = result.radius != 0 ? minor / result.radius : curve.ratio;
  return result;
}

namespace {

// Whether `a`, or `a` shifted by whole turns, lies in [start, end].
bool InArc(double a, double start, double end) {
  return start + NormalizeAngle(a - start) <= end;
}

}  // namespace

void ArcBox(const CurveFrame& curve, double start, double end, Point& min, Point& max) {
  const Point ps = curve.PointAt(start);
  const Point pe = curve.PointAt(end);
  min = Point(std::min(ps.x, pe.x), std::min(ps.y, pe.y));
  max = Point(std::max(ps.x, pe.x), std::max(ps.y, pe.y));
  // x(t) − cx = radius·A·cos(t − tx) and y(t) − cy = radius·B·cos(t − ty): the curve
  // reaches its extremes at tx, tx + π, ty and ty + π. For a circle without rotation these
  // are the axis directions 0, π, π/2 and 3π/2.
  const double c = std::cos(curve.rotation);
  const double s = std::sin(curve.rotation);
  const double tx = std::atan2(-curve.ratio * s, c);
  const double ty = std::atan2(curve.ratio * c, s);
  const double reachX = curve.radius * std::hypot(c, curve.ratio * s);
  const double reachY = curve.radius * std::hypot(s, curve.ratio * c);
  const auto widenX = [&](double x) {
    min.x = std::min(min.x, x);
    max.x = std::max(max.x, x);
  };
  const auto widenY = [&](double y) {
    min.y = std::min(min.y, y);
    max.y = std::max(max.y, y);
  };
  if (InArc(tx, start, end)) widenX(curve.center.x + reachX);
  if (InArc(tx + kPi, start, end)) widenX(curve.center.x - reachX);
  if (InArc(ty, start, end)) widenY(curve.center.y + reachY);
  if (InArc(ty + kPi, start, end)) widenY(curve.center.y - reachY);
}

}  // namespace korvo
