#include "geometry/geometry.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

namespace korvo {
namespace {

TEST(Angle, OfEqualPointsIsZero) {
  EXPECT_EQ(Angle(Point(3, 4), Point(3, 4)), 0.0);
}

TEST(NormalizeAngle, BringsAnglesIntoOneTurn) {
  struct Case {
    const char* name;
    double in;
    double out;
  } cases[] = {
      {"negative", -0.5, kTwoPi - 0.5},
      {"zero", 0.0, 0.0},
      {"full turn", kTwoPi, 0.0},
      {"two turns and a bit", 2 * kTwoPi + 1.0, 1.0},
      {"tiny negative does not round to 2pi", -1e-17, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(NormalizeAngle(c.in), c.out, 1e-12);
    EXPECT_LT(NormalizeAngle(c.in), kTwoPi);
  }
}

TEST(IsBetween, PointOnSegmentRunningAlongNegativeXWithSignedZero) {
  // The direction a→p comes out as +π and p→b as −π: the same direction.
  const Point a(10, 0.0);
  const Point b(0, -0.0);
  const Point p(5, 0.0);
  EXPECT_TRUE(IsBetween(a, b, p));
  EXPECT_TRUE(IsBetween(Point(10, -0.0), Point(0, 0.0), Point(5, -0.0)));
}

TEST(IsBetween, Cases) {
  struct Case {
    const char* name;
    Point a, b, p;
    bool expected;
  } cases[] = {
      {"start", {0, 0}, {10, 0}, {0, 0}, true},
      {"end", {0, 0}, {10, 0}, {10, 0}, true},
      {"middle", {0, 0}, {10, 10}, {5, 5}, true},
      {"beyond the end", {0, 0}, {10, 0}, {11, 0}, false},
      {"off the line", {0, 0}, {10, 0}, {5, 1}, false},
      {"degenerate segment", {1, 1}, {1, 1}, {2, 2}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsBetween(c.a, c.b, c.p), c.expected);
  }
}

TEST(IntersectSegments, Cases) {
  struct Case {
    const char* name;
    Point a1, a2, b1, b2;
    bool meets;
    Point at;
  } cases[] = {
      {"crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true, {5, 5}},
      {"apart", {0, 0}, {1, 1}, {5, 0}, {6, -1}, false, {}},
      {"degenerate first on second", {5, 0}, {5, 0}, {0, 0}, {10, 0}, true, {5, 0}},
      {"degenerate second on first", {0, 0}, {10, 0}, {5, 0}, {5, 0}, true, {5, 0}},
      {"both degenerate and equal", {2, 3}, {2, 3}, {2, 3}, {2, 3}, true, {2, 3}},
      {"collinear overlapping without shared end", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false, {}},
      {"collinear sharing one end", {0, 0}, {10, 0}, {10, 0}, {20, 0}, true, {10, 0}},
      {"collinear sharing start", {0, 0}, {10, 0}, {0, 0}, {-5, 0}, true, {0, 0}},
      {"identical segments", {0, 0}, {10, 0}, {0, 0}, {10, 0}, false, {}},
      {"touching at end of one", {0, 0}, {10, 0}, {10, -5}, {10, 5}, true, {10, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out(-99, -99);
    ASSERT_EQ(IntersectSegments(c.a1, c.a2, c.b1, c.b2, out), c.meets);
    if (c.meets) {
      EXPECT_NEAR(out.x, c.at.x, 1e-12);
      EXPECT_NEAR(out.y, c.at.y, 1e-12);
    }
  }
}

TEST(IntersectSegments, AsLinesReportsCrossingOutsideTheSegments) {
  Point out;
  EXPECT_FALSE(IntersectSegments({0, 0}, {1, 0}, {5, 1}, {5, 2}, out));
  ASSERT_TRUE(IntersectSegments({0, 0}, {1, 0}, {5, 1}, {5, 2}, out, SegmentMode::Lines));
  EXPECT_EQ(out, Point(5, 0));
}

// An end that is no number, or products that overflow to infinities, give no crossing: never
// a crossing at a point that is no number, and the output is left as it was.
TEST(IntersectSegments, NonFiniteInputGivesNoCrossing) {
  const double nan = std::nan("");
  struct Case {
    const char* name;
    Point a1, a2, b1, b2;
  } cases[] = {
      {"an end that is no number", {nan, 0}, {1, 1}, {0, 1}, {1, 0}},
      {"crossing beyond the doubles' products",
       {1e300, 1e300},
       {-1e300, -1e300},
       {0, 1e300},
       {1e300, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out(-99, -99);
    EXPECT_FALSE(IntersectSegments(c.a1, c.a2, c.b1, c.b2, out));
    EXPECT_EQ(out, Point(-99, -99));
  }
}

// The crossing computed for two segments that share an end used to land a rounding step
// beyond it and fail the range test, depending on the order of the arguments.
TEST(IntersectSegments, SharedEndLostToRounding) {
  struct Case {
    const char* name;
    Point a1, a2, b1, b2;
    bool meets;
    Point at;
  } cases[] = {
      {"shared end, one-decimal coordinates",
       {0, 0},
       {0.1, 0.1},
       {0.1, 0.1},
       {0.3, -1.0},
       true,
       {0.1, 0.1}},
      {"shared start and end, reversed",
       {0.3, -1.0},
       {0.1, 0.1},
       {0.1, 0.1},
       {0, 0},
       true,
       {0.1, 0.1}},
      // An end of one that lies on the other, up to the rounding of its coordinates.
      {"end on the other within rounding",
       {0, 0},
       {0.3, 0.3},
       {0.1, 0.1},
       {0.7, -0.2},
       true,
       {0.1, 0.1}},
      {"just short of the other", {0, 0}, {0.3, 0.3}, {0.1, 0.1 - 1e-9}, {0.7, -0.2}, false, {}},
      // Short segments are not parallel merely for being short.
      {"short crossing", {0, 0}, {1e-4, 1e-4}, {0, 1e-4}, {1e-4, 0}, true, {5e-5, 5e-5}},
      {"short parallel", {0, 0}, {1e-4, 0}, {0, 1e-5}, {1e-4, 1e-5}, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool swapped : {false, true}) {
      SCOPED_TRACE(swapped ? "arguments exchanged" : "as given");
      Point out(-99, -99);
      const bool meets = swapped ? IntersectSegments(c.b1, c.b2, c.a1, c.a2, out)
                                 : IntersectSegments(c.a1, c.a2, c.b1, c.b2, out);
      ASSERT_EQ(meets, c.meets);
      if (c.meets) {
        EXPECT_NEAR(out.x, c.at.x, 1e-15);
        EXPECT_NEAR(out.y, c.at.y, 1e-15);
      }
    }
  }
}

// Every pair of segments of a one-decimal grid that shares exactly one end meets there, in
// either order of the arguments and of each segment's ends, and reports that end exactly.
TEST(IntersectSegments, SharedEndLostToRoundingOnAOneDecimalGrid) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> tenth(-20, 20);
  const auto gridPoint = [&] { return Point(tenth(random) / 10.0, tenth(random) / 10.0); };
  int checked = 0;
  while (checked < 5000) {
    const Point shared = gridPoint();
    const Point a = gridPoint();
    const Point b = gridPoint();
    // The same segment twice shares both ends. Collinear pairs stay: sharing one end, they
    // meet there whether they overlap or not.
    if (a == b) continue;
    ++checked;
    const Point segments[][2] = {{shared, a}, {a, shared}};
    const Point others[][2] = {{shared, b}, {b, shared}};
    for (const auto& s : segments) {
      for (const auto& t : others) {
        Point out(-99, -99);
        ASSERT_TRUE(IntersectSegments(s[0], s[1], t[0], t[1], out))
            << s[0].x << "," << s[0].y << " " << s[1].x << "," << s[1].y << " with " << t[0].x
            << "," << t[0].y << " " << t[1].x << "," << t[1].y;
        EXPECT_EQ(out, shared);
        out = Point(-99, -99);
        ASSERT_TRUE(IntersectSegments(t[0], t[1], s[0], s[1], out));
        EXPECT_EQ(out, shared);
      }
    }
  }
}

TEST(NearestOnSegment, ClampsToTheEndsExactly) {
  Point out;
  EXPECT_DOUBLE_EQ(NearestOnSegment({0, 0}, {10, 0}, {-5, 3}, out), std::sqrt(34.0));
  EXPECT_EQ(out, Point(0, 0));
  NearestOnSegment({0.1, 0.1}, {0.3, 0.7}, {5, 5}, out);
  EXPECT_EQ(out, Point(0.3, 0.7));
  EXPECT_DOUBLE_EQ(NearestOnSegment({0, 0}, {10, 0}, {4, 2}, out), 2.0);
  EXPECT_EQ(out, Point(4, 0));
  EXPECT_DOUBLE_EQ(NearestOnSegment({1, 1}, {1, 1}, {4, 5}, out), 5.0);
}

TEST(CircleThrough3, FailsForEqualOrCollinearPoints) {
  Point center;
  EXPECT_FALSE(CircleThrough3({0, 0}, {0, 0}, {1, 1}, center));
  EXPECT_FALSE(CircleThrough3({0, 0}, {1, 1}, {2, 2}, center));
  EXPECT_FALSE(CircleThrough3({0.1, 0.1}, {0.2, 0.2}, {0.3, 0.3}, center));
  ASSERT_TRUE(CircleThrough3({1, 0}, {0, 1}, {-1, 0}, center));
  EXPECT_NEAR(center.x, 0, 1e-15);
  EXPECT_NEAR(center.y, 0, 1e-15);
}

}  // namespace
}  // namespace korvo
