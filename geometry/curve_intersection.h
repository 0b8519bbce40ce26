#pragma once

#include "geometry/curve_geometry.h"
#include "geometry/point.h"

namespace korvo {

// Appends the points where segment a–b (a single point when a = b) meets the curve,
// restricted to `range` when it is given; returns how many it appended. Points are found
// in the unit frame and accepted when they lie on the segment or within kTolerance of one of
// its ends, and within kTolerance radians of the range.
int IntersectCurveWithSegment(const CurveFrame& curve, const ParameterRange* range, const Point& a,
                              const Point& b, PointList& out);

// One operand of a curve–curve intersection: a closed curve, or an arc with its parameters.
struct CurveOperand {
  CurveFrame frame;
  bool isArc = false;
  double start = 0;
  double end = 0;
};

// Appends the intersections of two circles or circular arcs. Curves with a ratio other than
// exactly 1 give none; concentric curves give only the points where two arcs of equal
// radius touch end to start.
int IntersectCurves(const CurveOperand& first, const CurveOperand& second, PointList& out);

}  // namespace korvo
