#include "geometry/curve_geometry.h"

#include <cmath>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace korvo {
namespace {

TEST(ParameterRange, ContainsWithToleranceAroundTheEnds) {
  const ParameterRange quarter = ParameterRange::Of(0, kHalfPi);
  const ParameterRange acrossZero = ParameterRange::Of(-kHalfPi, kHalfPi);
  struct Case {
    const char* name;
    ParameterRange range;
    double a;
    bool expected;
  } cases[] = {
      {"inside", quarter, kPi / 4, true},
      {"outside", quarter, kPi, false},
      {"on the start", quarter, 0, true},
      {"on the end", quarter, kHalfPi, true},
      // Just below 0 is a full turn above the start when reduced; it is still next to it.
      {"a hair below the start", quarter, -1e-9, true},
      {"a hair past the end", quarter, kHalfPi + 1e-9, true},
      {"clearly below the start", quarter, -1e-5, false},
      {"clearly past the end", quarter, kHalfPi + 1e-5, false},
      {"across 0, at 0", acrossZero, 0, true},
      {"across 0, a whole turn on", acrossZero, kTwoPi + 0.1, true},
      {"across 0, opposite", acrossZero, kPi, false},
      {"full range", ParameterRange::Full(), 4, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.range.Contains(c.a, 1e-6), c.expected);
  }
}

TEST(ParameterRange, ZeroLengthIsAFullTurn) {
  const ParameterRange range = ParameterRange::Of(1, 1);
  EXPECT_EQ(range.s, 1);
  EXPECT_EQ(range.e, 1 + kTwoPi);
}

TEST(CurveFrame, UnitFrameRoundTrip) {
  const CurveFrame frames[] = {{{1, 2}, 3, 0.5, 0.7}, {{0, 0}, 1, 1, 0}, {{-4, 1}, 2, 2.5, -2}};
  const Point points[] = {{0, 0}, {5, -3}, {1, 2}, {-7, 0.25}};
  for (const CurveFrame& frame : frames) {
    for (const Point& p : points) {
      const Point back = frame.FromUnit(frame.ToUnit(p));
      EXPECT_NEAR(back.x, p.x, 1e-12);
      EXPECT_NEAR(back.y, p.y, 1e-12);
    }
    // Curve points lie on the circle of the radius in the unit frame.
    for (double t : {0.0, 1.0, 2.5, -2.0}) {
      const Point q = frame.ToUnit(frame.PointAt(t));
      EXPECT_NEAR(std::hypot(q.x, q.y), frame.radius, 1e-12);
      EXPECT_NEAR(std::remainder(std::atan2(q.y, q.x) - t, kTwoPi), 0, 1e-12);
    }
  }
}

TEST(CurveFrame, FlatCurveKeepsPointsOnItsAxisFinite) {
  const CurveFrame flat{{1, 1}, 2, 0, 0};
  const Point q = flat.ToUnit({2, 1});
  EXPECT_EQ(q, Point(1, 0));
}

}  // namespace
}  // namespace korvo
