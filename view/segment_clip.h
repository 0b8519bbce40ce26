#pragma once

#include "geometry/point.h"

namespace korvo {

// Cuts the segment a-b to the box [low, high] (Liang-Barsky): on success t0 <= t1 are the
// parameters of the part inside (0 = a, 1 = b). False when no part is inside or a
// coordinate is not finite.
bool ClipSegmentToBox(const Point& a, const Point& b, const Point& low, const Point& high,
                      double& t0, double& t1);

}  // namespace korvo

namespace korvo {

// Moves the ends of a-b that lie outside the box onto its border; ends inside stay as they
// are. The crossings are measured from a point of the line near the box, so that a segment
// far longer than the box keeps its place and direction on it (a line from (-1e300, 1e300)
// to (1e300, -1e300) still passes through the origin). False when nothing is left inside or
// a coordinate is not finite.
bool ClipSegmentEnds(Point& a, Point& b, const Point& low, const Point& high);

}  // namespace korvo
