#include "core/arc_entity.h"

#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/point_near.h"

#include "core/archive.h"
#include "core/circle_entity.h"
#include "core/drawing_settings.h"
#include "core/ellipse_entity.h"
#include "core/entity_factory.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

constexpr double kEps = 1e-9;

const DrawingSettings& Settings() {
  static const DrawingSettings settings;
  return settings;
}

std::unique_ptr<ArcEntity> Arc(Point center, double radius, double start, double end) {
  return std::make_unique<ArcEntity>(Settings(), center, radius, start, end);
}

std::unique_ptr<ArcEntity> Elliptic(Point center, double radius, double ratio, double rotation,
                                    double start, double end) {
  return std::make_unique<EllipseEntity>(Settings(), center, radius, ratio, rotation, start, end);
}

std::unique_ptr<CircleEntity> Circle(Point center, double radius) {
  return std::make_unique<CircleEntity>(center, radius, Settings());
}

TEST(NormalizeAngles, StoredForm) {
  struct Case {
    const char* name;
    double start, end;
    double expectedStart, expectedEnd;
  } cases[] = {
      {"already normal", 0, kHalfPi, 0, kHalfPi},
      {"start beyond pi", 3 * kPi / 2, kHalfPi, -kHalfPi, kHalfPi},
      {"whole turns dropped", kTwoPi + kHalfPi, kTwoPi + kPi, kHalfPi, kPi},
      {"negative kept negative", -3 * kPi / 2, -kHalfPi, -3 * kPi / 2, -kHalfPi},
      {"end raised past a turn, both lowered", 3, 1, 3 - kTwoPi, 1},
      {"end more than a turn below the start", 2, -5, 2 - kTwoPi, -5 + kTwoPi},
      {"end more than a turn above the start", -3.5, 3, -3.5, 3 - kTwoPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    double start = c.start;
    double end = c.end;
    NormalizeAngles(start, end);
    EXPECT_NEAR(start, c.expectedStart, kEps);
    EXPECT_NEAR(end, c.expectedEnd, kEps);
  }
}

TEST(ArcEntity, ConstructorNormalises) {
  struct Case {
    const char* name;
    std::unique_ptr<ArcEntity> arc;
    double start, end, rotation;
    bool visible;
  } cases[] = {
      {"plain", Arc({1, 1}, 2, 0, kHalfPi), 0, kHalfPi, 0, true},
      {"zero length becomes full but hidden", Arc({0, 0}, 1, 0, 0), 0, kTwoPi, 0, false},
      {"full turn stays visible", Arc({0, 0}, 1, 0, kTwoPi), 0, kTwoPi, 0, true},
      {"rotation folded into the angles",
       std::make_unique<ArcEntity>(Settings(), Point(0, 0), 1, 1.0, kHalfPi, 0, kHalfPi), kHalfPi,
       kPi, 0, true},
      {"an elliptic arc keeps its rotation",
       std::make_unique<ArcEntity>(Settings(), Point(0, 0), 1, 0.5, kHalfPi, 0, kHalfPi), 0,
       kHalfPi, kHalfPi, true},
      {"an ellipse keeps its rotation at ratio 1", Elliptic({0, 0}, 1, 1.0, kHalfPi, 0, kHalfPi), 0,
       kHalfPi, kHalfPi, true},
      {"tiny angles become 0", Arc({0, 0}, 1, 1e-7, kPi), 0, kPi, 0, true},
      {"start beyond pi", Arc({0, 0}, 1, 3 * kPi / 2, kHalfPi), -kHalfPi, kHalfPi, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(c.arc->startAngle, c.start, kEps);
    EXPECT_NEAR(c.arc->endAngle, c.end, kEps);
    EXPECT_NEAR(c.arc->rotation, c.rotation, kEps);
    EXPECT_EQ(c.arc->visible != 0, c.visible);
  }
}

TEST(ArcEntity, NormalisedAnglesKeepTheirInvariants) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> angle(-20, 20);
  for (int i = 0; i < 10000; ++i) {
    const double start = angle(random);
    const double end = angle(random);
    const auto arc = Arc({0, 0}, 1, start, end);
    SCOPED_TRACE(::testing::Message() << start << " .. " << end);
    EXPECT_GT(arc->endAngle, arc->startAngle);
    EXPECT_LE(arc->endAngle - arc->startAngle, kTwoPi);
    EXPECT_GT(arc->startAngle, -kTwoPi);
    EXPECT_LE(arc->startAngle, kPi);
    // Still the same directions.
    EXPECT_NEAR(std::remainder(arc->startAngle - start, kTwoPi), 0, 1e-9);
    EXPECT_NEAR(std::remainder(arc->endAngle - end, kTwoPi), 0, 1e-9);
  }
}

TEST(ArcEntity, FromThreePoints) {
  struct Case {
    const char* name;
    Point p1, p2, p3;
    ArcFromThreePoints mode;
    bool visible;
    Point center;
    double radius;
    Point start, end;
  } cases[] = {
      {"centre, start, end",
       {0, 0},
       {2, 0},
       {0, 3},
       ArcFromThreePoints::CenterStartEnd,
       true,
       {0, 0},
       2,
       {2, 0},
       {0, 2}},
      {"three points counter-clockwise",
       {1, 0},
       {0, 1},
       {-1, 0},
       ArcFromThreePoints::ThroughThree,
       true,
       {0, 0},
       1,
       {1, 0},
       {-1, 0}},
      // The arc passes the middle point whichever way the points run: given clockwise, it
      // runs counter-clockwise from the last point to the first, over the top.
      {"three points clockwise",
       {-1, 0},
       {0, 1},
       {1, 0},
       ArcFromThreePoints::ThroughThree,
       true,
       {0, 0},
       1,
       {1, 0},
       {-1, 0}},
      {"three points clockwise, under the circle",
       {1, 0},
       {0, -1},
       {-1, 0},
       ArcFromThreePoints::ThroughThree,
       true,
       {0, 0},
       1,
       {-1, 0},
       {1, 0}},
      {"three collinear points",
       {0, 0},
       {1, 1},
       {2, 2},
       ArcFromThreePoints::ThroughThree,
       false,
       {0, 0},
       0,
       {0, 0},
       {0, 0}},
      {"continuing clockwise",
       {-1, 1},
       {0, 1},
       {1, 0},
       ArcFromThreePoints::TangentContinuation,
       true,
       {0, 0},
       1,
       {1, 0},
       {0, 1}},
      {"continuing counter-clockwise",
       {1, 1},
       {0, 1},
       {-1, 0},
       ArcFromThreePoints::TangentContinuation,
       true,
       {0, 0},
       1,
       {0, 1},
       {-1, 0}},
      {"continuing on a larger circle",
       {5, -1},
       {5, 0},
       {-5, 0},
       ArcFromThreePoints::TangentContinuation,
       true,
       {0, 0},
       5,
       {5, 0},
       {-5, 0}},
      {"continuing straight ahead",
       {-1, 0},
       {0, 0},
       {1, 0},
       ArcFromThreePoints::TangentContinuation,
       false,
       {0, 0},
       0,
       {0, 0},
       {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ArcEntity arc(Settings(), c.p1, c.p2, c.p3, c.mode);
    EXPECT_EQ(arc.visible != 0, c.visible);
    testing::ExpectPointNear(arc.center, c.center, kEps);
    EXPECT_NEAR(arc.radius, c.radius, kEps);
    EXPECT_EQ(arc.ratio, 1.0);
    EXPECT_EQ(arc.rotation, 0.0);
    EXPECT_GT(arc.endAngle, arc.startAngle);
    if (c.visible) {
      testing::ExpectPointNear(arc.StartPoint(), c.start, kEps);
      testing::ExpectPointNear(arc.EndPoint(), c.end, kEps);
    }
  }
}

TEST(ArcEntity, FactoryMakesTheKind) {
  const auto entity = CreateEntity(ElementCode::Arc);
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->GetElementCode(), 3);
  EXPECT_NE(entity->AsArc(), nullptr);
  EXPECT_EQ(entity->AsCircle(), nullptr);
}

TEST(ArcEntity, StartAndEndPointsOfAnEllipticArc) {
  const auto arc = Elliptic({1, 1}, 2, 0.5, kHalfPi, 0, kHalfPi);
  testing::ExpectPointNear(arc->StartPoint(), {1, 3}, kEps);
  testing::ExpectPointNear(arc->EndPoint(), {0, 1}, kEps);
}

TEST(ArcEntity, Extents) {
  const double h = std::sqrt(0.5);
  const double reach = 2 * std::hypot(h, 0.5 * h);  // half width of the tilted ellipse
  struct Case {
    const char* name;
    std::unique_ptr<ArcEntity> arc;
    Point min, max;
  } cases[] = {
      {"first quadrant", Arc({0, 0}, 1, 0, kHalfPi), {0, 0}, {1, 1}},
      {"across the top", Arc({0, 0}, 1, kPi / 4, 3 * kPi / 4), {-h, h}, {h, 1}},
      {"across 0", Arc({1, 1}, 1, -kHalfPi, kHalfPi), {1, 0}, {2, 2}},
      {"across pi", Arc({0, 0}, 1, 3 * kPi / 4, 5 * kPi / 4), {-1, -h}, {-h, h}},
      {"full circle", Arc({0, 0}, 1, 0, 0), {-1, -1}, {1, 1}},
      // The second quadrant, where this arc really lies.
      {"elliptic quarter", Elliptic({0, 0}, 2, 0.5, kHalfPi, 0, kHalfPi), {-1, 0}, {0, 2}},
      {"tilted full ellipse",
       Elliptic({0, 0}, 2, 0.5, kPi / 4, 0, kTwoPi),
       {-reach, -reach},
       {reach, reach}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point min, max;
    ASSERT_TRUE(c.arc->GetExtents(min, max));
    testing::ExpectPointNear(min, c.min, kEps);
    testing::ExpectPointNear(max, c.max, kEps);
  }
}

TEST(ArcEntity, CopyFrom) {
  auto target = Arc({0, 0}, 1, 0, 1);
  // An ellipse is an arc: its geometry is taken, and folded into the ARC's angles.
  auto ellipse = Elliptic({2, 3}, 4, 1.0, kHalfPi, 0, kHalfPi);
  ellipse->flags = EntityFlag::OutOfView;
  ellipse->colorIndex = 3;
  target->CopyFrom(*ellipse);
  EXPECT_EQ(target->center, Point(2, 3));
  EXPECT_EQ(target->radius, 4);
  EXPECT_NEAR(target->startAngle, kHalfPi, kEps);
  EXPECT_NEAR(target->endAngle, kPi, kEps);
  EXPECT_EQ(target->rotation, 0);
  EXPECT_EQ(target->colorIndex, 3);
  EXPECT_EQ(target->flags, 0);

  auto same = Arc({5, 5}, 2, 0.25, 0.5);
  target->CopyFrom(*same);
  EXPECT_EQ(target->center, Point(5, 5));
  EXPECT_EQ(target->startAngle, 0.25);
  EXPECT_EQ(target->endAngle, 0.5);

  target->CopyFrom(*Circle({9, 9}, 9));
  EXPECT_EQ(target->center, Point(5, 5));
  EXPECT_EQ(target->radius, 2);
}

TEST(ArcEntity, RotateFoldsTheTurnIntoTheAngles) {
  auto arc = Arc({1, 0}, 1, 0, kHalfPi);
  arc->Rotate(Rotation::About({0, 0}, kHalfPi));
  testing::ExpectPointNear(arc->center, {0, 1}, kEps);
  EXPECT_EQ(arc->rotation, 0);
  EXPECT_NEAR(arc->startAngle, kHalfPi, kEps);
  EXPECT_NEAR(arc->endAngle, kPi, kEps);

  auto ellipse = Elliptic({1, 0}, 2, 0.5, 0, 0, kHalfPi);
  ellipse->Rotate(Rotation::About({0, 0}, kHalfPi));
  EXPECT_NEAR(ellipse->rotation, kHalfPi, kEps);
  EXPECT_EQ(ellipse->startAngle, 0);
  testing::ExpectPointNear(ellipse->StartPoint(), {0, 3}, kEps);
}

TEST(ArcEntity, Translate) {
  auto arc = Arc({1, 0}, 1, 0, kHalfPi);
  arc->Translate({-1, 2});
  EXPECT_EQ(arc->center, Point(0, 2));
  EXPECT_EQ(arc->endAngle, kHalfPi);
}

// The scaled arc must run counter-clockwise over the scaled points: its start is the image
// of the old start (of the old end when the scaling mirrors), and the same for its middle.
TEST(ArcEntity, ScaleMapsTheArcOntoTheScaledPoints) {
  const double r2 = std::sqrt(2.0);
  struct Case {
    const char* name;
    std::unique_ptr<ArcEntity> arc;
    Scaling scaling;
    Point start, middle, end;  // expected, where they are known by hand
    double tolerance;
  } cases[] = {
      {"uniform", Arc({1, 0}, 1, 0, kHalfPi), {{0, 0}, 2, 2}, {4, 0}, {2 + r2, r2}, {2, 2}, kEps},
      {"uniform negative",
       Arc({0, 0}, 1, 0, kHalfPi),
       {{0, 0}, -1, -1},
       {-1, 0},
       {-r2 / 2, -r2 / 2},
       {0, -1},
       kEps},
      {"stretched", Arc({0, 0}, 1, 0, kHalfPi), {{0, 0}, 2, 1}, {2, 0}, {r2, r2 / 2}, {0, 1}, kEps},
      {"mirrored",
       Arc({1, 1}, 2, 0, kHalfPi),
       {{0, 0}, -1, 1},
       {-1, 3},
       {-1 - r2, 1 + r2},
       {-3, 1},
       kEps},
      {"mirrored and stretched",
       Arc({1, 1}, 2, 0, kHalfPi),
       {{0, 0}, -2, 1},
       {-2, 3},
       {-2 - 2 * r2, 1 + r2},
       {-6, 1},
       kEps},
      {"mirrored about x",
       Arc({0, 0}, 1, 0, kHalfPi),
       {{0, 0}, 1, -1},
       {0, -1},
       {r2 / 2, -r2 / 2},
       {1, 0},
       kEps},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.arc->Scale(c.scaling);
    EXPECT_GT(c.arc->endAngle, c.arc->startAngle);
    testing::ExpectPointNear(c.arc->StartPoint(), c.start, c.tolerance);
    testing::ExpectPointNear(c.arc->EndPoint(), c.end, c.tolerance);
    testing::ExpectPointNear(c.arc->Frame().PointAt((c.arc->startAngle + c.arc->endAngle) / 2),
                             c.middle, c.tolerance);
  }
}

TEST(ArcEntity, ScaleOfEllipticArcsKeepsTheirEnds) {
  const Scaling scalings[] = {
      {{1, 2}, -1, 1}, {{0, 0}, 2, 0.5}, {{-3, 1}, 1.5, -0.75}, {{0, 0}, -2, -3}};
  for (const Scaling& scaling : scalings) {
    SCOPED_TRACE(::testing::Message() << scaling.sx << ", " << scaling.sy);
    const auto original = Elliptic({1, 1}, 2, 0.5, 0.3, 0.2, 1.5);
    auto arc = Elliptic({1, 1}, 2, 0.5, 0.3, 0.2, 1.5);
    arc->Scale(scaling);
    const Point start = scaling.Apply(original->StartPoint());
    const Point end = scaling.Apply(original->EndPoint());
    const double tolerance = 1e-3 * arc->radius;
    testing::ExpectPointNear(arc->StartPoint(), scaling.Mirrors() ? end : start, tolerance);
    testing::ExpectPointNear(arc->EndPoint(), scaling.Mirrors() ? start : end, tolerance);
    // Points inside the old arc stay on the new one.
    for (int i = 1; i < 8; ++i) {
      const double t = original->startAngle + (original->endAngle - original->startAngle) * i / 8;
      Point unused;
      EXPECT_LT(arc->NearestPoint(scaling.Apply(original->Frame().PointAt(t)), unused), tolerance)
          << i;
    }
  }
}

// The two ends of a full turn are one point; mirrored or stretched, their images came out a
// rounding step apart and the full curve collapsed to a sliver that was then saved.
TEST(ArcEntity, FullTurnCollapsedToASliverByScaling) {
  std::mt19937 random(1210);
  std::uniform_real_distribution<double> unit(-1, 1);
  for (int trial = 0; trial < 2000; ++trial) {
    const double start = 3 * unit(random);
    const Point center(10 * unit(random), 10 * unit(random));
    const double radius = 1 + 4 * std::fabs(unit(random));
    std::unique_ptr<ArcEntity> arc =
        trial % 2 == 0 ? Arc(center, radius, start, start)
                       : Elliptic(center, radius, 0.2 + 0.7 * std::fabs(unit(random)),
                                  3 * unit(random), start, start);
    // Factors apart from each other and from zero, either sign: mirrors and stretches.
    const double sx = (trial % 3 == 0 ? -1 : 1) * (0.2 + 3 * std::fabs(unit(random)));
    const double sy = (trial % 4 == 1 ? -1 : 1) * (0.2 + 3 * std::fabs(unit(random)));
    SCOPED_TRACE(::testing::Message()
                 << "trial " << trial << ": start " << start << ", " << sx << " x " << sy);
    arc->Scale({{unit(random), unit(random)}, sx, sy});
    ASSERT_NEAR(arc->endAngle - arc->startAngle, kTwoPi, 1e-12);
  }
}

TEST(ArcEntity, NearestPoint) {
  const double h = std::sqrt(0.5);
  struct Case {
    const char* name;
    std::unique_ptr<ArcEntity> arc;
    Point p;
    Point expected;
  } cases[] = {
      {"within the arc", Arc({0, 0}, 1, 0, kHalfPi), {2, 2}, {h, h}},
      {"past the end", Arc({0, 0}, 1, 0, kHalfPi), {-1, -0.1}, {0, 1}},
      {"before the start", Arc({0, 0}, 1, 0, kHalfPi), {0.5, -5}, {1, 0}},
      {"a tie goes to the end", Arc({0, 0}, 1, 0, kHalfPi), {-1, -1}, {0, 1}},
      {"start below -pi",
       std::make_unique<ArcEntity>(Settings(), Point(0, 0), 1, 1.0, 0.0, -3 * kPi / 2, -kHalfPi),
       {-2, 0},
       {-1, 0}},
      {"elliptic arc", Elliptic({0, 0}, 2, 0.5, 0, 0, kHalfPi), {0, 3}, {0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out;
    const double d = c.arc->NearestPoint(c.p, out);
    testing::ExpectPointNear(out, c.expected, kEps);
    EXPECT_NEAR(d, Distance(c.p, c.expected), kEps);
  }
}

TEST(ArcEntity, NearestKeyPoint) {
  const double h = std::sqrt(0.5);
  const auto arc = Arc({0, 0}, 1, 0, kHalfPi);
  struct Case {
    const char* name;
    Point p;
    Point expected;
  } cases[] = {
      {"start", {0.9, -0.1}, {1, 0}},
      {"end", {0.1, 0.9}, {0, 1}},
      {"middle", {0.6, 0.6}, {h, h}},
      {"centre", {0.1, 0.1}, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out;
    EXPECT_NEAR(arc->NearestKeyPoint(c.p, out), Distance(c.p, c.expected), kEps);
    testing::ExpectPointNear(out, c.expected, kEps);
  }
}

TEST(ArcEntity, CrossesRectOnlyWhereTheArcIs) {
  const auto arc = Arc({0, 0}, 5, 0, kHalfPi);
  EXPECT_TRUE(arc->CrossesRect(4, 2, 6, 4));       // on the arc
  EXPECT_FALSE(arc->CrossesRect(-6, -4, -4, -2));  // on its circle, off the arc
}

TEST(ArcEntity, IntersectionsWithCirclesAndArcs) {
  struct Case {
    const char* name;
    std::unique_ptr<ArcEntity> arc;
    std::unique_ptr<Entity> other;
    std::vector<Point> expected;
  } cases[] = {
      {"quarters meeting end to start",
       Arc({0, 0}, 1, 0, kHalfPi),
       Arc({0, 0}, 1, kHalfPi, kPi),
       {{0, 1}}},
      {"halves meeting at both ends",
       Arc({0, 0}, 1, 0, kPi),
       Arc({0, 0}, 1, kPi, kTwoPi),
       {{1, 0}, {-1, 0}}},
      {"concentric, overlapping", Arc({0, 0}, 1, 0, kPi), Arc({0, 0}, 1, kHalfPi, 3 * kHalfPi), {}},
      {"touching once",
       Arc({0, 0}, 1, 0, 3),
       Arc({0, 0}, 1, 3, 5),
       {{std::cos(3.0), std::sin(3.0)}}},
      {"touching once, but together more than a turn",
       Arc({0, 0}, 1, 0, 3),
       Arc({0, 0}, 1, 3, kTwoPi + 1),
       {}},
      {"concentric, other radius", Arc({0, 0}, 1, 0, kHalfPi), Arc({0, 0}, 2, kHalfPi, kPi), {}},
      {"concentric circle", Arc({0, 0}, 1, 0, kHalfPi), Circle({0, 0}, 1), {}},
      {"upper half and a circle", Arc({0, 0}, 5, 0, kPi), Circle({8, 0}, 5), {{4, 3}}},
      {"arc away from the circle", Arc({0, 0}, 5, kHalfPi, kPi), Circle({8, 0}, 5), {}},
      {"two arcs", Arc({0, 0}, 5, 0, kHalfPi), Arc({8, 0}, 5, kHalfPi, kPi), {{4, 3}}},
      {"ending on the crossing",
       Arc({0, 0}, 5, -kHalfPi, std::atan2(3.0, 4.0)),
       Circle({8, 0}, 5),
       {{4, 3}, {4, -3}}},
      {"ending a hair before the crossing",
       Arc({0, 0}, 5, -kHalfPi, std::atan2(3.0, 4.0) - 1e-9),
       Circle({8, 0}, 5),
       {{4, 3}, {4, -3}}},
      {"ending clearly before the crossing",
       Arc({0, 0}, 5, -kHalfPi, std::atan2(3.0, 4.0) - 1e-5),
       Circle({8, 0}, 5),
       {{4, -3}}},
      // Parameters of an ellipse count from its axis: this one runs from π/2 to π.
      {"circular ellipse turned a quarter",
       Elliptic({0, 0}, 5, 1.0, kHalfPi, 0, kHalfPi),
       Circle({-8, 0}, 5),
       {{-4, 3}}},
      {"elliptic arc", Elliptic({0, 0}, 5, 0.5, 0, 0, kPi), Circle({8, 0}, 5), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out;
    // Both directions of the double dispatch find the same points.
    EXPECT_EQ(c.arc->IntersectWith(*c.other, out), static_cast<int>(c.expected.size()));
    EXPECT_EQ(c.other->IntersectWith(*c.arc, out), static_cast<int>(c.expected.size()));
    ASSERT_EQ(out.size(), 2 * c.expected.size());
    for (const Point& expected : c.expected) {
      int found = 0;
      for (const Point& p : out) found += Distance(p, expected) < 1e-5;
      EXPECT_EQ(found, 2) << expected.x << ", " << expected.y;
    }
  }
}

TEST(ArcEntity, IntersectWithLineAndPointKeepsItsPart) {
  const DrawingSettings& settings = Settings();
  const double s3 = std::sqrt(3.0) / 2;
  struct Case {
    const char* name;
    std::unique_ptr<ArcEntity> arc;
    Point a, b;
    std::vector<Point> expected;
  } cases[] = {
      {"upper half, horizontal line",
       Arc({0, 0}, 1, 0, kPi),
       {-2, 0.5},
       {2, 0.5},
       {{-s3, 0.5}, {s3, 0.5}}},
      {"upper half, line below", Arc({0, 0}, 1, 0, kPi), {-2, -0.5}, {2, -0.5}, {}},
      {"quarter, vertical line", Arc({0, 0}, 1, 0, kHalfPi), {0.5, -2}, {0.5, 2}, {{0.5, s3}}},
      {"quarter, line through its start", Arc({0, 0}, 1, 0, kHalfPi), {1, -1}, {1, 1}, {{1, 0}}},
      {"elliptic arc", Elliptic({0, 0}, 2, 0.5, 0, 0, kHalfPi), {1, 5}, {1, -5}, {{1, s3}}},
      {"point on the arc", Arc({0, 0}, 1, 0, kHalfPi), {0, 1}, {0, 1}, {{0, 1}}},
      {"point on the circle, off the arc", Arc({0, 0}, 1, 0, kHalfPi), {0, -1}, {0, -1}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out;
    if (c.a == c.b) {
      const PointEntity point(settings, c.a);
      EXPECT_EQ(point.IntersectWith(*c.arc, out), static_cast<int>(c.expected.size()));
      EXPECT_EQ(c.arc->IntersectWith(point, out), static_cast<int>(c.expected.size()));
    } else {
      const LineEntity line(c.a, c.b, settings);
      EXPECT_EQ(line.IntersectWith(*c.arc, out), static_cast<int>(c.expected.size()));
      EXPECT_EQ(c.arc->IntersectWith(line, out), static_cast<int>(c.expected.size()));
    }
    ASSERT_EQ(out.size(), 2 * c.expected.size());
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      testing::ExpectPointNear(out[i], c.expected[i], kEps);
      testing::ExpectPointNear(out[i + c.expected.size()], c.expected[i], kEps);
    }
  }
}

// Every reported intersection lies on both entities, and two full circles that must cross
// report two points.
TEST(ArcEntity, IntersectionsLieOnBothCurves) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> coordinate(-10, 10);
  std::uniform_real_distribution<double> size(0.5, 8);
  std::uniform_real_distribution<double> angle(-kTwoPi, kTwoPi);
  std::uniform_real_distribution<double> unit(0.2, 1);
  const auto onEntity = [](const Entity& entity, const Point& p) {
    Point nearest;
    return entity.NearestPoint(p, nearest) < 1e-5;
  };
  int reported = 0;
  for (int i = 0; i < 2000; ++i) {
    const Point c1(coordinate(random), coordinate(random));
    const Point c2(coordinate(random), coordinate(random));
    const double r1 = size(random);
    const double r2 = size(random);
    const auto arc1 = Arc(c1, r1, angle(random), angle(random));
    const auto arc2 = Arc(c2, r2, angle(random), angle(random));
    const auto circle1 = Circle(c1, r1);
    const auto circle2 = Circle(c2, r2);
    const auto ellipse =
        Elliptic(c1, r1, unit(random), angle(random), angle(random), angle(random));
    const LineEntity line(Point(coordinate(random), coordinate(random)),
                          Point(coordinate(random), coordinate(random)), Settings());
    const std::pair<const Entity*, const Entity*> pairs[] = {
        {arc1.get(), arc2.get()},      {arc1.get(), circle2.get()}, {circle1.get(), circle2.get()},
        {arc1.get(), &line},           {circle1.get(), &line},      {ellipse.get(), &line},
        {ellipse.get(), circle2.get()}};
    for (const auto& [a, b] : pairs) {
      PointList out;
      const int count = a->IntersectWith(*b, out);
      ASSERT_EQ(count, static_cast<int>(out.size()));
      reported += count;
      for (const Point& p : out) {
        EXPECT_TRUE(onEntity(*a, p)) << i << ": " << p.x << ", " << p.y;
        EXPECT_TRUE(onEntity(*b, p)) << i << ": " << p.x << ", " << p.y;
      }
    }
    const double d = Distance(c1, c2);
    if (d > std::fabs(r1 - r2) + 1e-3 && d < r1 + r2 - 1e-3) {
      PointList out;
      EXPECT_EQ(circle1->IntersectWith(*circle2, out), 2) << i;
    }
  }
  EXPECT_GT(reported, 1000);  // the cases do meet
}

TEST(ArcEntity, Properties) {
  auto arc = Arc({1, 2}, 3, 0, kHalfPi);
  PropertyValue value;
  const struct {
    int code;
    double expected;
  } reads[] = {{10, 1}, {20, 2}, {40, 3}, {50, 0}, {51, kHalfPi}};
  for (const auto& read : reads) {
    ASSERT_TRUE(arc->GetProperty(read.code, value)) << read.code;
    EXPECT_EQ(std::get<double>(value), read.expected) << read.code;
  }
  ASSERT_TRUE(arc->GetProperty(PairCode(10, 20), value));
  EXPECT_EQ(std::get<Point>(value), Point(1, 2));
  EXPECT_FALSE(arc->GetProperty(41, value));
  EXPECT_FALSE(arc->GetProperty(11, value));

  EXPECT_TRUE(arc->SetProperty(PairCode(20, 10), Point(4, 5)));
  EXPECT_EQ(arc->center, Point(4, 5));
  EXPECT_TRUE(arc->SetProperty(40, 6.0));
  EXPECT_EQ(arc->radius, 6);
  // Angles are normalised as they are set.
  EXPECT_TRUE(arc->SetProperty(50, 3 * kHalfPi));
  EXPECT_NEAR(arc->startAngle, -kHalfPi, kEps);
  EXPECT_NEAR(arc->endAngle, kHalfPi, kEps);
  EXPECT_TRUE(arc->SetProperty(51, 0.0));
  EXPECT_NEAR(arc->startAngle, -kHalfPi, kEps);
  EXPECT_NEAR(arc->endAngle, 0, kEps);
  EXPECT_FALSE(arc->SetProperty(51, Point(1, 1)));
  EXPECT_NEAR(arc->endAngle, 0, kEps);
}

// centre (1.5, -2), radius 0.25, start 0.5, end 2, rotation 0, ratio 1.
const std::vector<uint8_t> kArcBody = {
    0, 0, 0, 0, 0, 0, 0xF8, 0x3F,  // 1.5
    0, 0, 0, 0, 0, 0, 0x00, 0xC0,  // -2
    0, 0, 0, 0, 0, 0, 0xD0, 0x3F,  // 0.25
    0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
    0, 0, 0, 0, 0, 0, 0x00, 0x40,  // 2
    0, 0, 0, 0, 0, 0, 0x00, 0x00,  // 0
    0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  // 1
};

TEST(ArcEntity, ReadsAndWritesItsBody) {
  ArcEntity arc;
  ArchiveReader reader(kArcBody);
  arc.ReadBody(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(arc.center, Point(1.5, -2));
  EXPECT_EQ(arc.radius, 0.25);
  EXPECT_EQ(arc.startAngle, 0.5);
  EXPECT_EQ(arc.endAngle, 2.0);
  EXPECT_EQ(arc.rotation, 0.0);
  EXPECT_EQ(arc.ratio, 1.0);
  EXPECT_EQ(arc.visible, 1);
  ArchiveWriter writer;
  EXPECT_TRUE(arc.WriteBody(writer));
  EXPECT_EQ(writer.bytes(), kArcBody);
}

TEST(ArcEntity, ReadingNormalises) {
  // centre (0, 0), radius 1, start 0, end 0, rotation 0.5, ratio 1.
  const std::vector<uint8_t> body = {
      0, 0, 0, 0, 0, 0, 0,    0,     // 0
      0, 0, 0, 0, 0, 0, 0,    0,     // 0
      0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  // 1
      0, 0, 0, 0, 0, 0, 0,    0,     // 0
      0, 0, 0, 0, 0, 0, 0,    0,     // 0
      0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
      0, 0, 0, 0, 0, 0, 0xF0, 0x3F,  // 1
  };
  ArcEntity arc;
  ArchiveReader reader(body);
  arc.ReadBody(reader);
  EXPECT_EQ(arc.visible, 0);
  EXPECT_EQ(arc.rotation, 0.0);
  EXPECT_EQ(arc.startAngle, 0.5);
  EXPECT_EQ(arc.endAngle, 0.5 + kTwoPi);
}

TEST(ArcEntity, FullArcSurvivesARoundTrip) {
  const auto arc = Arc({1, 1}, 2, 0, kTwoPi);
  ArchiveWriter writer;
  arc->WriteBody(writer);
  ArcEntity read;
  ArchiveReader reader(writer.bytes());
  read.ReadBody(reader);
  EXPECT_EQ(read.visible, 1);
  EXPECT_EQ(read.startAngle, arc->startAngle);
  EXPECT_EQ(read.endAngle, arc->endAngle);
}

TEST(ArcEntity, ShortBodyIsAnEndOfFileError) {
  const std::vector<uint8_t> shortBody(kArcBody.begin(), kArcBody.end() - 8);
  ArcEntity arc;
  ArchiveReader reader(shortBody);
  EXPECT_THROW(arc.ReadBody(reader), ArchiveError);
}

TEST(ArcEntity, NonFiniteValuesNeitherCrashNorHang) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double values[] = {nan, inf, -inf, 0.0};
  for (double v : values) {
    SCOPED_TRACE(v);
    const auto shapes = {Arc({v, 0}, 1, 0, 1), Arc({0, 0}, v, 0, 1), Arc({0, 0}, 1, v, 1),
                         Elliptic({0, 0}, 1, v, 0, 0, 1), Elliptic({0, 0}, 1, 0.5, v, 0, 1)};
    for (const auto& arc : shapes) {
      Point out;
      arc->NearestPoint({1, 1}, out);
      arc->NearestKeyPoint({1, 1}, out);
      Point min, max;
      arc->GetExtents(min, max);
      PointList points;
      arc->IntersectWith(*Circle({1, 0}, 1), points);
      arc->IntersectWith(*arc, points);
      for (const Point& p : points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
      arc->Scale({{0, 0}, 2, 3});
      arc->Scale({{0, 0}, v, 1});
      arc->Rotate(Rotation::About({0, 0}, v));
    }
  }
}

}  // namespace
}  // namespace korvo
