#include "core/circle_entity.h"

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/point_near.h"

#include "core/arc_entity.h"
#include "core/archive.h"
#include "core/drawing_settings.h"
#include "core/ellipse_entity.h"
#include "core/entity_factory.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

constexpr double kEps = 1e-9;

std::unique_ptr<CircleEntity> MakeCircle(Point center, double radius, double ratio = 1,
                                         double rotation = 0) {
  auto circle = std::make_unique<CircleEntity>();
  circle->center = center;
  circle->radius = radius;
  circle->ratio = ratio;
  circle->rotation = rotation;
  return circle;
}

TEST(CircleEntity, Constructors) {
  const DrawingSettings settings;
  struct Case {
    const char* name;
    CircleEntity circle;
    Point center;
    double radius;
    bool visible;
  } cases[] = {
      {"centre and radius", CircleEntity({1, 2}, 3, settings), {1, 2}, 3, true},
      {"centre and point",
       CircleEntity({1, 1}, {4, 5}, settings, CircleFromTwoPoints::CenterAndPoint),
       {1, 1},
       5,
       true},
      {"diameter",
       CircleEntity({1, 1}, {7, 9}, settings, CircleFromTwoPoints::Diameter),
       {4, 5},
       5,
       true},
      {"three points", CircleEntity({0, 0}, {2, 0}, {1, 1}, settings), {1, 0}, 1, true},
      {"three points off the axes",
       CircleEntity({7, 3}, {3, 7}, {-1, 3}, settings),
       {3, 3},
       4,
       true},
      {"collinear points", CircleEntity({0, 0}, {1, 1}, {2, 2}, settings), {0, 0}, 0, false},
      {"two equal points", CircleEntity({5, 5}, {5, 5}, {1, 2}, settings), {0, 0}, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::ExpectPointNear(c.circle.center, c.center, kEps);
    EXPECT_NEAR(c.circle.radius, c.radius, kEps);
    EXPECT_EQ(c.circle.ratio, 1.0);
    EXPECT_EQ(c.circle.rotation, 0.0);
    EXPECT_EQ(c.circle.visible != 0, c.visible);
  }
}

TEST(CircleEntity, FactoryMakesTheKind) {
  const auto entity = CreateEntity(ElementCode::Circle);
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->GetElementCode(), 2);
  EXPECT_NE(entity->AsCircle(), nullptr);
  EXPECT_EQ(entity->AsArc(), nullptr);
}

TEST(CircleEntity, ExtentsIgnoreRatioAndRotation) {
  Point min, max;
  ASSERT_TRUE(MakeCircle({1, 2}, 3, 0.5, 1.0)->GetExtents(min, max));
  testing::ExpectPointNear(min, {-2, -1}, kEps);
  testing::ExpectPointNear(max, {4, 5}, kEps);
}

TEST(CircleEntity, ExtentsCoverARatioAboveOne) {
  // The "minor" axis is the longer one here: the box must still hold the curve.
  Point min, max;
  ASSERT_TRUE(MakeCircle({0, 0}, 1, 2.0)->GetExtents(min, max));
  testing::ExpectPointNear(min, {-2, -2}, kEps);
  testing::ExpectPointNear(max, {2, 2}, kEps);
}

TEST(CircleEntity, CopyFromCopiesOnlyCircles) {
  const auto sourceOwner = MakeCircle({1, 2}, 3, 0.5, 0.25);
  CircleEntity& source = *sourceOwner;
  source.colorIndex = 5;
  source.lineWeight = 0.35;
  source.flags = EntityFlag::Selected | EntityFlag::OutOfView;
  CircleEntity target;
  target.CopyFrom(source);
  EXPECT_EQ(target.center, Point(1, 2));
  EXPECT_EQ(target.radius, 3);
  EXPECT_EQ(target.ratio, 0.5);
  EXPECT_EQ(target.rotation, 0.25);
  EXPECT_EQ(target.colorIndex, 5);
  EXPECT_EQ(target.lineWeight, 0.35);
  EXPECT_EQ(target.flags, EntityFlag::Selected);

  const ArcEntity arc(DrawingSettings(), Point(9, 9), 9, 0, 1);
  target.CopyFrom(arc);
  EXPECT_EQ(target.center, Point(1, 2));
  EXPECT_EQ(target.radius, 3);
}

TEST(CircleEntity, TranslateAndRotate) {
  const auto circleOwner = MakeCircle({1, 0}, 2, 0.5, 0.1);
  CircleEntity& circle = *circleOwner;
  circle.Translate({1, 1});
  EXPECT_EQ(circle.center, Point(2, 1));
  circle.Rotate(Rotation::About({0, 0}, kHalfPi));
  testing::ExpectPointNear(circle.center, {-1, 2}, kEps);
  EXPECT_NEAR(circle.rotation, 0.1 + kHalfPi, kEps);
  EXPECT_EQ(circle.radius, 2);
}

TEST(CircleEntity, Scale) {
  struct Case {
    const char* name;
    std::unique_ptr<CircleEntity> circle;
    Scaling scaling;
    Point center;
    double radius;
    double ratio;
    double rotation;  // compared modulo π: an ellipse is the same turned half round
  } cases[] = {
      {"uniform by 2", MakeCircle({1, 0}, 1), {{0, 0}, 2, 2}, {2, 0}, 2, 1, 0},
      {"uniform keeps the ratio",
       MakeCircle({1, 1}, 2, 0.5, 0.3),
       {{1, 0}, 3, 3},
       {1, 3},
       6,
       0.5,
       0.3},
      {"uniform negative",
       MakeCircle({1, 1}, 2, 0.5, 0.3),
       {{0, 0}, -1, -1},
       {-1, -1},
       2,
       0.5,
       0.3},
      {"stretched along x", MakeCircle({0, 0}, 1), {{0, 0}, 2, 1}, {0, 0}, 2, 0.5, 0},
      {"stretched along y", MakeCircle({1, 1}, 1), {{0, 0}, 1, 2}, {1, 2}, 2, 0.5, kHalfPi},
      {"ellipse squeezed along its major axis",
       MakeCircle({0, 0}, 4, 0.5),
       {{0, 0}, 0.25, 1},
       {0, 0},
       2,
       0.5,
       kHalfPi},
      {"mirror", MakeCircle({2, 0}, 1, 0.5, 0.5), {{0, 0}, -1, 1}, {-2, 0}, 1, 0.5, -0.5},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.circle->Scale(c.scaling);
    testing::ExpectPointNear(c.circle->center, c.center, kEps);
    EXPECT_NEAR(c.circle->radius, c.radius, 1e-9);
    EXPECT_NEAR(c.circle->ratio, c.ratio, 1e-9);
    EXPECT_NEAR(std::remainder(c.circle->rotation - c.rotation, kPi), 0, 1e-9);
  }
}

// The curve's points, scaled, must lie on the scaled curve.
TEST(CircleEntity, NonUniformScaleOfARotatedEllipseKeepsItsPoints) {
  struct Case {
    const char* name;
    std::unique_ptr<CircleEntity> circle;
    Scaling scaling;
  } cases[] = {
      {"rotated ellipse", MakeCircle({1, 1}, 3, 0.4, 0.7), {{-1, 2}, 2, 0.5}},
      {"circle, one factor negative", MakeCircle({0, 3}, 2), {{1, 1}, -3, 1}},
      {"ellipse, both factors negative", MakeCircle({5, -2}, 1, 0.8, 2.0), {{0, 0}, -1, -2.5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto scaledOwner =
        MakeCircle(c.circle->center, c.circle->radius, c.circle->ratio, c.circle->rotation);
    CircleEntity& scaled = *scaledOwner;
    scaled.Scale(c.scaling);
    EXPECT_LE(scaled.ratio, 1.0 + 1e-9);
    for (int i = 0; i < 16; ++i) {
      const Point image = c.scaling.Apply(c.circle->Frame().PointAt(i * kTwoPi / 16));
      Point unused;
      // The search for the major axis stops at a distance change of 1e-6, so the axis
      // direction is only that good.
      EXPECT_LT(scaled.NearestPoint(image, unused), 1e-3 * scaled.radius) << i;
    }
  }
}

TEST(CircleEntity, ScaleOfDegenerateCirclesEnds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const auto zeroOwner = MakeCircle({1, 1}, 0);
  CircleEntity& zero = *zeroOwner;
  zero.Scale({{0, 0}, 2, 3});
  EXPECT_EQ(zero.center, Point(2, 3));
  EXPECT_EQ(zero.radius, 0);

  const Scaling scalings[] = {
      {{0, 0}, nan, 1}, {{0, 0}, inf, 1}, {{0, 0}, 0, 1}, {{0, 0}, 1, -inf}};
  for (const Scaling& scaling : scalings) {
    const auto circleOwner = MakeCircle({1, 1}, 2, 0.5, 0.3);
    CircleEntity& circle = *circleOwner;
    circle.Scale(scaling);
    const auto infiniteOwner = MakeCircle({0, 0}, inf);
    CircleEntity& infinite = *infiniteOwner;
    infinite.Scale(scaling);
    const auto undefinedOwner = MakeCircle({nan, 0}, nan, nan, nan);
    CircleEntity& undefined = *undefinedOwner;
    undefined.Scale(scaling);
  }
  // A zero factor would flatten the circle onto a line that has no frame: it is refused.
  const auto flatOwner = MakeCircle({0, 0}, 2);
  CircleEntity& flat = *flatOwner;
  flat.Scale({{0, 0}, 0, 1});
  EXPECT_EQ(flat.radius, 2);
  EXPECT_EQ(flat.ratio, 1);
}

TEST(CircleEntity, NearestPoint) {
  struct Case {
    const char* name;
    std::unique_ptr<CircleEntity> circle;
    Point p;
    Point expected;
    double distance;
  } cases[] = {
      {"outside", MakeCircle({0, 0}, 5), {10, 0}, {5, 0}, 5},
      {"inside", MakeCircle({0, 0}, 5), {0, -1}, {0, -5}, 4},
      {"centre picks direction 0", MakeCircle({1, 1}, 5), {1, 1}, {6, 1}, 5},
      {"ellipse along its major axis", MakeCircle({1, 1}, 2, 0.5, kHalfPi), {1, 5}, {1, 3}, 2},
      {"ellipse along its minor axis", MakeCircle({1, 1}, 2, 0.5, kHalfPi), {4, 1}, {2, 1}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out;
    EXPECT_NEAR(c.circle->NearestPoint(c.p, out), c.distance, kEps);
    testing::ExpectPointNear(out, c.expected, kEps);
  }
}

TEST(CircleEntity, NearestKeyPoint) {
  struct Case {
    const char* name;
    std::unique_ptr<CircleEntity> circle;
    Point p;
    Point expected;
  } cases[] = {
      {"quadrant point", MakeCircle({0, 0}, 5), {4, 1}, {5, 0}},
      {"centre", MakeCircle({0, 0}, 5), {0.1, 0.1}, {0, 0}},
      {"bottom", MakeCircle({0, 0}, 5), {-1, -4}, {0, -5}},
      {"a tie keeps the earlier candidate", MakeCircle({0, 0}, 5), {3, 3}, {5, 0}},
      // In the unit frame (0.9, 0.2) is (0.2, -1.8), next to the end of the major axis at
      // (0, -2), which is the drawing point (1, 0).
      {"ellipse, nearest in its unit frame",
       MakeCircle({0, 0}, 2, 0.5, kHalfPi),
       {0.9, 0.2},
       {1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out;
    const double d = c.circle->NearestKeyPoint(c.p, out);
    testing::ExpectPointNear(out, c.expected, kEps);
    EXPECT_NEAR(d, Distance(c.p, c.expected), kEps);
  }
}

TEST(CircleEntity, CrossesRect) {
  const auto circleOwner = MakeCircle({0, 0}, 5);
  const CircleEntity& circle = *circleOwner;
  struct Case {
    const char* name;
    double x1, y1, x2, y2;
    bool expected;
  } cases[] = {
      {"straddles the curve", 4, -1, 6, 1, true},
      {"inside the circle", -1, -1, 1, 1, false},
      {"far away", 10, 10, 12, 12, false},
      {"holds the whole circle", -6, -6, 6, 6, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(circle.CrossesRect(c.x1, c.y1, c.x2, c.y2), c.expected);
  }
}

TEST(CircleEntity, IntersectWithCircle) {
  struct Case {
    const char* name;
    std::unique_ptr<CircleEntity> a;
    std::unique_ptr<CircleEntity> b;
    std::vector<Point> expected;
  } cases[] = {
      {"side by side", MakeCircle({0, 0}, 5), MakeCircle({8, 0}, 5), {{4, 3}, {4, -3}}},
      {"one above the other", MakeCircle({0, 0}, 5), MakeCircle({0, 8}, 5), {{3, 4}, {-3, 4}}},
      {"diagonal", MakeCircle({1, 1}, 5), MakeCircle({8, 8}, 5), {{5, 4}, {4, 5}}},
      {"touching", MakeCircle({0, 0}, 5), MakeCircle({10, 0}, 5), {{5, 0}}},
      {"apart", MakeCircle({0, 0}, 1), MakeCircle({5, 0}, 1), {}},
      {"one inside the other", MakeCircle({0, 0}, 5), MakeCircle({1, 0}, 1), {}},
      {"concentric and equal", MakeCircle({2, 2}, 3), MakeCircle({2, 2}, 3), {}},
      {"an ellipse never", MakeCircle({0, 0}, 5, 0.5), MakeCircle({8, 0}, 5), {}},
      {"nor the other way", MakeCircle({0, 0}, 5), MakeCircle({8, 0}, 5, 0.5), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out = {{99, 99}};
    EXPECT_EQ(c.a->IntersectWithCircle(*c.b, out), static_cast<int>(c.expected.size()));
    ASSERT_EQ(out.size(), c.expected.size() + 1);
    EXPECT_EQ(out[0], Point(99, 99));  // appended, not replaced
    // The root of the chord equation is kept to single precision.
    for (std::size_t i = 0; i < c.expected.size(); ++i)
      testing::ExpectPointNear(out[i + 1], c.expected[i], 1e-5);
  }
}

TEST(CircleEntity, IntersectionsWithNonFiniteCirclesAreEmpty) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const auto goodOwner = MakeCircle({0, 0}, 5);
  const CircleEntity& good = *goodOwner;
  const std::unique_ptr<CircleEntity> bad[] = {MakeCircle({nan, 0}, 5), MakeCircle({8, 0}, nan),
                                               MakeCircle({inf, 0}, 5), MakeCircle({8, 0}, inf)};
  for (const auto& owner : bad) {
    const CircleEntity& circle = *owner;
    PointList out;
    EXPECT_EQ(good.IntersectWith(circle, out), 0);
    EXPECT_EQ(circle.IntersectWith(good, out), 0);
    EXPECT_TRUE(out.empty());
    Point nearest;
    circle.NearestPoint({1, 1}, nearest);
    circle.NearestKeyPoint({1, 1}, nearest);
  }
}

TEST(CircleEntity, IntersectWithDispatchesToTheOtherKind) {
  const auto circleOwner = MakeCircle({0, 0}, 5);
  const CircleEntity& circle = *circleOwner;
  const ArcEntity upperHalf(DrawingSettings(), Point(8, 0), 5, kHalfPi, kPi * 1.5);
  PointList fromCircle;
  PointList fromArc;
  EXPECT_EQ(circle.IntersectWith(upperHalf, fromCircle), 2);
  EXPECT_EQ(upperHalf.IntersectWith(circle, fromArc), 2);
  ASSERT_EQ(fromCircle.size(), 2u);
  ASSERT_EQ(fromArc.size(), 2u);
  const auto otherOwner = MakeCircle({8, 0}, 5);
  const CircleEntity& other = *otherOwner;
  PointList out;
  EXPECT_EQ(circle.IntersectWith(other, out), 2);
}

TEST(CircleEntity, IntersectWithLineAndPoint) {
  const DrawingSettings settings;
  const double s3 = std::sqrt(3.0) / 2;
  struct Case {
    const char* name;
    std::unique_ptr<CircleEntity> circle;
    Point a, b;
    std::vector<Point> expected;
  } cases[] = {
      {"line through a circle", MakeCircle({1, 1}, 5), {-10, 1}, {10, 1}, {{-4, 1}, {6, 1}}},
      {"line from the centre", MakeCircle({1, 1}, 5), {1, 1}, {1, 10}, {{1, 6}}},
      {"line through an ellipse", MakeCircle({0, 0}, 2, 0.5), {1, 5}, {1, -5}, {{1, s3}, {1, -s3}}},
      {"line through a turned ellipse",
       MakeCircle({0, 0}, 2, 0.5, kHalfPi),
       {5, 1},
       {-5, 1},
       {{s3, 1}, {-s3, 1}}},
      {"line missing", MakeCircle({0, 0}, 2), {-5, 3}, {5, 3}, {}},
      {"point on the circle", MakeCircle({1, 1}, 5), {4, 5}, {4, 5}, {{4, 5}}},
      {"point off the circle", MakeCircle({1, 1}, 5), {4, 4}, {4, 4}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out;
    if (c.a == c.b) {
      const PointEntity point(settings, c.a);
      EXPECT_EQ(point.IntersectWith(*c.circle, out), static_cast<int>(c.expected.size()));
      EXPECT_EQ(c.circle->IntersectWith(point, out), static_cast<int>(c.expected.size()));
    } else {
      const LineEntity line(c.a, c.b, settings);
      EXPECT_EQ(line.IntersectWith(*c.circle, out), static_cast<int>(c.expected.size()));
      EXPECT_EQ(c.circle->IntersectWith(line, out), static_cast<int>(c.expected.size()));
    }
    ASSERT_EQ(out.size(), 2 * c.expected.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      testing::ExpectPointNear(out[i], c.expected[i], kEps);
      testing::ExpectPointNear(out[i + c.expected.size()], c.expected[i], kEps);
    }
  }
}

TEST(CircleEntity, SolidIntersectsCircleByItsEdges) {
  const DrawingSettings settings;
  const SolidEntity square(-1, -1, 2, 2, settings);  // the square (-1, -1)-(1, 1)
  const auto circle = MakeCircle({1, 1}, 1);
  PointList out;
  // The edges x = 1 and y = 1 run through the centre: (1, 0) and (0, 1).
  EXPECT_EQ(square.IntersectWith(*circle, out), 2);
  EXPECT_EQ(circle->IntersectWith(square, out), 2);
  ASSERT_EQ(out.size(), 4u);
  for (const Point& p : out) {
    EXPECT_TRUE(Distance(p, {1, 0}) < kEps || Distance(p, {0, 1}) < kEps) << p.x << ", " << p.y;
  }
}

TEST(CircleEntity, Properties) {
  const auto circleOwner = MakeCircle({1, 2}, 3);
  CircleEntity& circle = *circleOwner;
  PropertyValue value;
  ASSERT_TRUE(circle.GetProperty(10, value));
  EXPECT_EQ(std::get<double>(value), 1);
  ASSERT_TRUE(circle.GetProperty(20, value));
  EXPECT_EQ(std::get<double>(value), 2);
  ASSERT_TRUE(circle.GetProperty(40, value));
  EXPECT_EQ(std::get<double>(value), 3);
  ASSERT_TRUE(circle.GetProperty(0x000A0014, value));
  EXPECT_EQ(std::get<Point>(value), Point(1, 2));
  ASSERT_TRUE(circle.GetProperty(0x0014000A, value));
  EXPECT_EQ(std::get<Point>(value), Point(1, 2));
  EXPECT_FALSE(circle.GetProperty(50, value));
  EXPECT_FALSE(circle.GetProperty(11, value));

  EXPECT_TRUE(circle.SetProperty(10, 4.0));
  EXPECT_TRUE(circle.SetProperty(20, 5.0));
  EXPECT_TRUE(circle.SetProperty(40, 6.0));
  EXPECT_EQ(circle.center, Point(4, 5));
  EXPECT_EQ(circle.radius, 6);
  EXPECT_TRUE(circle.SetProperty(PairCode(20, 10), Point(7, 8)));
  EXPECT_EQ(circle.center, Point(7, 8));
  EXPECT_FALSE(circle.SetProperty(40, 1));  // an int is not a radius
  EXPECT_FALSE(circle.SetProperty(10, Point(1, 1)));
  EXPECT_FALSE(circle.SetProperty(50, 1.0));
  EXPECT_EQ(circle.center, Point(7, 8));
  EXPECT_EQ(circle.radius, 6);
}

// centre (1.5, -2), radius 0.25, rotation 0.5, ratio 1: five little-endian doubles.
const std::vector<uint8_t> kCircleBody = {
    0, 0, 0, 0, 0, 0, 0xF8, 0x3F,  // 1.5
    0, 0, 0, 0, 0, 0, 0x00, 0xC0,  // -2
    0, 0, 0, 0, 0, 0, 0xD0, 0x3F,  // 0.25
    0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
    0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  // 1
};

TEST(CircleEntity, ReadsAndWritesItsBody) {
  CircleEntity circle;
  ArchiveReader reader(kCircleBody);
  circle.ReadBody(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(circle.center, Point(1.5, -2));
  EXPECT_EQ(circle.radius, 0.25);
  EXPECT_EQ(circle.rotation, 0.5);
  EXPECT_EQ(circle.ratio, 1.0);

  ArchiveWriter writer;
  EXPECT_TRUE(circle.WriteBody(writer));
  EXPECT_EQ(writer.bytes(), kCircleBody);
}

TEST(CircleEntity, ShortBodyIsAnEndOfFileError) {
  const std::vector<uint8_t> shortBody(kCircleBody.begin(), kCircleBody.end() - 1);
  CircleEntity circle;
  ArchiveReader reader(shortBody);
  try {
    circle.ReadBody(reader);
    FAIL() << "no error";
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveErrorKind::EndOfFile);
  }
}

}  // namespace
}  // namespace korvo
