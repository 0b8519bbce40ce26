#include "geometry/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvo {
namespace {

// The cross product of two differences of doubles is exact up to a few rounding steps of
// the product of their lengths; an orientation within this many of those is zero.
constexpr double kOrientationSlack = 16 * std::numeric_limits<double>::epsilon();

// Three points whose two sides from the first make an angle with a sine below this are
// collinear: the bound is relative, so it holds at any size.
constexpr double kCollinearSine = 1e-12;

}  // namespace

double Distance(const Point& p, const Point& q) {
  return std::hypot(p.x - q.x, p.y - q.y);
}

double Distance(double x1, double y1, double x2, double y2) {
  return std::hypot(x1 - x2, y1 - y2);
}

double NormalizeAngle(double a) {
  double r = std::fmod(a, kTwoPi);
  if (r < 0) r += kTwoPi;
  // fmod of a tiny negative angle plus 2π can round up to 2π itself.
  if (r >= kTwoPi) r = 0;
  return r;
}

double Angle(const Point& from, const Point& to) {
  if (from == to) return 0;
  return std::atan2(to.y - from.y, to.x - from.x);
}

double SafeAtan2(double y, double x) {
  if (y == 0 && x == 0) return 0;
  return std::atan2(y, x);
}

bool IsBetween(const Point& a, const Point& b, const Point& p) {
  if (p == a || p == b) return true;
  // The two directions of a point on the segment agree; on a segment running along −x one
  // can come out as +π and the other as −π, so compare them on the circle.
  double difference = std::fmod(std::fabs(Angle(a, p) - Angle(p, b)), kTwoPi);
  difference = std::min(difference, kTwoPi - difference);
  return AreNear(difference, 0);
}

namespace {

// The side of the line through `from` along `direction` that p lies on: +1 left, −1 right,
// 0 on the line up to the rounding of the cross product.
int Side(const Point& from, const Point& direction, const Point& p) {
  const Point offset = p - from;
  const double cross = Cross(direction, offset);
  if (std::fabs(cross) <= kOrientationSlack * Length(direction) * Length(offset)) return 0;
  return cross > 0 ? 1 : -1;
}

// The crossing of the two infinite lines, by the formula whose rounding snaps and trims have
// always seen.
Point LineCrossing(const Point& a1, const Point& d1, const Point& b1, const Point& d2) {
  double y;
  if (d2.y == 0) {
    y = b1.y;
  } else if (d1.y == 0) {
    y = a1.y;
  } else {
    y = (b1.y * d2.x * d1.y + a1.x * d2.y * d1.y - a1.y * d2.y * d1.x - b1.x * d2.y * d1.y) /
        Cross(d2, d1);
  }
  double x;
  if (d1.x == 0) {
    x = a1.x;
  } else if (d2.x == 0) {
    x = b1.x;
  } else if (std::fabs(d2.y) > std::fabs(d1.y)) {
    x = (y - b1.y) / d2.y * d2.x + b1.x;
  } else {
    x = (y - a1.y) / d1.y * d1.x + a1.x;
  }
  return {x, y};
}

// Parallel segments meet only where one is a point on the other or where they share exactly
// one end.
bool ParallelMeeting(const Point& a1, const Point& a2, const Point& b1, const Point& b2,
                     Point& out) {
  const Point d1 = a2 - a1;
  const Point d2 = b2 - b1;
  const bool aDegenerate = a1 == a2;
  const bool bDegenerate = b1 == b2;
  const auto onLine = [](const Point& p, const Point& s, const Point& d) {
    return d.x == 0 || d.y == 0 || (p.x - s.x) / d.x == (p.y - s.y) / d.y;
  };
  if (aDegenerate && bDegenerate) {
    if (a1 == b1) return out = a1, true;
  }
  if (aDegenerate && IsBetween(b1, b2, a1) && onLine(a1, b1, d2)) return out = a1, true;
  if (bDegenerate && IsBetween(a1, a2, b1) && onLine(b1, a1, d1)) return out = b1, true;
  if (a1 == b1 && a2 != b2) return out = a1, true;
  if (a1 == b2 && a2 != b1) return out = a1, true;
  if (a2 == b1 && a1 != b2) return out = a2, true;
  if (a2 == b2 && a1 != b1) return out = a2, true;
  return false;
}

}  // namespace

bool IntersectSegments(const Point& a1, const Point& a2, const Point& b1, const Point& b2,
                       Point& out, SegmentMode mode) {
  const Point d1 = a2 - a1;
  const Point d2 = b2 - b1;
  // Parallel when the sine of the angle between the directions is within the tolerance: the
  // test is relative, so short segments are not parallel merely for being short.
  if (!(std::fabs(Cross(d1, d2)) > kTolerance * Length(d1) * Length(d2)))
    return ParallelMeeting(a1, a2, b1, b2, out);
  // Crossing lines that share an end meet there and nowhere else; the formula below could
  // put the point a rounding step beyond it.
  if (a1 == b1 || a1 == b2) return out = a1, true;
  if (a2 == b1 || a2 == b2) return out = a2, true;
  if (mode == SegmentMode::Segments) {
    // Each segment's ends must lie on both sides of the other's line, or on it. The test is
    // on the ends themselves, so a crossing at an end is not lost to the rounding of the
    // computed point, and that end is the answer.
    const int sideB1 = Side(a1, d1, b1);
    const int sideB2 = Side(a1, d1, b2);
    const int sideA1 = Side(b1, d2, a1);
    const int sideA2 = Side(b1, d2, a2);
    if (sideB1 * sideB2 > 0 || sideA1 * sideA2 > 0) return false;
    if (sideA1 == 0) return out = a1, true;
    if (sideA2 == 0) return out = a2, true;
    if (sideB1 == 0) return out = b1, true;
    if (sideB2 == 0) return out = b2, true;
  }
  const Point crossing = LineCrossing(a1, d1, b1, d2);
  if (!std::isfinite(crossing.x) || !std::isfinite(crossing.y)) return false;
  out = crossing;
  return true;
}

double NearestOnSegment(const Point& a, const Point& b, const Point& p, Point& out) {
  const Point d = b - a;
  const double lengthSquared = Dot(d, d);
  if (lengthSquared == 0 || !std::isfinite(lengthSquared)) {
    out = a;
  } else {
    const double t = Dot(p - a, d) / lengthSquared;
    // The ends are returned exactly, not as a + (b − a), which may round.
    if (!(t > 0)) {
      out = a;
    } else if (t >= 1) {
      out = b;
    } else {
      out = Point(a.x + d.x * t, a.y + d.y * t);
    }
  }
  return Distance(out, p);
}

bool CircleThrough3(const Point& a, const Point& b, const Point& c, Point& center) {
  if (a == b || b == c || a == c) return false;
  const Point ab = b - a;
  const Point ac = c - a;
  const double cross = Cross(ab, ac);
  // Collinear within rounding: the area is negligible against the two sides.
  if (!(std::fabs(cross) > kCollinearSine * Length(ab) * Length(ac))) return false;
  const double ab2 = Dot(ab, ab);
  const double ac2 = Dot(ac, ac);
  const double d = 2 * cross;
  center = Point(a.x + (ac.y * ab2 - ab.y * ac2) / d, a.y + (ab.x * ac2 - ac.x * ab2) / d);
  return true;
}

}  // namespace korvo
