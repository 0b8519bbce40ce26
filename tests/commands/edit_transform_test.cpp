#include "commands/edit_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/drawing_settings.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"
#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;

// Scaling with the point on the base changes nothing, not even the last bits of a rotated
// ellipse's radius, which a scale by 1 through its axis arithmetic would move.
TEST(EditTransform, FactorOneLeavesARotatedEllipseExactlyAsItWas) {
  const DrawingSettings settings;
  EllipseEntity ellipse(settings, Point(105, 100), 10, 0.5, 0.6, 0, 2 * std::acos(-1.0));
  const Point center = ellipse.center;
  const double radius = ellipse.radius, ratio = ellipse.ratio, rotation = ellipse.rotation;
  const double start = ellipse.startAngle, end = ellipse.endAngle;
  ScaleTransform({20, 20}, {20, 20}).Apply(ellipse);
  EXPECT_EQ(ellipse.center, center);
  EXPECT_EQ(ellipse.radius, radius);
  EXPECT_EQ(ellipse.ratio, ratio);
  EXPECT_EQ(ellipse.rotation, rotation);
  EXPECT_EQ(ellipse.startAngle, start);
  EXPECT_EQ(ellipse.endAngle, end);
}

TEST(EditTransform, TakesPointsWhereTheUserPutThem) {
  struct Case {
    const char* name;
    EditTransform transform;
    Point in, out;
  } cases[] = {
      {"move by the displacement", MoveTransform({1, 1}, {4, 5}), {2, 3}, {5, 7}},
      {"rotate a quarter turn about (1, 1)", RotateTransform({1, 1}, {1, 9}), {2, 1}, {1, 2}},
      {"rotate towards the centre itself: angle 0",
       RotateTransform({1, 1}, {1, 1}),
       {2, 3},
       {2, 3}},
      {"scale by the distance 5", ScaleTransform({0, 0}, {3, 4}), {1, 2}, {5, 10}},
      {"scale about a base off the origin", ScaleTransform({1, 1}, {1, 3}), {2, 2}, {3, 3}},
      {"scale with the point on the base: factor 1",
       ScaleTransform({2, 2}, {2, 2}),
       {7, -3},
       {7, -3}},
      {"mirror about the y axis", *MirrorTransform({0, 0}, {0, 1}), {3, 1}, {-3, 1}},
      {"mirror about the y axis, drawn downwards",
       *MirrorTransform({0, 5}, {0, -2}),
       {3, 1},
       {-3, 1}},
      {"mirror about y = 1", *MirrorTransform({-4, 1}, {6, 1}), {3, 3}, {3, -1}},
      {"mirror about y = x", *MirrorTransform({1, 1}, {2, 2}), {2, 0}, {0, 2}},
      {"a point on the mirror line stays", *MirrorTransform({0, 0}, {2, 1}), {4, 2}, {4, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectPointNear(c.transform.Apply(c.in), c.out, 1e-12);
  }
}

TEST(EditTransform, ScaleFactorIsTheDistanceAndNeverZero) {
  EXPECT_EQ(ScaleFactor({1, 1}, {1, 3.5}), 2.5);
  EXPECT_EQ(ScaleFactor({1, 1}, {1, 1}), 1.0);
  EXPECT_EQ(ScaleTransform({0, 0}, {0, 0}).scaling().sx, 1.0);
  EXPECT_EQ(ScaleTransform({0, 0}, {0, 0}).scaling().sy, 1.0);
}

TEST(EditTransform, MirrorLineOfNoLengthDefinesNoReflection) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(MirrorTransform({2, 3}, {2, 3}).has_value());
  EXPECT_FALSE(MirrorTransform({0, 0}, {kNaN, 1}).has_value());
  EXPECT_FALSE(MirrorTransform({kInf, 0}, {0, 1}).has_value());
  // The smallest line there is still defines one.
  EXPECT_TRUE(MirrorTransform({0, 0}, {0, std::numeric_limits<double>::denorm_min()}));
}

// The entity operations and the point form agree, so what the preview shows is what the
// command applies.
TEST(EditTransform, EntitiesGoWhereTheirPointsGo) {
  DrawingSettings settings;
  const EditTransform transforms[] = {
      MoveTransform({0, 0}, {-2, 7}),
      RotateTransform({1, 2}, {-3, 5}),
      ScaleTransform({1, 2}, {1, 2.25}),
      *MirrorTransform({1, -1}, {4, 3}),
  };
  for (const EditTransform& t : transforms) {
    SCOPED_TRACE(static_cast<int>(t.kind()));
    LineEntity line({3, 1}, {-1, 4}, settings);
    t.Apply(line);
    ExpectPointNear(line.start, t.Apply(Point(3, 1)), 1e-12);
    ExpectPointNear(line.end, t.Apply(Point(-1, 4)), 1e-12);
  }
}

TEST(EditTransform, MirrorTwiceIsTheIdentity) {
  const EditTransform mirror = *MirrorTransform({1, 2}, {-3, 7});
  const Point p(5, -4);
  ExpectPointNear(mirror.Apply(mirror.Apply(p)), p, 1e-12);
  EXPECT_NE(mirror.Apply(p), p);
}

}  // namespace
}  // namespace korvo
