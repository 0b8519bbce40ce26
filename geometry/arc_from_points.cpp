#include "geometry/arc_from_points.h"

#include <cmath>

#include "geometry/geometry.h"
#include "geometry/transform.h"

namespace korvo {

bool ArcFromPoints(const Point& p1, const Point& p2, const Point& p3, ArcFromThreePoints mode,
                   Point& center, Point& start, Point& end) {
  switch (mode) {
    case ArcFromThreePoints::CenterStartEnd:
      center = p1, start = p2, end = p3;
      return true;
    case ArcFromThreePoints::ThroughThree:
      // The arc runs through p2: given clockwise, it is the counter-clockwise arc from p3 to p1.
      if (Cross(p2 - p1, p3 - p2) < 0) {
        start = p3, end = p1;
      } else {
        start = p1, end = p3;
      }
      return CircleThrough3(p1, p2, p3, center);
    case ArcFromThreePoints::TangentContinuation: {
      // The centre lies on the normal of the direction p1→p2 at p2 (angle θ) and on the
      // perpendicular bisector of p2–p3, whose direction makes the angle δ with the normal.
      const double theta = Angle(p2, p1) + kHalfPi;
      const double delta = Angle(p2, p3) - theta;
      // |cos δ| is how far the chord turns from the tangent: along it there is no circle.
      if (std::fabs(std::cos(delta)) <= kTolerance) return false;
      const double h = Distance(p2, p3) / 2;
      const Point local(h, -h * std::sin(delta) / std::cos(delta));
      center = Rotation::About(Point(), delta + theta).Apply(local) + p2;
      // Turning clockwise at p2 means the counter-clockwise arc runs from p3 back to p2.
      if (std::sin(Angle(p1, p2) - Angle(p2, p3)) > 0) {
        start = p3, end = p2;
      } else {
        start = p2, end = p3;
      }
      return true;
    }
  }
  return false;
}

}  // namespace korvo
