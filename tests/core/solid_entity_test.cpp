#include "core/solid_entity.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/trace_entity.h"
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

TEST(SolidEntity, RectangleConstructorGoesRoundTheBoundary) {
  const SolidEntity solid(0, 0, 4, 2, Defaults());
  EXPECT_EQ(solid.corners[0], Point(0, 0));
  EXPECT_EQ(solid.corners[1], Point(0, 2));
  EXPECT_EQ(solid.corners[2], Point(4, 2));
  EXPECT_EQ(solid.corners[3], Point(4, 0));
  EXPECT_EQ(solid.GetElementCode(), 5);
  EXPECT_TRUE(solid.IsFilled(1.0));
  EXPECT_EQ(solid.AsSolid(), &solid);
  EXPECT_EQ(solid.AsTrace(), nullptr);

  const Point points[4] = {{1, 1}, {2, 5}, {6, 4}, {6, 4}};
  const SolidEntity triangle(points, Defaults());
  EXPECT_EQ(triangle.corners[1], Point(2, 5));
  EXPECT_EQ(triangle.corners[3], Point(6, 4));
}

TEST(SolidEntity, DxfGroupCodesSwapTheLastTwoCorners) {
  struct Case {
    const char* name;
    int code;
    PropertyValue expected;
  } cases[] = {
      {"first x", 10, 0.0},
      {"first y", 20, 0.0},
      {"second x", 11, 0.0},
      {"second y", 21, 2.0},
      {"group 12 x", 12, 4.0},
      {"group 22 y", 22, 0.0},
      {"group 13 x", 13, 4.0},
      {"group 23 y", 23, 2.0},
      {"pair 10", PairCode(10, 20), Point(0, 0)},
      {"pair 11", PairCode(11, 21), Point(0, 2)},
      {"pair 12 is corners[3]", PairCode(12, 22), Point(4, 0)},
      {"pair 13 is corners[2]", PairCode(13, 23), Point(4, 2)},
      {"swapped pair 12", PairCode(22, 12), Point(4, 0)},
      {"swapped pair 13", PairCode(23, 13), Point(4, 2)},
  };
  const SolidEntity solid(0, 0, 4, 2, Defaults());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PropertyValue value;
    ASSERT_TRUE(solid.GetProperty(c.code, value));
    EXPECT_EQ(value, c.expected);
  }
  PropertyValue value;
  EXPECT_FALSE(solid.GetProperty(14, value));
  EXPECT_FALSE(solid.GetProperty(PairCode(12, 23), value));
}

TEST(SolidEntity, SetPropertiesWriteTheSwappedCorners) {
  SolidEntity solid(0, 0, 4, 2, Defaults());
  EXPECT_TRUE(solid.SetProperty(PairCode(12, 22), Point(5, -1)));
  EXPECT_EQ(solid.corners[3], Point(5, -1));
  EXPECT_TRUE(solid.SetProperty(PairCode(23, 13), Point(6, 3)));
  EXPECT_EQ(solid.corners[2], Point(6, 3));
  EXPECT_TRUE(solid.SetProperty(11, 0.5));
  EXPECT_EQ(solid.corners[1], Point(0.5, 2));
  EXPECT_TRUE(solid.SetProperty(20, -2.0));
  EXPECT_EQ(solid.corners[0], Point(0, -2));
  EXPECT_FALSE(solid.SetProperty(13, Point(1, 1)));
  EXPECT_FALSE(solid.SetProperty(24, 1.0));
  EXPECT_EQ(solid.corners[2], Point(6, 3));
}

TEST(SolidEntity, ExtentsAndTransforms) {
  const Point points[4] = {{1, 1}, {-2, 5}, {6, 4}, {3, -1}};
  SolidEntity solid(points, Defaults());
  Point min, max;
  ASSERT_TRUE(solid.GetExtents(min, max));
  EXPECT_EQ(min, Point(-2, -1));
  EXPECT_EQ(max, Point(6, 5));

  solid.Translate(Point(1, 1));
  EXPECT_EQ(solid.corners[1], Point(-1, 6));
  solid.Scale(Scaling{Point(0, 0), 2, 0.5});
  EXPECT_EQ(solid.corners[3], Point(8, 0));
  solid.Rotate(Rotation{Point(0, 0), kHalfPi, 0, 1});
  EXPECT_EQ(solid.corners[0], Point(-1, 4));
  EXPECT_EQ(solid.corners[3], Point(0, 8));
}

TEST(SolidEntity, NearestPointPrefersTheEarlierEdgeOnTies) {
  struct Case {
    const char* name;
    Point p;
    Point nearest;
    double distance;
  } cases[] = {
      {"below the bottom edge", {2, -1}, {2, 0}, 1},
      {"right of the right edge", {6, 1.5}, {4, 1.5}, 2},
      // Bottom (corners[3]->[0], taken first), left and top are all 1 away.
      {"equally near three edges", {1, 1}, {1, 0}, 1},
      // Left (taken second) and top are 0.5 away.
      {"equally near left and top", {0.5, 1.5}, {0, 1.5}, 0.5},
  };
  const SolidEntity solid(0, 0, 4, 2, Defaults());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out(-99, -99);
    EXPECT_DOUBLE_EQ(solid.NearestPoint(c.p, out), c.distance);
    EXPECT_EQ(out, c.nearest);
  }
}

TEST(SolidEntity, NearestKeyPointIsTheFirstNearestCorner) {
  const SolidEntity solid(0, 0, 4, 2, Defaults());
  Point out;
  EXPECT_DOUBLE_EQ(solid.NearestKeyPoint(Point(5, 3), out), std::sqrt(2.0));
  EXPECT_EQ(out, Point(4, 2));
  EXPECT_DOUBLE_EQ(solid.NearestKeyPoint(Point(2, 1), out), std::sqrt(5.0));
  EXPECT_EQ(out, Point(0, 0));
}

TEST(SolidEntity, IntersectsByItsEdges) {
  const SolidEntity solid(0, 0, 4, 2, Defaults());
  const LineEntity line(-1, 1, 5, 1, Defaults());
  // Edges in the order [0]->[1] (left), [1]->[2], [2]->[3] (right), [0]->[3].
  const PointList expected = {Point(0, 1), Point(4, 1)};
  PointList out;
  EXPECT_EQ(solid.IntersectWithLine(line, out), 2);
  EXPECT_EQ(out, expected);
  out.clear();
  EXPECT_EQ(solid.IntersectWith(line, out), 2);
  EXPECT_EQ(out, expected);
  out.clear();
  EXPECT_EQ(line.IntersectWith(solid, out), 2);
  EXPECT_EQ(out, expected);

  const LineEntity outside(5, 5, 6, 6, Defaults());
  EXPECT_EQ(solid.IntersectWith(outside, out), 0);
}

TEST(SolidEntity, IntersectsPointsOnItsOutline) {
  const SolidEntity solid(0, 0, 4, 2, Defaults());
  struct Case {
    const char* name;
    Point at;
    int count;
  } cases[] = {
      {"on the bottom edge", {2, 0}, 1},
      // Every edge through the corner reports it.
      {"at a corner", {0, 0}, 2},
      {"inside", {2, 1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PointEntity point(Defaults(), c.at);
    PointList fromSolid, fromPoint;
    EXPECT_EQ(solid.IntersectWithPoint(point, fromSolid), c.count);
    EXPECT_EQ(point.IntersectWith(solid, fromPoint), c.count);
    for (const Point& p : fromSolid) EXPECT_EQ(p, c.at);
    EXPECT_EQ(fromPoint, fromSolid);
  }
}

TEST(SolidEntity, TwoSolidsMeetWhereTheirOutlinesCross) {
  const SolidEntity a(0, 0, 4, 2, Defaults());
  const TraceEntity b(2, 1, 4, 2, Defaults());
  PointList out;
  ASSERT_EQ(a.IntersectWith(b, out), 2);
  for (const Point& p : out) {
    Point on;
    EXPECT_LT(a.NearestPoint(p, on), 1e-12);
    EXPECT_LT(b.NearestPoint(p, on), 1e-12);
  }
  EXPECT_NE(std::find(out.begin(), out.end(), Point(2, 2)), out.end());
  EXPECT_NE(std::find(out.begin(), out.end(), Point(4, 1)), out.end());
}

TEST(SolidEntity, CrossesRect) {
  struct Case {
    const char* name;
    Point corners[4];
    bool crosses;
  } cases[] = {
      {"inside the rectangle", {{2, 2}, {2, 3}, {3, 3}, {3, 2}}, true},
      {"surrounding the rectangle", {{-5, -5}, {-5, 15}, {15, 15}, {15, -5}}, true},
      {"entirely left", {{-5, 0}, {-5, 5}, {-1, 5}, {-1, 0}}, false},
      {"entirely above and right", {{11, 11}, {11, 12}, {12, 12}, {12, 11}}, false},
      {"overlapping one side", {{8, 2}, {8, 4}, {12, 4}, {12, 2}}, true},
      {"a band across, ends outside", {{-5, 4}, {-5, 6}, {15, 6}, {15, 4}}, true},
      // An edge that passes beside a corner, outside the rectangle, does not touch it.
      {"edge beside a corner", {{-3, 9}, {-3, 14}, {-2, 14}, {1, 13}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SolidEntity solid(c.corners, Defaults());
    EXPECT_EQ(solid.CrossesRect(0, 0, 10, 10), c.crosses);
  }
}

TEST(SolidEntity, CopyFromSolidsAndTraces) {
  const SolidEntity solid(1, 1, 2, 2, Defaults());
  TraceEntity trace(5, 5, 1, 1, Defaults());
  trace.colorIndex = 9;
  SolidEntity copy;
  copy.CopyFrom(trace);  // a trace is a solid
  EXPECT_EQ(copy.corners, trace.corners);
  EXPECT_EQ(copy.colorIndex, 9);
  trace.CopyFrom(solid);
  EXPECT_EQ(trace.corners, solid.corners);
  EXPECT_EQ(trace.GetElementCode(), 18);

  const LineEntity line(0, 0, 1, 1, Defaults());
  trace.CopyFrom(line);
  EXPECT_EQ(trace.corners, solid.corners);
  EXPECT_EQ(trace.colorIndex, 256);
}

TEST(SolidEntity, BodyIsFourCornersInBoundaryOrder) {
  const std::vector<uint8_t> fixture = {
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // corners[0].x 0.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // corners[0].y 1.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // corners[1].x 2.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x40,  // corners[1].y 3.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x40,  // corners[2].x 4.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x14, 0x40,  // corners[2].y 5.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x40,  // corners[3].x 6.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1C, 0x40,  // corners[3].y 7.0
  };
  SolidEntity read;
  ReadWholeBody(read, fixture);
  EXPECT_EQ(read.corners[0], Point(0, 1));
  EXPECT_EQ(read.corners[1], Point(2, 3));
  EXPECT_EQ(read.corners[2], Point(4, 5));
  EXPECT_EQ(read.corners[3], Point(6, 7));
  EXPECT_EQ(BodyBytes(read), fixture);
  testing::ExpectTruncatedBodiesFail(read, fixture);

  const Point odd[4] = {{0.1, 0.2}, {-1e-300, 7}, {1e300, -0.0}, {3, 3}};
  const SolidEntity solid(odd, Defaults());
  SolidEntity back;
  ReadWholeBody(back, BodyBytes(solid));
  EXPECT_EQ(back.corners, solid.corners);
}

TEST(SolidEntity, NonFiniteCoordinatesDoNotCrash) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Point odd[4] = {{nan, 0}, {0, inf}, {-inf, 1}, {1, nan}};
  const SolidEntity solid(odd, Defaults());
  const SolidEntity normal(0, 0, 4, 2, Defaults());
  Point out, min, max;
  solid.NearestPoint(Point(0, 0), out);
  solid.NearestKeyPoint(Point(0, 0), out);
  solid.GetExtents(min, max);
  solid.CrossesRect(0, 0, 1, 1);
  PointList points;
  const int count = solid.IntersectWith(normal, points) + normal.IntersectWith(solid, points);
  EXPECT_EQ(points.size(), static_cast<std::size_t>(count));
}

}  // namespace
}  // namespace korvo
