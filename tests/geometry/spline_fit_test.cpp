#include "geometry/spline_fit.h"

#include <vector>

#include <gtest/gtest.h>

#include "tests/support/point_near.h"

namespace korvo {
namespace {

TEST(FitSplineCurve, HandComputedCurves) {
  struct Case {
    const char* name;
    std::vector<Point> controls;
    SplineDegree degree;
    uint32_t steps;
    bool closed;
    std::vector<Point> expected;
  } cases[] = {
      // One quadratic patch (0,0) (2,4) (4,0): at t = 1/2 the point is (2, 2).
      {"open quadratic, one patch",
       {{0, 0}, {2, 4}, {4, 0}},
       SplineDegree::Quadratic,
       2,
       false,
       {{0, 0}, {2, 2}, {4, 0}}},
      // Two patches: (0,0) (2,4) (3,2) and (3,2) (4,0) (6,0).
      {"open quadratic, two patches",
       {{0, 0}, {2, 4}, {4, 0}, {6, 0}},
       SplineDegree::Quadratic,
       1,
       false,
       {{0, 0}, {3, 2}, {6, 0}}},
      // Legs cut at thirds; the joint is the middle of (4/3, 8/3)... of b0 = (4/3, 8/3) and
      // a1 = (8/3, 8/3): (2, 8/3).
      {"open cubic, joints only",
       {{0, 0}, {2, 4}, {4, 0}},
       SplineDegree::Cubic,
       1,
       false,
       {{0, 0}, {2, 8.0 / 3}, {4, 0}}},
      // Three patches [P0, a0, b0, S1], [S1, a1, b1, S2], [S2, a2, b2, P3] with the legs cut
      // at their thirds (a, b) and the joints S1 = (3, 2), S2 = (6, 1); each also at t = 1/2.
      {"open cubic, two steps a patch",
       {{0, 0}, {3, 3}, {6, 0}, {9, 3}},
       SplineDegree::Cubic,
       2,
       false,
       {{0, 0}, {1.5, 1.375}, {3, 2}, {4.5, 1.5}, {6, 1}, {7.5, 1.625}, {9, 3}}},
      // A closed quadratic over a square passes through the middles of its sides.
      {"closed quadratic square",
       {{0, 0}, {2, 0}, {2, 2}, {0, 2}},
       SplineDegree::Quadratic,
       1,
       true,
       {{1, 0}, {2, 1}, {1, 2}, {0, 1}, {1, 0}}},
      {"two controls come back unchanged",
       {{0, 0}, {1, 1}},
       SplineDegree::Cubic,
       8,
       false,
       {{0, 0}, {1, 1}}},
      {"no steps: unchanged",
       {{0, 0}, {1, 1}, {2, 0}},
       SplineDegree::Cubic,
       0,
       false,
       {{0, 0}, {1, 1}, {2, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<Point> curve = FitSplineCurve(c.controls, c.degree, c.steps, c.closed);
    ASSERT_EQ(curve.size(), c.expected.size());
    EXPECT_EQ(SplineCurvePointCount(c.controls.size(), c.degree, c.steps, c.closed), curve.size());
    for (std::size_t i = 0; i < curve.size(); ++i)
      testing::ExpectPointNear(curve[i], c.expected[i]);
  }
}

TEST(FitSplineCurve, ClosedCubicIsSymmetricAndInsideItsPolygon) {
  const std::vector<Point> square = {{0, 0}, {6, 0}, {6, 6}, {0, 6}};
  const std::vector<Point> curve = FitSplineCurve(square, SplineDegree::Cubic, 8, true);
  ASSERT_EQ(curve.size(), 4u * 8 + 1);
  testing::ExpectPointNear(curve.front(), curve.back());
  for (const Point& p : curve) {
    EXPECT_GT(p.x, 0);
    EXPECT_LT(p.x, 6);
    // Symmetric about the square's centre.
    bool mirrored = false;
    for (const Point& q : curve) {
      if (std::abs(q.x - (6 - p.x)) < 1e-9 && std::abs(q.y - (6 - p.y)) < 1e-9) mirrored = true;
    }
    EXPECT_TRUE(mirrored);
  }
}

}  // namespace
}  // namespace korvo
