#include "geometry/point.h"

#include <cmath>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(PointAlgebra, ProductsAndNormals) {
  struct Case {
    const char* name;
    Point a, b;
    double dot, cross;
  } cases[] = {
      {"perpendicular, b to the left", {2, 0}, {0, 3}, 0, 6},
      {"perpendicular, b to the right", {2, 0}, {0, -3}, 0, -6},
      {"opposite", {1, 2}, {-2, -4}, -10, 0},
      {"general", {3, 4}, {-1, 2}, 5, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Dot(c.a, c.b), c.dot);
    EXPECT_EQ(Cross(c.a, c.b), c.cross);
    // The quarter turn is to the left: it lies on the positive side of the vector.
    EXPECT_EQ(Dot(Perpendicular(c.a), c.a), 0);
    EXPECT_GT(Cross(c.a, Perpendicular(c.a)), 0);
  }
}

TEST(PointAlgebra, UnitVectorKeepsTheDirection) {
  EXPECT_EQ(UnitVector(Point(3, -4)), Point(0.6, -0.8));
  EXPECT_EQ(UnitVector(Point(0, 7)), Point(0, 1));
  // Squaring the components of a huge vector would overflow; the length does not.
  const Point u = UnitVector(Point(3e300, 4e300));
  EXPECT_NEAR(u.x, 0.6, 1e-15);
  EXPECT_NEAR(u.y, 0.8, 1e-15);
  const Point none = UnitVector(Point());
  EXPECT_TRUE(std::isnan(none.x) && std::isnan(none.y));
}

TEST(AreNear, ClosesAtTheToleranceItself) {
  struct Case {
    const char* name;
    Point p, q;
    bool near;
  } cases[] = {
      {"same point", {1, 2}, {1, 2}, true},
      {"half the tolerance apart", {1, 2}, {1 + kTolerance / 2, 2}, true},
      {"twice the tolerance apart", {1, 2}, {1, 2 + 2 * kTolerance}, false},
      // Within the tolerance along each axis, but not as a distance.
      {"diagonal, within on each axis", {0, 0}, {0.8 * kTolerance, 0.8 * kTolerance}, false},
      {"NaN is near nothing", {NAN, 0}, {NAN, 0}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AreNear(c.p, c.q), c.near);
    EXPECT_EQ(AreNear(c.q, c.p), c.near);
  }
  EXPECT_TRUE(AreNear(0.5e-6, 0));
  EXPECT_FALSE(AreNear(2e-6, 0));
}

}  // namespace
}  // namespace korvo
