#include "core/wide_arc_segment_entity.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"
#include "tests/core/wide_segment_test_support.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::ExpectTruncatedBodiesFail;
using testing::PutF64;
using testing::ReadWholeBody;

constexpr double kEps = 1e-9;

TEST(WideArcSegmentEntity, BuiltFromCenterAndTwoPoints) {
  const WideArcSegmentEntity arc(Point(1, 1), Point(3, 1), Point(1, 3), 0.5, 1.5);
  ExpectPointNear(arc.center, Point(1, 1));
  EXPECT_NEAR(arc.radius, 2, kEps);
  EXPECT_NEAR(arc.startAngle, 0, kEps);
  EXPECT_NEAR(arc.endAngle, kHalfPi, kEps);
  EXPECT_EQ(arc.startWidth, 0.5);
  EXPECT_EQ(arc.endWidth, 1.5);
  EXPECT_NEAR(arc.WidthAt(kHalfPi / 2), 1.0, kEps);
  EXPECT_EQ(arc.visible, 1);
}

TEST(WideArcSegmentEntity, FilledLikeTheStraightSegment) {
  struct Case {
    const char* name;
    double width, pixelSize;
    bool filled;
  } cases[] = {
      {"no width", 0, 0, false},
      {"any width without a pixel size", 0.1, 0, true},
      {"under two pixels wide", 1, 0.6, false},
      {"two pixels wide", 1, 0.5, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WideArcSegmentEntity arc(Point(0, 0), Point(1, 0), Point(0, 1), c.width, 0);
    EXPECT_EQ(arc.IsFilled(c.pixelSize), c.filled);
  }
}

TEST(WideArcSegmentEntity, ExtentsHoldTheBandAtTheEndsAndEveryQuarterTurn) {
  struct Case {
    const char* name;
    Point from, to;
    double startWidth, endWidth;
    Point min, max;
  } cases[] = {
      // Quarter from 0 to 90°: ends at radius 10 ± 1 and ± 2; no quarter turn inside but
      // the two ends themselves (0° and 90° are multiples of a quarter turn).
      {"first quadrant", {10, 0}, {0, 10}, 2, 4, {0, 0}, {11, 12}},
      // Half circle over the top: 90° lies inside, at width 3 (half way from 2 to 4).
      {"upper half", {10, 0}, {-10, 0}, 2, 4, {-12, 0}, {11, 11.5}},
      {"thin half", {10, 0}, {-10, 0}, 0, 0, {-10, 0}, {10, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WideArcSegmentEntity arc(Point(0, 0), c.from, c.to, c.startWidth, c.endWidth);
    Point min, max;
    ASSERT_TRUE(arc.GetExtents(min, max));
    ExpectPointNear(min, c.min, kEps);
    ExpectPointNear(max, c.max, kEps);
  }
}

TEST(WideArcSegmentEntity, ExtentsFollowAnAxisRotation) {
  // Read from an old file with an axis rotation of 90°: parameters 0..90° are directions
  // 90..180°.
  WideArcSegmentEntity arc(Point(0, 0), Point(10, 0), Point(0, 10), 2, 2);
  arc.Rotate(Rotation::About(Point(0, 0), kHalfPi));
  Point min, max;
  ASSERT_TRUE(arc.GetExtents(min, max));
  ExpectPointNear(min, Point(-11, 0), kEps);
  ExpectPointNear(max, Point(0, 11), kEps);
  ExpectPointNear(arc.StartPoint(), Point(0, 10), kEps);
}

TEST(WideArcSegmentEntity, NearestPointOnTheBand) {
  const WideArcSegmentEntity arc(Point(0, 0), Point(10, 0), Point(-10, 0), 2, 2);
  struct Case {
    const char* name;
    Point p, expected;
    double distance;
  } cases[] = {
      {"outside the band", {0, 14}, {0, 11}, 3},
      {"inside the inner edge", {0, 5}, {0, 9}, 4},
      {"on the centre arc", {0, 10.25}, {0, 10}, 0.25},
      {"below the start cap", {10.5, -1}, {10.5, 0}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out;
    EXPECT_NEAR(arc.NearestPoint(c.p, out), c.distance, kEps);
    ExpectPointNear(out, c.expected, kEps);
  }
}

TEST(WideArcSegmentEntity, ScaleKeepsTheWidthsWithTheirEnds) {
  struct Case {
    const char* name;
    double sx, sy;
    Point start, end;
    double startWidth, endWidth;
  } cases[] = {
      {"uniform", 2, 2, {20, 0}, {0, 20}, 2, 4},
      {"half turn", -1, -1, {-10, 0}, {0, -10}, 1, 2},
      // Mirrored in x the arc runs from (0,10) to (-10,0): its start is the old end.
      {"mirror", -1, 1, {0, 10}, {-10, 0}, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WideArcSegmentEntity arc(Point(0, 0), Point(10, 0), Point(0, 10), 1, 2);
    arc.Scale(Scaling{Point(0, 0), c.sx, c.sy});
    ExpectPointNear(arc.StartPoint(), c.start, 1e-6);
    ExpectPointNear(arc.EndPoint(), c.end, 1e-6);
    EXPECT_NEAR(arc.startWidth, c.startWidth, 1e-6);
    EXPECT_NEAR(arc.endWidth, c.endWidth, 1e-6);
  }
}

TEST(WideArcSegmentEntity, ReadsItsOldBodyAndWritesItBack) {
  struct Case {
    const char* name;
    double start, end;
    int visible;
  } cases[] = {{"quarter", 0, kHalfPi, 1}, {"no length", 1, 1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes;
    // discarded point, centre, radius, angles, axis rotation, axis ratio, widths
    for (double value : {99.0, 99.0, 1.0, 2.0, 5.0, c.start, c.end, 0.0, 1.0, 0.5, 0.75}) {
      PutF64(bytes, value);
    }
    WideArcSegmentEntity arc;
    ReadWholeBody(arc, bytes);
    EXPECT_EQ(arc.center, Point(1, 2));
    EXPECT_EQ(arc.radius, 5);
    EXPECT_EQ(arc.startWidth, 0.5);
    EXPECT_EQ(arc.endWidth, 0.75);
    EXPECT_EQ(arc.visible, c.visible);
    // A segment on its own writes back what it read (the discarded point as its centre).
    ArchiveWriter writer;
    EXPECT_TRUE(arc.WriteBody(writer));
    WideArcSegmentEntity reread;
    ReadWholeBody(reread, writer.bytes());
    EXPECT_EQ(reread.center, arc.center);
    EXPECT_EQ(reread.radius, arc.radius);
    EXPECT_EQ(reread.startAngle, arc.startAngle);
    EXPECT_EQ(reread.endAngle, arc.endAngle);
    EXPECT_EQ(reread.startWidth, arc.startWidth);
    EXPECT_EQ(reread.endWidth, arc.endWidth);
    EXPECT_EQ(reread.visible, arc.visible);
    WideArcSegmentEntity other;
    ExpectTruncatedBodiesFail(other, bytes);
  }
}

TEST(WideArcSegmentEntity, CopyFromOnlyTheSameKind) {
  const WideArcSegmentEntity source(Point(0, 0), Point(1, 0), Point(0, 1), 0.5, 0.25);
  WideArcSegmentEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.radius, 1);
  EXPECT_EQ(copy.startWidth, 0.5);
  EXPECT_EQ(copy.endWidth, 0.25);
  DrawingSettings settings;
  const ArcEntity plain(settings, Point(5, 5), 3, 0, 1);
  copy.CopyFrom(plain);
  EXPECT_EQ(copy.radius, 1);
}

}  // namespace
}  // namespace korvo
