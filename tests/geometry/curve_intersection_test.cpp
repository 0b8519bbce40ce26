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

// Rotating a full arc leaves it running from its start to one turn later; reducing both
// ends into one turn used to leave a range a few rounding steps long.
TEST(IntersectCurves, FullTurnWithNonZeroStartLostItsRange) {
  const CurveFrame unit{{0, 0}, 1, 1, 0};
  const CurveOperand fullTurn{unit, true, 0.4, 0.4 + kTwoPi};
  PointList out;
  EXPECT_EQ(IntersectCurveWithSegment(unit, nullptr, {-2, 0}, {2, 0}, out), 2);
  const ParameterRange range = ParameterRange::Of(fullTurn.start, fullTurn.end);
  out.clear();
  EXPECT_EQ(IntersectCurveWithSegment(unit, &range, {-2, 0}, {2, 0}, out), 2);
  // The circle about (1, 1) crosses the full arc at (1, 0) and (0, 1).
  out.clear();
  EXPECT_EQ(IntersectCurves(fullTurn, {{{1, 1}, 1, 1, 0}}, out), 2);
  // A concentric arc of the same radius lies on the full turn: no single point.
  for (double start : {0.4, 0.4 + kTwoPi, 2.0, -1.0}) {
    SCOPED_TRACE(start);
    out.clear();
    EXPECT_EQ(IntersectCurves(fullTurn, {unit, true, start, start + 1}, out), 0);
    EXPECT_EQ(IntersectCurves({unit, true, start - 1, start}, fullTurn, out), 0);
    EXPECT_TRUE(out.empty());
  }
}

// The two points of a circle pair come in one order: when the centres differ in y, the
// point of larger x first; when they share y, the point of larger y first. Exchanging x and
// y whenever the centres lay more side by side than one above the other reversed it.
TEST(IntersectCurves, CircleCircleOrderReversedByExchange) {
  struct Case {
    const char* name;
    Point c2;
    double r2;
  } cases[] = {
      {"side by side, second a little higher", {8, 1}, 5},
      {"side by side, second a little lower", {8, -1}, 5},
      {"second to the left, a little higher", {-8, 1}, 5},
      {"one above the other", {1, 8}, 5},
      {"one below the other", {-1, -8}, 5},
      {"barely apart in y", {8, 1e-9}, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out;
    ASSERT_EQ(IntersectCurves({{{0, 0}, 5, 1, 0}}, {{c.c2, c.r2, 1, 0}}, out), 2);
    EXPECT_GT(out[0].x, out[1].x);
    for (const Point& p : out) {
      EXPECT_NEAR(Distance(p, Point(0, 0)), 5, 1e-6);
      EXPECT_NEAR(Distance(p, c.c2), c.r2, 1e-6);
    }
  }
  PointList level;
  ASSERT_EQ(IntersectCurves({{{0, 0}, 5, 1, 0}}, {{{8, 0}, 5, 1, 0}}, level), 2);
  EXPECT_EQ(level[0], Point(4, 3));
  EXPECT_EQ(level[1], Point(4, -3));
}

}  // namespace
}  // namespace korvo
