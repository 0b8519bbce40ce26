#include "geometry/curve_intersection.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace korvo {
namespace {

TEST(IntersectCurveWithSegment, Cases) {
  const CurveFrame circle{{0, 0}, 5, 1, 0};
  const CurveFrame ellipse{{0, 0}, 2, 0.5, 0};
  const double s3 = std::sqrt(3.0) / 2;
  const ParameterRange quarter = ParameterRange::Of(0, kHalfPi);
  const ParameterRange rightHalf = ParameterRange::Of(-kHalfPi, kHalfPi);
  struct Case {
    const char* name;
    CurveFrame curve;
    const ParameterRange* range;
    Point a, b;
    std::vector<Point> expected;
  } cases[] = {
      {"through", circle, nullptr, {-10, 0}, {10, 0}, {{-5, 0}, {5, 0}}},
      {"through, the other way", circle, nullptr, {10, 0}, {-10, 0}, {{5, 0}, {-5, 0}}},
      {"from the centre", circle, nullptr, {0, 0}, {10, 0}, {{5, 0}}},
      {"inside", circle, nullptr, {-1, 0}, {1, 0}, {}},
      {"tangent", circle, nullptr, {-10, 5}, {10, 5}, {{0, 5}}},
      {"missing", circle, nullptr, {-10, 6}, {10, 6}, {}},
      {"ending on the circle", circle, nullptr, {0, 0}, {5, 0}, {{5, 0}}},
      {"ending a hair short", circle, nullptr, {0, 0}, {5 - 1e-7, 0}, {{5, 0}}},
      {"ending clearly short", circle, nullptr, {0, 0}, {5 - 1e-5, 0}, {}},
      {"point on the circle", circle, nullptr, {3, 4}, {3, 4}, {{3, 4}}},
      {"point a hair off", circle, nullptr, {5 + 1e-7, 0}, {5 + 1e-7, 0}, {{5, 0}}},
      {"point off", circle, nullptr, {6, 0}, {6, 0}, {}},
      {"point at the centre", circle, nullptr, {0, 0}, {0, 0}, {}},
      {"ellipse along its major axis", ellipse, nullptr, {-5, 0}, {5, 0}, {{-2, 0}, {2, 0}}},
      {"ellipse along its minor axis", ellipse, nullptr, {0, -5}, {0, 5}, {{0, -1}, {0, 1}}},
      {"ellipse off centre", ellipse, nullptr, {1, 5}, {1, -5}, {{1, s3}, {1, -s3}}},
      {"arc keeps its part", circle, &quarter, {0, -10}, {0, 10}, {{0, 5}}},
      {"arc across 0", circle, &rightHalf, {-10, 0}, {10, 0}, {{5, 0}}},
      {"arc missed", circle, &quarter, {-10, -1}, {10, -1}, {}},
      {"flat ellipse gives no undefined points", {{0, 0}, 2, 0, 0}, nullptr, {1, -1}, {1, 1}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out;
    EXPECT_EQ(IntersectCurveWithSegment(c.curve, c.range, c.a, c.b, out),
              static_cast<int>(c.expected.size()));
    ASSERT_EQ(out.size(), c.expected.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
      EXPECT_NEAR(out[i].x, c.expected[i].x, 1e-9);
      EXPECT_NEAR(out[i].y, c.expected[i].y, 1e-9);
    }
  }
}

TEST(IntersectCurveWithSegment, RotatedEllipseAlongItsAxes) {
  const Point center(1, 2);
  const double rotation = kPi / 6;
  const CurveFrame ellipse{center, 2, 0.5, rotation};
  const Point u(std::cos(rotation), std::sin(rotation));
  const Point v(-u.y, u.x);
  PointList out;
  ASSERT_EQ(IntersectCurveWithSegment(ellipse, nullptr, center - u * 5, center + u * 5, out), 2);
  ASSERT_EQ(IntersectCurveWithSegment(ellipse, nullptr, center - v * 5, center + v * 5, out), 2);
  const Point expected[] = {center - u * 2, center + u * 2, center - v * 1, center + v * 1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(out[i].x, expected[i].x, 1e-12) << i;
    EXPECT_NEAR(out[i].y, expected[i].y, 1e-12) << i;
  }
}

}  // namespace
}  // namespace korvo
