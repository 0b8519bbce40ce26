#pragma once

#include <cmath>
#include <vector>

namespace korvo {

struct Rotation;
struct Scaling;

// A 2-D point or vector in world units. Equality is exact: no tolerance.
struct Point {
  double x = 0;
  double y = 0;

  constexpr Point() = default;
  constexpr Point(double px, double py) : x(px), y(py) {}

  friend constexpr bool operator==(const Point&, const Point&) = default;
  constexpr Point& operator+=(const Point& o) {
    x += o.x, y += o.y;
    return *this;
  }
  constexpr Point& operator-=(const Point& o) {
    x -= o.x, y -= o.y;
    return *this;
  }
  friend constexpr Point operator+(Point a, const Point& b) { return a += b; }
  friend constexpr Point operator-(Point a, const Point& b) { return a -= b; }
  friend constexpr Point operator*(const Point& a, double f) { return {a.x * f, a.y * f}; }

  void Translate(const Point& offset) { *this += offset; }
  void Rotate(const Rotation& rotation);
  void Scale(const Scaling& scaling);
  void Unscale(const Scaling& scaling);
};

// The dot product: |a|·|b|·cos of the angle between them.
constexpr double Dot(const Point& a, const Point& b) {
  return a.x * b.x + a.y * b.y;
}

// The z component of the cross product: |a|·|b|·sin of the angle from a to b, positive when
// b lies counter-clockwise of a; twice the signed area of the triangle they span.
constexpr double Cross(const Point& a, const Point& b) {
  return a.x * b.y - a.y * b.x;
}

// v turned a quarter turn counter-clockwise: the left normal of a direction.
constexpr Point Perpendicular(const Point& v) {
  return {-v.y, v.x};
}

inline double Length(const Point& v) {
  return std::hypot(v.x, v.y);
}

// v divided by its length. The zero vector has no direction: the caller checks the length
// first, or gets NaN.
inline Point UnitVector(const Point& v) {
  const double length = Length(v);
  return {v.x / length, v.y / length};
}

// The one tolerance of world geometry: distances, and angles in radians, closer than this
// count as the same. It is absolute, not relative to the size of the drawing.
inline constexpr double kTolerance = 1e-6;

inline bool AreNear(double a, double b) {
  return std::fabs(a - b) < kTolerance;
}

inline bool AreNear(const Point& p, const Point& q) {
  return Length(p - q) < kTolerance;
}

// Width and height of a world rectangle.
struct Size {
  double width = 0;
  double height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Intersection operations append to a PointList and return how many they appended.
using PointList = std::vector<Point>;

}  // namespace korvo
