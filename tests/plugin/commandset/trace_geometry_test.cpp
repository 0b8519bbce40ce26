#include "plugin/commandset/trace_geometry.h"

#include <cmath>

#include <gtest/gtest.h>

namespace korvo::commandset::editing {
namespace {

void ExpectPoint(PluginPoint actual, PluginPoint expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
}

// Signed distance of p from the centre line through a along d, positive on its left.
double LeftOf(PluginPoint a, PluginPoint d, PluginPoint p) {
  return (d.x * (p.y - a.y) - d.y * (p.x - a.x)) / std::hypot(d.x, d.y);
}

TEST(SegmentCorners, SquareEndsHalfTheWidthEitherSide) {
  const TraceCorners c = SegmentCorners({0, 0}, {10, 0}, 2);
  ExpectPoint(c.startLeft, {0, 1});
  ExpectPoint(c.startRight, {0, -1});
  ExpectPoint(c.endLeft, {10, 1});
  ExpectPoint(c.endRight, {10, -1});
  // Going up, left is towards negative x.
  const TraceCorners up = SegmentCorners({0, 0}, {0, 4}, 2);
  ExpectPoint(up.startLeft, {-1, 0});
  ExpectPoint(up.endRight, {1, 4});
}

TEST(ClassifyTurn, MeasuresTheTurnAgainstTheFirstSegment) {
  const double s = std::sqrt(3.0);
  struct Case {
    const char* name;
    PluginPoint a, b, c;
    double width;
    TraceTurn expected;
  } cases[] = {
      {"straight on", {0, 0}, {10, 0}, {20, 0}, 1, TraceTurn::Straight},
      {"straight back", {0, 0}, {10, 0}, {5, 0}, 1, TraceTurn::Straight},
      {"a turn too small to meet", {0, 0}, {10, 0}, {20, 1e-14}, 1, TraceTurn::Straight},
      {"zero width never meets", {0, 0}, {10, 0}, {10, 10}, 0, TraceTurn::Straight},
      {"slight left", {0, 0}, {10, 0}, {20, 1}, 1, TraceTurn::Normal},
      {"right angle is not sharp", {0, 0}, {10, 0}, {10, 10}, 1, TraceTurn::Normal},
      {"135 degrees left", {0, 0}, {10, 0}, {0, 10}, 1, TraceTurn::Sharp},
      {"120 degrees right", {0, 0}, {10, 0}, {10 - 5, -5 * s}, 1, TraceTurn::Sharp},
      {"upwards, 90 left", {0, 0}, {0, 10}, {-10, 10}, 1, TraceTurn::Normal},
      {"upwards, 135 right", {0, 0}, {0, 10}, {10, 0}, 1, TraceTurn::Sharp},
      {"across the -x axis", {0, 0}, {-10, 0.001}, {-20, -0.001}, 1, TraceTurn::Normal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ClassifyTurn(c.a, c.b, c.c, c.width), c.expected);
  }
}

TEST(JoinTraceSegments, RightAngleMeetsAtTheEdgeIntersections) {
  TraceCorners first = SegmentCorners({0, 0}, {10, 0}, 2);
  TraceCorners second = SegmentCorners({10, 0}, {10, 10}, 2);
  JoinTraceSegments({0, 0}, {10, 0}, {10, 10}, 2, first, second);
  ExpectPoint(first.endLeft, {9, 1});
  ExpectPoint(first.endRight, {11, -1});
  ExpectPoint(second.startLeft, {9, 1});
  ExpectPoint(second.startRight, {11, -1});
  // The starts and ends away from the joint stay square.
  ExpectPoint(first.startLeft, {0, 1});
  ExpectPoint(second.endLeft, {9, 10});
}

TEST(JoinTraceSegments, SharpTurnCrossesLeftWithRight) {
  TraceCorners first = SegmentCorners({0, 0}, {10, 0}, 2);
  TraceCorners second = SegmentCorners({10, 0}, {0, 10}, 2);
  JoinTraceSegments({0, 0}, {10, 0}, {0, 10}, 2, first, second);
  const double r = std::sqrt(2.0) - 1;
  // Left of the first (y = 1) with the right of the second, and the other way.
  ExpectPoint(first.endLeft, {10 + r, 1});
  ExpectPoint(first.endRight, {10 - r, -1});
  ExpectPoint(second.startLeft, {10 - r, -1});
  ExpectPoint(second.startRight, {10 + r, 1});
}

TEST(JoinTraceSegments, ParallelAndReversedKeepSquareCorners) {
  struct Case {
    const char* name;
    PluginPoint c;
    PluginPoint secondLeft, secondRight;
  } cases[] = {
      {"straight on", {20, 0}, {10, 1}, {10, -1}},
      {"straight back", {5, 0}, {10, -1}, {10, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCorners first = SegmentCorners({0, 0}, {10, 0}, 2);
    TraceCorners second = SegmentCorners({10, 0}, c.c, 2);
    JoinTraceSegments({0, 0}, {10, 0}, c.c, 2, first, second);
    ExpectPoint(first.endLeft, {10, 1});
    ExpectPoint(first.endRight, {10, -1});
    ExpectPoint(second.startLeft, c.secondLeft);
    ExpectPoint(second.startRight, c.secondRight);
  }
}

// Whatever the turn, each joint corner lies on its own segment's edge: half the width from
// the centre line, on the side its name says.
TEST(JoinTraceSegments, JointCornersLieOnTheirOwnEdges) {
  const PluginPoint a{0, 0};
  const PluginPoint b{4, 3};
  const double width = 1.5;
  for (int degrees = -175; degrees <= 175; degrees += 5) {
    SCOPED_TRACE(degrees);
    const double turn = std::atan2(3.0, 4.0) + degrees * std::acos(-1.0) / 180;
    const PluginPoint c{b.x + 7 * std::cos(turn), b.y + 7 * std::sin(turn)};
    TraceCorners first = SegmentCorners(a, b, width);
    TraceCorners second = SegmentCorners(b, c, width);
    JoinTraceSegments(a, b, c, width, first, second);
    const PluginPoint d1{b.x - a.x, b.y - a.y};
    const PluginPoint d2{c.x - b.x, c.y - b.y};
    EXPECT_NEAR(LeftOf(a, d1, first.endLeft), width / 2, 1e-9);
    EXPECT_NEAR(LeftOf(a, d1, first.endRight), -width / 2, 1e-9);
    EXPECT_NEAR(LeftOf(b, d2, second.startLeft), width / 2, 1e-9);
    EXPECT_NEAR(LeftOf(b, d2, second.startRight), -width / 2, 1e-9);
  }
}

}  // namespace
}  // namespace korvo::commandset::editing
