#include "core/point_entity.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "core/point_display.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"

namespace korvo {
namespace {

using testing::BodyBytes;
using testing::ExpectPointNear;
using testing::ReadWholeBody;

const DrawingSettings& Defaults() {
  static const DrawingSettings settings;
  return settings;
}

TEST(PointDisplay, StartsAtTheDrawingDefaultsAndScopesRestore) {
  EXPECT_EQ(CurrentPointDisplay().mode, 34);
  EXPECT_EQ(CurrentPointDisplay().halfSize, 2.5);
  {
    ScopedPointDisplay outer(3, 1.0);
    EXPECT_EQ(CurrentPointDisplay().mode, 3);
    {
      ScopedPointDisplay inner(64, 0.0);
      EXPECT_EQ(CurrentPointDisplay().mode, 64);
    }
    EXPECT_EQ(CurrentPointDisplay().mode, 3);
    EXPECT_EQ(CurrentPointDisplay().halfSize, 1.0);
  }
  EXPECT_EQ(CurrentPointDisplay().mode, 34);
}

TEST(PointDisplay, PublishesHalfTheDrawingsSize) {
  ScopedPointDisplay keep(0, 0);
  DrawingSettings settings;
  settings.pointDisplayMode = 98;
  settings.pointDisplaySize = 7;
  PublishPointDisplay(settings);
  EXPECT_EQ(CurrentPointDisplay().mode, 98);
  EXPECT_EQ(CurrentPointDisplay().halfSize, 3.5);
}

TEST(PointEntity, Constructors) {
  const PointEntity a(Defaults(), Point(1, 2));
  const PointEntity b(Defaults(), 3, 4);
  EXPECT_EQ(a.position, Point(1, 2));
  EXPECT_EQ(b.position, Point(3, 4));
  EXPECT_EQ(a.GetElementCode(), 16);
  EXPECT_EQ(a.colorIndex, 256);
  EXPECT_FALSE(a.IsFilled(1.0));
  EXPECT_EQ(a.AsPoint(), &a);
  EXPECT_EQ(a.AsLine(), nullptr);
}

TEST(PointEntity, ExtentsFollowTheDisplayedSymbol) {
  struct Case {
    const char* name;
    int mode;
    double g;
    Point at;
    Point min, max;
  } cases[] = {
      {"plus in a circle, size 5", 34, 2.5, {0, 0}, {-5, -5}, {5, 5}},
      {"tick", 4, 2.5, {1, 1}, {1, 1}, {1, 3.5}},
      {"dot", 0, 2.5, {1, 1}, {1, 1}, {1, 1}},
      {"nothing", 1, 2.5, {1, 1}, {1, 1}, {1, 1}},
      {"plus", 2, 1, {0, 0}, {-2, -2}, {2, 2}},
      {"cross", 3, 1, {0, 0}, {-kSqrt2, -kSqrt2}, {kSqrt2, kSqrt2}},
      {"cross in a square stays at the cross", 67, 1, {0, 0}, {-kSqrt2, -kSqrt2}, {kSqrt2, kSqrt2}},
      {"circle", 32, 1, {2, 3}, {1, 2}, {3, 4}},
      {"square", 64, 1, {2, 3}, {1, 2}, {3, 4}},
      {"nothing in a circle and a square", 97, 1, {0, 0}, {-1, -1}, {1, 1}},
      // The tick first raises the top, then the circle widens all sides.
      {"tick in a circle", 36, 1, {0, 0}, {-1, -1}, {1, 2}},
      {"zero size", 34, 0, {4, 5}, {4, 5}, {4, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedPointDisplay display(c.mode, c.g);
    const PointEntity point(Defaults(), c.at);
    Point min, max;
    ASSERT_TRUE(point.GetExtents(min, max));
    ExpectPointNear(min, c.min);
    ExpectPointNear(max, c.max);
  }
}

// A negative display size (possible in a file) must not give a box with min above max.
TEST(PointEntity, NegativeDisplaySizeGivesAnOrderedBox) {
  struct Case {
    const char* name;
    int mode;
    Point min, max;
  } cases[] = {
      {"plus", 2, {-2, -2}, {2, 2}},
      {"tick points down", 4, {0, -1}, {0, 0}},
      {"circle", 32, {-1, -1}, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedPointDisplay display(c.mode, -1);
    const PointEntity point(Defaults(), 0, 0);
    Point min, max;
    ASSERT_TRUE(point.GetExtents(min, max));
    ExpectPointNear(min, c.min);
    ExpectPointNear(max, c.max);
  }
}

TEST(PointEntity, NearestPointIncludesTheSymbolStrokes) {
  struct Case {
    const char* name;
    int mode;
    double g;
    Point p;
    Point nearest;
    double distance;
  } cases[] = {
      {"dot: the position only", 0, 1, {1.5, 0.2}, {0, 0}, std::hypot(1.5, 0.2)},
      {"nothing: the position only", 1, 1, {1.5, 0.2}, {0, 0}, std::hypot(1.5, 0.2)},
      {"zero size: the position only", 34, 0, {1.5, 0.2}, {0, 0}, std::hypot(1.5, 0.2)},
      {"plus, horizontal arm", 2, 1, {1.5, 0.2}, {1.5, 0}, 0.2},
      {"plus, beyond the arm", 2, 1, {3, 0}, {2, 0}, 1},
      {"cross", 3, 1, {2, 2}, {kSqrt2, kSqrt2}, std::hypot(2 - kSqrt2, 2 - kSqrt2)},
      {"tick", 4, 1, {0.3, 0.5}, {0, 0.5}, 0.3},
      {"circle", 32, 1, {3, 0}, {1, 0}, 2},
      {"circle, the centre is nearer", 32, 1, {0.2, 0}, {0, 0}, 0.2},
      {"square", 64, 1, {3, 0.5}, {1, 0.5}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedPointDisplay display(c.mode, c.g);
    const PointEntity point(Defaults(), 0, 0);
    Point out(-99, -99);
    EXPECT_NEAR(point.NearestPoint(c.p, out), c.distance, 1e-12);
    ExpectPointNear(out, c.nearest);
  }
}

TEST(PointEntity, KeyPointIsThePositionEvenWhenNotShown) {
  ScopedPointDisplay display(34, 0);
  const PointEntity point(Defaults(), 3, 4);
  Point out;
  EXPECT_EQ(point.NearestKeyPoint(Point(0, 0), out), 5.0);
  EXPECT_EQ(out, Point(3, 4));
}

TEST(PointEntity, CrossesRectWhenTheSymbolBoxOverlaps) {
  struct Case {
    const char* name;
    int mode;
    double x1, y1, x2, y2;
    bool crosses;
  } cases[] = {
      {"symbol reaches into the rectangle", 34, 4, 4, 6, 6, true},
      {"symbol touches the rectangle", 34, 5, -1, 6, 1, true},
      {"rectangle just beyond the symbol", 34, 5.1, -1, 6, 1, false},
      {"dot inside", 0, -1, -1, 1, 1, true},
      {"dot on the border", 0, 0, 0, 1, 1, true},
      {"dot outside", 0, 0.5, 0.5, 1, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedPointDisplay display(c.mode, 2.5);
    const PointEntity point(Defaults(), 0, 0);
    EXPECT_EQ(point.CrossesRect(c.x1, c.y1, c.x2, c.y2), c.crosses);
  }
}

TEST(PointEntity, IntersectionsWithPointsAndLines) {
  const PointEntity a(Defaults(), 5, 0);
  const PointEntity same(Defaults(), 5, 0);
  const PointEntity other(Defaults(), 5, 1e-12);
  const LineEntity line(0, 0, 10, 0, Defaults());
  PointList out;
  EXPECT_EQ(a.IntersectWithPoint(same, out), 1);
  EXPECT_EQ(a.IntersectWith(same, out), 1);
  EXPECT_EQ(a.IntersectWithPoint(other, out), 0);
  EXPECT_EQ(a.IntersectWithLine(line, out), 1);
  EXPECT_EQ(other.IntersectWithLine(line, out), 0);
  EXPECT_EQ(out, PointList({Point(5, 0), Point(5, 0), Point(5, 0)}));
}

TEST(PointEntity, Transforms) {
  PointEntity point(Defaults(), 2, 1);
  point.Translate(Point(1, 1));
  EXPECT_EQ(point.position, Point(3, 2));
  point.Rotate(Rotation{Point(1, 1), kPi, -1, 0});
  EXPECT_EQ(point.position, Point(-1, 0));
  point.Scale(Scaling{Point(1, 0), 3, 2});
  EXPECT_EQ(point.position, Point(-5, 0));
}

TEST(PointEntity, PropertiesByGroupCode) {
  PointEntity point(Defaults(), 1, 2);
  PropertyValue value;
  ASSERT_TRUE(point.GetProperty(10, value));
  EXPECT_EQ(value, PropertyValue(1.0));
  ASSERT_TRUE(point.GetProperty(20, value));
  EXPECT_EQ(value, PropertyValue(2.0));
  ASSERT_TRUE(point.GetProperty(PairCode(10, 20), value));
  EXPECT_EQ(value, PropertyValue(Point(1, 2)));
  // A point knows only the pair in x-code order.
  EXPECT_FALSE(point.GetProperty(PairCode(20, 10), value));
  EXPECT_FALSE(point.GetProperty(11, value));

  EXPECT_TRUE(point.SetProperty(PairCode(10, 20), Point(-3, 4)));
  EXPECT_EQ(point.position, Point(-3, 4));
  EXPECT_TRUE(point.SetProperty(20, 8.0));
  EXPECT_EQ(point.position, Point(-3, 8));
  EXPECT_FALSE(point.SetProperty(PairCode(20, 10), Point(0, 0)));
  EXPECT_FALSE(point.SetProperty(10, 1));  // an int is not a coordinate
  EXPECT_EQ(point.position, Point(-3, 8));
}

TEST(PointEntity, CopyFrom) {
  PointEntity source(Defaults(), 1, 2);
  source.colorIndex = 3;
  PointEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.position, Point(1, 2));
  EXPECT_EQ(copy.colorIndex, 3);

  const LineEntity line(7, 7, 8, 8, Defaults());
  copy.CopyFrom(line);
  EXPECT_EQ(copy.position, Point(1, 2));
  EXPECT_EQ(copy.colorIndex, 3);
}

TEST(PointEntity, BodyIsTwoDoubles) {
  const std::vector<uint8_t> fixture = {
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x24, 0x40,  // 10.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD0, 0xBF,  // -0.25
  };
  PointEntity read;
  ReadWholeBody(read, fixture);
  EXPECT_EQ(read.position, Point(10, -0.25));
  EXPECT_EQ(BodyBytes(read), fixture);
  testing::ExpectTruncatedBodiesFail(read, fixture);

  const PointEntity point(Defaults(), 1.0 / 3, -1e-310);
  PointEntity back;
  ReadWholeBody(back, BodyBytes(point));
  EXPECT_EQ(back.position, point.position);
}

TEST(PointEntity, NonFiniteCoordinatesDoNotCrash) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (int mode : {0, 2, 3, 4, 98, 100}) {
    SCOPED_TRACE(mode);
    ScopedPointDisplay display(mode, 1);
    const PointEntity points[] = {PointEntity(Defaults(), nan, 0),
                                  PointEntity(Defaults(), inf, -inf)};
    for (const PointEntity& point : points) {
      Point out, min, max;
      point.NearestPoint(Point(0, 0), out);
      point.GetExtents(min, max);
      point.CrossesRect(0, 0, 1, 1);
      PointList list;
      EXPECT_EQ(point.IntersectWithPoint(point, list), point.position == point.position ? 1 : 0);
    }
  }
  ScopedPointDisplay nanSize(34, nan);
  const PointEntity point(Defaults(), 0, 0);
  Point out;
  EXPECT_EQ(point.NearestPoint(Point(3, 4), out), 5.0);
}

}  // namespace
}  // namespace korvo
