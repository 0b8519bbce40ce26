#include "plugin/commandset/construction_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace korvo::commandset {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(CommandsetNormalizeAngle, FoldsIntoHalfTurnsEitherSide) {
  struct Case {
    const char* name;
    double angle;
    double expected;
  } cases[] = {
      {"zero", 0, 0},
      {"half turn is kept", kPi, kPi},
      {"atan2's lowest answer is kept", -kPi, -kPi},
      {"three quarter turns become minus a quarter", 1.5 * kPi, -0.5 * kPi},
      {"whole turns are removed", 4.5 * kPi, 0.5 * kPi},
      {"minus whole turns are removed", -4.5 * kPi, -0.5 * kPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(NormalizeAngle(c.angle), c.expected, 1e-12);
  }
}

TEST(IncludedAngleEnd, LaysTheCursorDirectionOffFromTheStartCounterClockwise) {
  struct Case {
    const char* name;
    PluginPoint center;
    PluginPoint start;
    PluginPoint cursor;
    PluginPoint expected;
  } cases[] = {
      {"quarter turn from the x axis", {0, 0}, {10, 0}, {0, 5}, {0, 10}},
      {"half turn from a start straight up", {0, 0}, {0, 10}, {-3, 0}, {0, -10}},
      // Below the centre is three quarters of a turn, never a quarter clockwise.
      {"cursor below the centre", {0, 0}, {10, 0}, {0, -5}, {0, -10}},
      {"start below the centre", {0, 0}, {0, -4}, {1, 1}, {4 / std::sqrt(2), -4 / std::sqrt(2)}},
      {"away from the origin", {2, 3}, {2, 8}, {-1, 3}, {2, -2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PluginPoint end = IncludedAngleEnd(c.center, c.start, c.cursor);
    EXPECT_NEAR(end.x, c.expected.x, 1e-12);
    EXPECT_NEAR(end.y, c.expected.y, 1e-12);
  }
}

TEST(IncludedAngleEnd, CursorStraightRightOfTheCentreGivesTheStartItself) {
  // The included angle is then 0: the end point is the start exactly, which the command
  // refuses as equal points.
  const PluginPoint center{2, 3};
  const PluginPoint start{7, 3};
  EXPECT_TRUE(SamePoint(IncludedAngleEnd(center, start, {50, 3}), start));
}

TEST(AxesOf, ExchangesTheAxesWhenTheMinorPointLiesFarther) {
  struct Case {
    const char* name;
    PluginPoint majorEnd;
    PluginPoint minorPoint;
    double majorRadius;
    double ratio;
    double axisAngle;
  } cases[] = {
      {"minor point nearer", {10, 0}, {0, 5}, 10, 0.5, 0},
      {"equal radii keep the major end", {5, 0}, {0, 5}, 5, 1, 0},
      {"minor point farther: the axis points at it", {4, 0}, {0, 8}, 8, 0.5, kPi / 2},
      {"farther and not perpendicular", {3, 0}, {6, 8}, 10, 0.3, std::atan2(8.0, 6.0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EllipseAxes axes = AxesOf({0, 0}, c.majorEnd, c.minorPoint);
    EXPECT_DOUBLE_EQ(axes.majorRadius, c.majorRadius);
    EXPECT_DOUBLE_EQ(axes.ratio, c.ratio);
    EXPECT_DOUBLE_EQ(axes.axisAngle, c.axisAngle);
  }
}

TEST(ParameterOf, TheEllipsePointAtTheParameterLiesInTheDirectionOfThePoint) {
  const EllipseAxes axes = AxesOf({1, -2}, {1 + 6, -2 + 8}, {1 - 2, -2 + 1});
  const double minor = axes.majorRadius * axes.ratio;
  for (int degrees = -180; degrees < 180; degrees += 15) {
    SCOPED_TRACE(degrees);
    const double direction = degrees * kPi / 180;
    const PluginPoint p{1 + 3 * std::cos(direction), -2 + 3 * std::sin(direction)};
    const double t = ParameterOf(axes, p);
    // The ellipse point at t, in the axis frame, then turned by the axis angle.
    const double u = axes.majorRadius * std::cos(t);
    const double v = minor * std::sin(t);
    const double x = u * std::cos(axes.axisAngle) - v * std::sin(axes.axisAngle);
    const double y = u * std::sin(axes.axisAngle) + v * std::cos(axes.axisAngle);
    EXPECT_NEAR(std::remainder(std::atan2(y, x) - direction, 2 * kPi), 0, 1e-12);
  }
}

TEST(ParameterOf, KnownDirectionsOfAHalfFlatEllipse) {
  const EllipseAxes axes = AxesOf({0, 0}, {10, 0}, {0, 5});
  struct Case {
    const char* name;
    PluginPoint p;
    double expected;
  } cases[] = {
      {"on the major axis", {3, 0}, 0},
      {"on the minor axis", {0, 1}, kPi / 2},
      // tan t = tan 45 degrees / 0.5
      {"diagonal", {1, 1}, std::atan(2.0)},
      {"below", {0, -7}, -kPi / 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(ParameterOf(axes, c.p), c.expected, 1e-12);
  }
}

TEST(EndParameterOf, ZeroBecomesAFullTurn) {
  const EllipseAxes axes = AxesOf({0, 0}, {10, 0}, {0, 5});
  EXPECT_EQ(EndParameterOf(axes, {4, 0}), 2 * kPi);
  EXPECT_NEAR(EndParameterOf(axes, {0, 1}), kPi / 2, 1e-12);
}

TEST(EllipticArcOf, StartAndEndOnTheMajorAxisIsTheWholeEllipse) {
  const EllipticArc arc = EllipticArcOf({0, 0}, {10, 0}, {0, 5}, {2, 0}, {30, 0});
  EXPECT_EQ(arc.startParameter, 0);
  EXPECT_EQ(arc.endParameter, 2 * kPi);
}

TEST(EllipticArcOf, ParametersAreTakenFromTheExchangedAxes) {
  // The minor point lies farther than the major end, so the major axis turns to point up;
  // the start and end on that new axis give the whole ellipse.
  const EllipticArc arc = EllipticArcOf({1, 1}, {5, 1}, {1, 9}, {1, 4}, {1, 21});
  EXPECT_DOUBLE_EQ(arc.axes.majorRadius, 8);
  EXPECT_DOUBLE_EQ(arc.axes.ratio, 0.5);
  EXPECT_DOUBLE_EQ(arc.axes.axisAngle, kPi / 2);
  EXPECT_EQ(arc.startParameter, 0);
  EXPECT_EQ(arc.endParameter, 2 * kPi);
  // Along the old major axis now lies the minor one: a quarter turn back.
  EXPECT_NEAR(EllipticArcOf({1, 1}, {5, 1}, {1, 9}, {3, 1}, {1, 21}).startParameter, -kPi / 2,
              1e-12);
}

}  // namespace
}  // namespace korvo::commandset
