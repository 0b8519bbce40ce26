#include "geometry/curve_intersection.h"

#include <cmath>
#include <utility>

#include "geometry/geometry.h"

namespace korvo {
namespace {

bool IsFinite(const Point& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// The parameter of a unit-frame point; a negative radius puts parameter t opposite t.
double ParameterOf(const Point& unit, double radius) {
  const double a = SafeAtan2(unit.y, unit.x);
  return radius < 0 ? a + kPi : a;
}

// The points of the infinite line through a–b on the circle of `radius` about the origin,
// in order along the line from a; for a = b the point of the circle nearest to a.
int LineCircleCandidates(const Point& a, const Point& b, double radius, Point candidates[2]) {
  const Point d = b - a;
  const double dd = Dot(d, d);
  if (dd == 0) {
    const double length = Length(a);
    if (length == 0) {
      if (radius != 0) return 0;
      candidates[0] = a;
      return 1;
    }
    candidates[0] = a * (std::fabs(radius) / length);
    return 1;
  }
  // |a + t·d|² = radius², a quadratic in t.
  const double ad = Dot(a, d);
  const double c = Dot(a, a) - radius * radius;
  const double discriminant = ad * ad - dd * c;
  if (!(discriminant >= 0)) return 0;
  if (discriminant == 0) {
    candidates[0] = a + d * (-ad / dd);
    return 1;
  }
  const double root = std::sqrt(discriminant);
  candidates[0] = a + d * ((-ad - root) / dd);
  candidates[1] = a + d * ((-ad + root) / dd);
  return 2;
}

}  // namespace

int IntersectCurveWithSegment(const CurveFrame& curve, const ParameterRange* range, const Point& a,
                              const Point& b, PointList& out) {
  const Point ua = curve.ToUnit(a);
  const Point ub = curve.ToUnit(b);
  Point candidates[2];
  const int count = LineCircleCandidates(ua, ub, curve.radius, candidates);
  int appended = 0;
  for (int i = 0; i < count; ++i) {
    const Point& q = candidates[i];
    const bool onSegment = IsBetween(ua, ub, q) || AreNear(q, ua) || AreNear(q, ub);
    if (!onSegment) continue;
    if (range != nullptr && !range->Contains(ParameterOf(q, curve.radius), kTolerance)) continue;
    const Point p = curve.FromUnit(q);
    // A flat or infinite curve has no unit frame; what comes out of it is no point.
    if (!IsFinite(p)) continue;
    out.push_back(p);
    ++appended;
  }
  return appended;
}

namespace {

ParameterRange RangeOf(const CurveOperand& curve) {
  return curve.isArc ? ParameterRange::Of(curve.start, curve.end) : ParameterRange::Full();
}

bool WithinCurve(const CurveOperand& curve, const Point& p) {
  if (!curve.isArc) return true;
  // The parameters of an arc count from its major axis.
  double a = Angle(curve.frame.center, p) - curve.frame.rotation;
  if (curve.frame.radius < 0) a += kPi;
  return RangeOf(curve).Contains(a, kTolerance);
}

// Concentric curves meet only where two arcs of equal radius touch end to start.
int TouchingEnds(const CurveOperand& first, const CurveOperand& second, PointList& out) {
  if (!first.isArc || !second.isArc || first.frame.radius != second.frame.radius) return 0;
  // A full curve overlaps everything.
  if (IsFullTurn(first.start, first.end) || IsFullTurn(second.start, second.end)) return 0;
  const double s1 = NormalizeAngle(first.start + first.frame.rotation);
  const double e1 = NormalizeAngle(first.end + first.frame.rotation);
  const double s2 = NormalizeAngle(second.start + second.frame.rotation);
  const double e2 = NormalizeAngle(second.end + second.frame.rotation);
  if (s1 == e1 || s2 == e2) return 0;
  const bool firstThenSecond = e1 == s2;
  const bool secondThenFirst = e2 == s1;
  if (firstThenSecond && secondThenFirst) {
    out.push_back(first.frame.PointAt(first.start));
    out.push_back(second.frame.PointAt(second.start));
    return 2;
  }
  if (!firstThenSecond && !secondThenFirst) return 0;
  const double span1 = (e1 > s1 ? e1 : e1 + kTwoPi) - s1;
  const double span2 = (e2 > s2 ? e2 : e2 + kTwoPi) - s2;
  if (!(span1 + span2 < kTwoPi)) return 0;  // the arcs overlap
  out.push_back(firstThenSecond ? second.frame.PointAt(second.start)
                                : first.frame.PointAt(first.start));
  return 1;
}

}  // namespace

int IntersectCurves(const CurveOperand& first, const CurveOperand& second, PointList& out) {
  if (first.frame.ratio != 1.0 || second.frame.ratio != 1.0) return 0;
  const Point c1 = first.frame.center;
  const Point c2 = second.frame.center;
  if (c1 == c2) return TouchingEnds(first, second, out);
  const double r1 = first.frame.radius;
  const double r2 = second.frame.radius;
  // The chord is solved as y = k·x + m, relative to the first centre. Its slope must stay
  // finite and small, so x and y are exchanged when the centres lie more side by side than
  // one above the other (always when they share y); the points are put back in order below.
  Point d = c2 - c1;
  const bool exchange = std::fabs(d.y) < std::fabs(d.x);
  if (exchange) d = Point(d.y, d.x);
  const double k = -d.x / d.y;
  const double m = (r1 * r1 - r2 * r2 + d.x * d.x + d.y * d.y) / (2 * d.y);
  const double a = 1 + k * k;
  const double b = -k * m;
  const double discriminant = b * b - a * (m * m - r1 * r1);
  if (!(discriminant >= 0)) return 0;
  double xs[2];
  int count = 1;
  if (discriminant == 0) {
    xs[0] = b / a;
  } else {
    // The root is kept to single precision, as intersection snaps have always been.
    const double root = static_cast<double>(static_cast<float>(std::sqrt(discriminant)));
    xs[0] = (b + root) / a;
    xs[1] = (b - root) / a;
    count = 2;
  }
  // The order is that of the chord solved as y = k·x + m in the curves' own frame, exchanged
  // only when the centres share y: the point of larger x first, or of larger y when they
  // share y. Solved exchanged, the larger own-frame x is the larger exchanged y, which
  // grows with the exchanged x when the exchanged slope is positive.
  if (count == 2 && exchange && k < 0) std::swap(xs[0], xs[1]);
  int appended = 0;
  for (int i = 0; i < count; ++i) {
    const double x = xs[i];
    const double y = k * x + m;
    const Point p = exchange ? Point(c1.x + y, c1.y + x) : Point(c1.x + x, c1.y + y);
    if (!IsFinite(p) || !WithinCurve(first, p) || !WithinCurve(second, p)) continue;
    out.push_back(p);
    ++appended;
  }
  return appended;
}

}  // namespace korvo
