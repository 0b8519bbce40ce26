#pragma once

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

// Width and height of a world rectangle.
struct Size {
  double width = 0;
  double height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

// Intersection operations append to a PointList and return how many they appended.
using PointList = std::vector<Point>;

}  // namespace korvo
