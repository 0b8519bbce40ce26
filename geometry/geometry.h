#pragma once

#include "geometry/point.h"

namespace korvo {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kSqrt2 = 1.4142135623730951;
// The largest single-precision value: the answer of a nearest-point query that has none.
inline constexpr double kNoDistance = 3.4028234663852886e38;
// The largest double: the nearest distance over an empty list.
inline constexpr double kMaxDouble = 1.7976931348623157e308;

double Distance(const Point& p, const Point& q);
double Distance(double x1, double y1, double x2, double y2);

// a mod 2π, shifted into [0, 2π).
double NormalizeAngle(double a);

// Direction from `from` to `to`; 0 when the points are equal.
double Angle(const Point& from, const Point& to);

// atan2(y, x), and 0 when both are 0.
double SafeAtan2(double y, double x);

// True when p lies on the segment a–b: p is an end, or the directions a→p and p→b agree
// within kTolerance radians (compared modulo 2π, so that +π and −π agree).
bool IsBetween(const Point& a, const Point& b, const Point& p);

// Whether the two segments (or, in SegmentMode::Lines, the two infinite lines) meet, and where.
enum class SegmentMode { Segments, Lines };
bool IntersectSegments(const Point& a1, const Point& a2, const Point& b1, const Point& b2,
                       Point& out, SegmentMode mode = SegmentMode::Segments);

// The point of segment a–b nearest to p, and its distance to p.
double NearestOnSegment(const Point& a, const Point& b, const Point& p, Point& out);

// The centre of the circle through three points; false when two of them are equal or the
// three are collinear.
bool CircleThrough3(const Point& a, const Point& b, const Point& c, Point& center);

}  // namespace korvo
