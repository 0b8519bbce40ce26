#pragma once

#include "geometry/point.h"

namespace korvo {

// How an arc is given by three points.
enum class ArcFromThreePoints {
  CenterStartEnd = 0,       // centre, start point, end point
  ThroughThree = 1,         // start, a point on the arc, end
  TangentContinuation = 2,  // leaves the second point along the direction first→second
};

// The centre and the start and end points of the counter-clockwise circular arc the three
// points give; false when they give none.
bool ArcFromPoints(const Point& p1, const Point& p2, const Point& p3, ArcFromThreePoints mode,
                   Point& center, Point& start, Point& end);

}  // namespace korvo
