#pragma once

#include "geometry/point.h"
#include "geometry/transform.h"

namespace korvo {

// The shape shared by circles, ellipses and their arcs: the curve point of parameter t is
// center + R(rotation)·(radius·cos t, radius·ratio·sin t), R rotating counter-clockwise.
//
// The *unit frame* is the curve's own frame with the minor axis stretched to the major one:
// offsets from the centre, rotated by −rotation, y divided by ratio. There the curve is the
// circle of `radius` about the origin and a parameter is an ordinary angle.
struct CurveFrame {
  Point center;
  double radius = 0;
  double ratio = 1;
  double rotation = 0;

  Point PointAt(double t) const;
  Point ToUnit(const Point& p) const;
  Point FromUnit(const Point& q) const;
};

// Brings an arc's parameters into the stored form: start in (−2π, π], start < end and at
// most one turn between them. fmod keeps the sign, so a negative start can stay below −π.
void NormalizeAngles(double& start, double& end);

// Whether an arc from `start` to `end` is a whole turn: its span is one turn up to the
// rounding of adding a turn to the start (rotating a full arc leaves start + 2π, which is not
// exactly one turn from the start).
bool IsFullTurn(double start, double end);

// A parameter range reduced into one turn: s in [0, 2π), s < e <= s + 2π.
struct ParameterRange {
  double s = 0;
  double e = 6.283185307179586;

  static ParameterRange Full() { return {}; }
  // The range of an arc running counter-clockwise from `start` to `end`; a full turn is the
  // whole range from the reduced start.
  static ParameterRange Of(double start, double end);
  // True when the direction `a` lies in [s, e], or within `tolerance` of either end
  // measured around the circle (so that an end just below 0 still counts as 0).
  bool Contains(double a, double tolerance) const;
};

// The curve that is the image of `curve` under a non-uniform scaling: its centre, the
// farthest point of the image (major axis) and the ratio of the perpendicular extent.
CurveFrame ScaleCurveNonUniform(const CurveFrame& curve, const Scaling& scaling);

// The bounding box of the arc from parameter `start` to `end` (start <= end).
void ArcBox(const CurveFrame& curve, double start, double end, Point& min, Point& max);

}  // namespace korvo
