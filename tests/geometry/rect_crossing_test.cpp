#include "geometry/rect_crossing.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace korvo {
namespace {

constexpr WorldRect kRect{0, 0, 10, 10};

TEST(SegmentTouchesRect, Cases) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    Point a, b;
    bool touches;
  } cases[] = {
      {"inside", {2, 2}, {3, 3}, true},
      {"through, ends outside", {-5, 5}, {15, 5}, true},
      {"along the border", {-5, 10}, {15, 10}, true},
      {"touching a corner", {-1, 11}, {1, 9}, true},
      {"diagonal missing the corner", {-2, 9}, {2, 13}, false},
      {"a point inside", {4, 4}, {4, 4}, true},
      {"a point outside", {11, 4}, {11, 4}, false},
      {"vertical, beside", {10.5, -5}, {10.5, 15}, false},
      {"no number", {nan, 5}, {15, 5}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SegmentTouchesRect(c.a, c.b, kRect), c.touches);
    EXPECT_EQ(SegmentTouchesRect(c.b, c.a, kRect), c.touches);
  }
}

TEST(FilledPolygonTouchesRect, Cases) {
  const Point square[] = {{-5, -5}, {-5, 15}, {15, 15}, {15, -5}};
  const Point triangle[] = {{-5, 0}, {0, -5}, {-5, -5}};
  // A bow tie: its crossing halves are filled, the gaps above and below the crossing are not.
  const Point bowTie[] = {{-10, -10}, {20, 20}, {20, -10}, {-10, 20}};
  EXPECT_TRUE(FilledPolygonTouchesRect(square, kRect));
  EXPECT_FALSE(FilledPolygonTouchesRect(triangle, kRect));
  EXPECT_TRUE(FilledPolygonTouchesRect(bowTie, kRect));
  EXPECT_FALSE(FilledPolygonTouchesRect(bowTie, WorldRect{4, 14, 6, 15}));
  EXPECT_TRUE(FilledPolygonTouchesRect(bowTie, WorldRect{-8, 4, -7, 6}));
}

TEST(CurveTouchesRect, Cases) {
  const CurveFrame circle{{5, 5}, 3, 1, 0};
  const CurveFrame ellipse{{5, 5}, 4, 0.25, kHalfPi};  // upright: 2 wide, 8 high
  const ParameterRange upperHalf = ParameterRange::Of(0, kPi);
  struct Case {
    const char* name;
    CurveFrame curve;
    const ParameterRange* range;
    WorldRect rect;
    bool touches;
  } cases[] = {
      {"containing the circle", circle, nullptr, kRect, true},
      {"inside the circle, clear of it", circle, nullptr, {4, 4, 6, 6}, false},
      {"thin, through the edge", circle, nullptr, {7.9, 4.9, 8.1, 4.95}, true},
      {"touching from outside", circle, nullptr, {8, 0, 9, 10}, true},
      {"upper half, rectangle on the lower", circle, &upperHalf, {4.9, 1.9, 5.1, 2.1}, false},
      {"upper half, rectangle on the upper", circle, &upperHalf, {4.9, 7.9, 5.1, 8.1}, true},
      {"upright ellipse, beside it", ellipse, nullptr, {6.1, 4, 7, 6}, false},
      {"upright ellipse, touching its side", ellipse, nullptr, {6, 4, 7, 6}, true},
      {"upright ellipse, across its top", ellipse, nullptr, {0, 8.9, 10, 9.1}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CurveTouchesRect(c.curve, c.range, c.rect), c.touches);
  }
}

}  // namespace
}  // namespace korvo
