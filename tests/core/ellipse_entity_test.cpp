#include "core/ellipse_entity.h"

#include <cmath>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/point_near.h"

#include "core/archive.h"
#include "core/drawing_settings.h"
#include "core/entity_factory.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

constexpr double kEps = 1e-9;

const DrawingSettings& Settings() {
  static const DrawingSettings settings;
  return settings;
}

TEST(EllipseEntity, FactoryMakesAnArcKind) {
  const auto entity = CreateEntity(ElementCode::Ellipse);
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->GetElementCode(), 8);
  EXPECT_NE(entity->AsArc(), nullptr);
  EXPECT_EQ(entity->AsCircle(), nullptr);
}

TEST(EllipseEntity, FromAxisPointsAndGeometricAngles) {
  struct Case {
    const char* name;
    Point center, axisEnd, minorPoint;
    double start, end;
    double radius, ratio, rotation;
    Point startPoint, endPoint;
  } cases[] = {
      // The start lies on the 45° ray, not at parameter π/4.
      {"axis along x",
       {0, 0},
       {2, 0},
       {0, 1},
       kPi / 4,
       kPi,
       2,
       0.5,
       0,
       {2 / std::sqrt(5.0), 2 / std::sqrt(5.0)},
       {-2, 0}},
      {"axis along y", {1, 1}, {1, 3}, {0, 1}, 0, kHalfPi, 2, 0.5, kHalfPi, {1, 3}, {0, 1}},
      {"below the axis",
       {0, 0},
       {2, 0},
       {0, 1},
       -kPi / 4,
       0,
       2,
       0.5,
       0,
       {2 / std::sqrt(5.0), -2 / std::sqrt(5.0)},
       {2, 0}},
      {"full ellipse", {0, 0}, {3, 0}, {0, 1}, 0, kTwoPi, 3, 1.0 / 3, 0, {3, 0}, {3, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EllipseEntity ellipse(c.center, c.axisEnd, c.minorPoint, c.start, c.end, Settings());
    EXPECT_NEAR(ellipse.radius, c.radius, kEps);
    EXPECT_NEAR(ellipse.ratio, c.ratio, kEps);
    EXPECT_NEAR(ellipse.rotation, c.rotation, kEps);
    EXPECT_EQ(ellipse.visible, 1);
    testing::ExpectPointNear(ellipse.StartPoint(), c.startPoint, kEps);
    testing::ExpectPointNear(ellipse.EndPoint(), c.endPoint, kEps);
  }
}

TEST(EllipseEntity, FullEllipseFromGeometricAnglesSpansATurn) {
  const EllipseEntity ellipse({0, 0}, {3, 0}, {0, 1}, 0, kTwoPi, Settings());
  EXPECT_EQ(ellipse.startAngle, 0);
  EXPECT_EQ(ellipse.endAngle, kTwoPi);
}

TEST(EllipseEntity, WithoutExtentHasNoUndefinedRatio) {
  const EllipseEntity ellipse({1, 1}, {1, 1}, {2, 2}, 0.5, 1, Settings());
  EXPECT_EQ(ellipse.radius, 0);
  EXPECT_EQ(ellipse.ratio, 1);
  EXPECT_TRUE(std::isfinite(ellipse.startAngle) && std::isfinite(ellipse.endAngle));
}

TEST(EllipseEntity, KeepsItsRotationWhenCircular) {
  const EllipseEntity ellipse(Settings(), {0, 0}, 1, 1.0, kHalfPi, 0, kHalfPi);
  EXPECT_EQ(ellipse.rotation, kHalfPi);
  EXPECT_EQ(ellipse.startAngle, 0);
  EXPECT_EQ(ellipse.endAngle, kHalfPi);
  EllipseEntity copy;
  copy.CopyFrom(ellipse);
  EXPECT_EQ(copy.rotation, kHalfPi);
  EXPECT_EQ(copy.endAngle, kHalfPi);
}

TEST(EllipseEntity, GetProperties) {
  const EllipseEntity ellipse(Settings(), {1, 1}, 2, 0.5, kHalfPi, 0.25, 1.5);
  const struct {
    int code;
    double expected;
  } reads[] = {{10, 1}, {20, 1}, {11, 1}, {21, 3}, {40, 0.5}, {41, 0.25}, {42, 1.5}};
  for (const auto& read : reads) {
    PropertyValue value;
    ASSERT_TRUE(ellipse.GetProperty(read.code, value)) << read.code;
    EXPECT_NEAR(std::get<double>(value), read.expected, kEps) << read.code;
  }
  const struct {
    int code;
    Point expected;
  } pairs[] = {{PairCode(10, 20), {1, 1}},
               {PairCode(20, 10), {1, 1}},
               {PairCode(11, 21), {1, 3}},
               {PairCode(21, 11), {1, 3}}};
  for (const auto& pair : pairs) {
    PropertyValue value;
    ASSERT_TRUE(ellipse.GetProperty(pair.code, value)) << pair.code;
    testing::ExpectPointNear(std::get<Point>(value), pair.expected, kEps);
  }
  PropertyValue value;
  EXPECT_FALSE(ellipse.GetProperty(50, value));
  EXPECT_FALSE(ellipse.GetProperty(51, value));
}

TEST(EllipseEntity, SetProperties) {
  EllipseEntity ellipse(Settings(), {1, 1}, 2, 0.5, kHalfPi, 0.25, 1.5);
  // A new axis end turns and stretches the ellipse; the parameters stay.
  EXPECT_TRUE(ellipse.SetProperty(PairCode(11, 21), Point(4, 5)));
  EXPECT_NEAR(ellipse.radius, 5, kEps);
  EXPECT_NEAR(ellipse.rotation, std::atan2(4.0, 3.0), kEps);
  EXPECT_EQ(ellipse.startAngle, 0.25);
  testing::ExpectPointNear(ellipse.AxisEnd(), {4, 5}, kEps);

  EXPECT_TRUE(ellipse.SetProperty(21, 1.0));  // axis end (4, 1)
  EXPECT_NEAR(ellipse.radius, 3, kEps);
  EXPECT_NEAR(ellipse.rotation, 0, kEps);

  EXPECT_TRUE(ellipse.SetProperty(40, 0.25));
  EXPECT_EQ(ellipse.ratio, 0.25);

  EXPECT_TRUE(ellipse.SetProperty(41, 3 * kHalfPi));
  EXPECT_NEAR(ellipse.startAngle, -kHalfPi, kEps);
  EXPECT_NEAR(ellipse.endAngle, 1.5, kEps);
  EXPECT_TRUE(ellipse.SetProperty(42, 2.0));
  EXPECT_NEAR(ellipse.endAngle, 2.0, kEps);

  EXPECT_FALSE(ellipse.SetProperty(50, 1.0));
  EXPECT_FALSE(ellipse.SetProperty(51, 1.0));
  EXPECT_FALSE(ellipse.SetProperty(41, 1));  // an int is not an angle
  EXPECT_NEAR(ellipse.startAngle, -kHalfPi, kEps);
  EXPECT_NEAR(ellipse.endAngle, 2.0, kEps);

  EXPECT_TRUE(ellipse.SetProperty(PairCode(20, 10), Point(0, 0)));
  EXPECT_EQ(ellipse.center, Point(0, 0));
  EXPECT_NEAR(ellipse.radius, 3, kEps);
}

// centre (-1, 0.5), radius 4, start 0.5, end 3, rotation 0.25, ratio 0.5.
const std::vector<uint8_t> kEllipseBody = {
    0, 0, 0, 0, 0, 0, 0xF0, 0xBF,  // -1
    0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
    0, 0, 0, 0, 0, 0, 0x10, 0x40,  // 4
    0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
    0, 0, 0, 0, 0, 0, 0x08, 0x40,  // 3
    0, 0, 0, 0, 0, 0, 0xD0, 0x3F,  // 0.25
    0, 0, 0, 0, 0, 0, 0xE0, 0x3F,  // 0.5
};

TEST(EllipseEntity, ReadsAndWritesItsBody) {
  EllipseEntity ellipse;
  ArchiveReader reader(kEllipseBody);
  ellipse.ReadBody(reader);
  EXPECT_EQ(reader.Remaining(), 0u);
  EXPECT_EQ(ellipse.center, Point(-1, 0.5));
  EXPECT_EQ(ellipse.radius, 4);
  EXPECT_EQ(ellipse.startAngle, 0.5);
  EXPECT_EQ(ellipse.endAngle, 3);
  EXPECT_EQ(ellipse.rotation, 0.25);
  EXPECT_EQ(ellipse.ratio, 0.5);
  EXPECT_EQ(ellipse.visible, 1);
  ArchiveWriter writer;
  EXPECT_TRUE(ellipse.WriteBody(writer));
  EXPECT_EQ(writer.bytes(), kEllipseBody);
}

TEST(EllipseEntity, PropertyRoundTrips) {
  EllipseEntity ellipse(Settings(), {1, 2}, 3, 0.5, 0.75, -1, 2);
  const int codes[] = {10, 20, 11, 21, 40, 41, 42, PairCode(10, 20), PairCode(11, 21)};
  for (int code : codes) {
    SCOPED_TRACE(code);
    PropertyValue before;
    ASSERT_TRUE(ellipse.GetProperty(code, before));
    ASSERT_TRUE(ellipse.SetProperty(code, before));
    PropertyValue after;
    ASSERT_TRUE(ellipse.GetProperty(code, after));
    if (const double* d = std::get_if<double>(&before)) {
      EXPECT_NEAR(std::get<double>(after), *d, kEps);
    } else {
      testing::ExpectPointNear(std::get<Point>(after), std::get<Point>(before), kEps);
    }
  }
  EXPECT_NEAR(ellipse.radius, 3, kEps);
  EXPECT_NEAR(ellipse.rotation, 0.75, kEps);
  EXPECT_EQ(ellipse.ratio, 0.5);
}

// Regression: reducing both ends of a full turn separately could leave them a rounding step
// apart, so that a full or zero-length elliptic arc reopened as a sliver.
TEST(EllipseEntity, FullTurnIsStableAcrossSaveAndReopen) {
  for (int i = -700; i <= 700; ++i) {
    const double start = i * 0.01;
    for (double span : {0.0, kTwoPi}) {
      SCOPED_TRACE(::testing::Message() << "start " << start << " span " << span);
      const EllipseEntity first(Settings(), {1, 2}, 3, 0.5, 0.25, start, start + span);
      EXPECT_NEAR(first.endAngle - first.startAngle, kTwoPi, 1e-12);
      const EllipseEntity* current = &first;
      EllipseEntity reopened[3];
      for (EllipseEntity& next : reopened) {
        ArchiveWriter writer;
        ASSERT_TRUE(current->WriteBody(writer));
        ArchiveReader reader(writer.bytes());
        next.ReadBody(reader);
        EXPECT_EQ(next.startAngle, first.startAngle);
        EXPECT_EQ(next.endAngle, first.endAngle);
        current = &next;
      }
    }
  }
}

// Regression: angles that reduced to −0 or to a value near 0 were normalised differently the
// second time, so such arcs changed on every save and reopen.
TEST(EllipseEntity, NormalisingAgainChangesNothing) {
  struct Case {
    const char* name;
    double start, end;
  } cases[] = {
      {"start a turn below 0", -kTwoPi, -3},
      {"start just over a turn", kTwoPi + 1e-7, 3},
      {"end just over two turns", -1, 2 * kTwoPi + 5e-7},
      {"zero length near 0", 3e-7, 3e-7},
      {"nearly a turn from a tiny start", 5e-7, kTwoPi},
      {"ends swapped across 0", 1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EllipseEntity first(Settings(), {0, 0}, 2, 0.5, 0.1, c.start, c.end);
    EXPECT_FALSE(std::signbit(first.startAngle) && first.startAngle == 0);
    EXPECT_GT(first.endAngle, first.startAngle);
    EXPECT_LE(first.endAngle - first.startAngle, kTwoPi);
    ArchiveWriter writer;
    ASSERT_TRUE(first.WriteBody(writer));
    EllipseEntity reopened;
    ArchiveReader reader(writer.bytes());
    reopened.ReadBody(reader);
    ArchiveWriter again;
    ASSERT_TRUE(reopened.WriteBody(again));
    EXPECT_EQ(again.bytes(), writer.bytes());
  }
}

}  // namespace
}  // namespace korvo
