#include "plugin/commandset/spline_fit.h"

#include <vector>

#include <gtest/gtest.h>

#include "geometry/spline_fit.h"

namespace korvo::commandset::editing {
namespace {

void ExpectPoints(const std::vector<PluginPoint>& actual,
                  const std::vector<PluginPoint>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-12);
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-12);
  }
}

TEST(FitSpline, HandComputedPatches) {
  const std::vector<PluginPoint> tent = {{0, 0}, {2, 2}, {4, 0}};
  const std::vector<PluginPoint> hook = {{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  const std::vector<PluginPoint> roof = {{0, 0}, {3, 3}, {6, 0}};
  struct Case {
    const char* name;
    std::vector<PluginPoint> controls;
    SplineKind kind;
    int steps;
    bool closed;
    std::vector<PluginPoint> expected;
  } cases[] = {
      {"two points stay as they are",
       {{0, 0}, {5, 1}},
       SplineKind::Cubic,
       8,
       false,
       {{0, 0}, {5, 1}}},
      {"two points closed come back",
       {{0, 0}, {5, 1}},
       SplineKind::Quadratic,
       8,
       true,
       {{0, 0}, {5, 1}, {0, 0}}},
      {"quadratic, one patch from end to end",
       tent,
       SplineKind::Quadratic,
       2,
       false,
       {{0, 0}, {2, 1}, {4, 0}}},
      // Open: pinned to the ends, the inner joint at the middle leg's midpoint.
      {"quadratic, two patches",
       hook,
       SplineKind::Quadratic,
       2,
       false,
       {{0, 0}, {1.5, 0.25}, {2, 1}, {1.5, 1.75}, {0, 2}}},
      // Closed: a patch around every corner, from one leg's midpoint to the next, starting
      // halfway along the first leg.
      {"quadratic closed",
       hook,
       SplineKind::Quadratic,
       1,
       true,
       {{1, 0}, {2, 1}, {1, 2}, {0, 1}, {1, 0}}},
      // The joint lies halfway between the two-thirds point (2, 2) and the one-third point
      // (4, 2); t = 1/2 of (0,0),(1,1),(2,2),(3,2) is (1.5, 1.375).
      {"cubic, one step a patch", roof, SplineKind::Cubic, 1, false, {{0, 0}, {3, 2}, {6, 0}}},
      {"cubic, two steps a patch",
       roof,
       SplineKind::Cubic,
       2,
       false,
       {{0, 0}, {1.5, 1.375}, {3, 2}, {4.5, 1.375}, {6, 0}}},
      {"no steps sample once", tent, SplineKind::Quadratic, 0, false, {{0, 0}, {4, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectPoints(FitSpline(c.controls, c.kind, c.steps, c.closed), c.expected);
  }
}

// A closed uniform cubic B-spline passes through (P[i-1] + 4 P[i] + P[i+1]) / 6 at its knots.
TEST(FitSpline, ClosedCubicKnotsAreTheBSplineAverages) {
  const std::vector<PluginPoint> p = {{0, 0}, {6, -1}, {9, 4}, {3, 8}, {-2, 5}};
  const int steps = 3;
  const std::vector<PluginPoint> curve = FitSpline(p, SplineKind::Cubic, steps, true);
  ASSERT_EQ(curve.size(), p.size() * steps + 1);
  for (std::size_t i = 0; i <= p.size(); ++i) {
    SCOPED_TRACE(i);
    const std::size_t n = p.size();
    const PluginPoint prev = p[(i + n - 1) % n];
    const PluginPoint mid = p[i % n];
    const PluginPoint next = p[(i + 1) % n];
    EXPECT_NEAR(curve[i * steps].x, (prev.x + 4 * mid.x + next.x) / 6, 1e-12);
    EXPECT_NEAR(curve[i * steps].y, (prev.y + 4 * mid.y + next.y) / 6, 1e-12);
  }
}

TEST(FitSpline, OpenCurvesRunFromFirstToLastControlPoint) {
  const std::vector<PluginPoint> p = {{1, 1}, {4, 7}, {8, -2}, {12, 3}, {15, 0}};
  for (SplineKind kind : {SplineKind::Quadratic, SplineKind::Cubic}) {
    SCOPED_TRACE(kind == SplineKind::Quadratic ? "quadratic" : "cubic");
    const std::vector<PluginPoint> curve = FitSpline(p, kind, 4, false);
    const std::size_t patches = kind == SplineKind::Quadratic ? p.size() - 2 : p.size() - 1;
    ASSERT_EQ(curve.size(), patches * 4 + 1);
    EXPECT_EQ(curve.front().x, 1);
    EXPECT_EQ(curve.front().y, 1);
    EXPECT_NEAR(curve.back().x, 15, 1e-12);
    EXPECT_NEAR(curve.back().y, 0, 1e-12);
  }
}

// The module fits as the drawing's own polylines fit, so a curve looks the same whoever made
// it.
TEST(FitSpline, AgreesWithTheDrawingsOwnFit) {
  const std::vector<PluginPoint> controls = {{0, 0}, {5, 8}, {9, -3}, {14, 4}, {20, 1}, {22, 9}};
  std::vector<Point> points;
  for (const PluginPoint& p : controls) points.emplace_back(p.x, p.y);
  for (bool closed : {false, true}) {
    for (SplineKind kind : {SplineKind::Quadratic, SplineKind::Cubic}) {
      SCOPED_TRACE(closed ? "closed" : "open");
      SCOPED_TRACE(kind == SplineKind::Quadratic ? "quadratic" : "cubic");
      const SplineDegree degree =
          kind == SplineKind::Quadratic ? SplineDegree::Quadratic : SplineDegree::Cubic;
      const std::vector<Point> expected = FitSplineCurve(points, degree, 5, closed);
      std::vector<PluginPoint> asPlugin;
      for (const Point& p : expected) asPlugin.push_back({p.x, p.y});
      ExpectPoints(FitSpline(controls, kind, 5, closed), asPlugin);
    }
  }
}

TEST(SplinePointCount, AsManyAsTheFitMakes) {
  const std::vector<PluginPoint> five = {{0, 0}, {1, 2}, {3, 1}, {4, 4}, {6, 0}};
  for (SplineKind kind : {SplineKind::Quadratic, SplineKind::Cubic}) {
    for (bool closed : {false, true}) {
      for (std::size_t n : {std::size_t{2}, std::size_t{3}, std::size_t{5}}) {
        SCOPED_TRACE(n);
        const std::span<const PluginPoint> controls(five.data(), n);
        EXPECT_EQ(SplinePointCount(n, kind, 7, closed),
                  FitSpline(controls, kind, 7, closed).size());
      }
    }
  }
  // A count far beyond what a polyline holds is told without being made.
  EXPECT_GT(SplinePointCount(1000, SplineKind::Cubic, 2147483647, false), kMostSplinePoints);
}

TEST(FittedVertices, WidthsFollowTheLengthAlongTheCurve) {
  struct Expected {
    double x, start, end;
  };
  struct Case {
    const char* name;
    std::vector<PluginPoint> curve;
    bool closed;
    std::vector<Expected> expected;
  } cases[] = {
      // Length 4 in legs of 1, 2 and 1; width 0 to 4 is one unit of width per unit of length.
      {"open",
       {{0, 0}, {1, 0}, {3, 0}, {4, 0}},
       false,
       {{0, 0, 1}, {1, 1, 3}, {3, 3, 4}, {4, 4, 4}}},
      // The repeated last point is dropped; its leg still counts in the length.
      {"closed",
       {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
       true,
       {{0, 0, 1}, {1, 1, 2}, {1, 2, 3}, {0, 3, 4}}},
      {"no length at all keeps the start width", {{2, 0}, {2, 0}}, false, {{2, 0, 0}, {2, 0, 4}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<FittedVertex> v = FittedVertices(c.curve, c.closed, 0, 4);
    ASSERT_EQ(v.size(), c.expected.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(v[i].position.x, c.expected[i].x);
      EXPECT_DOUBLE_EQ(v[i].startWidth, c.expected[i].start);
      EXPECT_DOUBLE_EQ(v[i].endWidth, c.expected[i].end);
    }
  }
}

}  // namespace
}  // namespace korvo::commandset::editing
