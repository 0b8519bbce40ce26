#include "core/wide_line_segment_entity.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"
#include "tests/core/wide_segment_test_support.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::ExpectTruncatedBodiesFail;
using testing::PutF64;
using testing::ReadWholeBody;

TEST(WideLineSegmentEntity, FilledFromTwoWholePixels) {
  struct Case {
    const char* name;
    double startWidth, endWidth, pixelSize;
    bool filled;
  } cases[] = {
      {"no widths at any scale", 0, 0, 0, false},
      {"any width without a scale", 0, 0.001, 0, true},
      {"one unit at 0.6 per pixel truncates to one pixel", 1, 1, 0.6, false},
      {"one unit at 0.5 per pixel is exactly two", 1, 1, 0.5, true},
      {"either end decides", 1, 0, 0.5, true},
      {"end width alone", 0, 1, 0.6, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WideLineSegmentEntity segment(Point(0, 0), Point(10, 0), c.startWidth, c.endWidth);
    EXPECT_EQ(segment.IsFilled(c.pixelSize), c.filled);
  }
}

TEST(WideLineSegmentEntity, CornersStartSquare) {
  // A wedge from a point to a band two units wide, running up the y axis: left is -x.
  const WideLineSegmentEntity segment(Point(0, 0), Point(0, 10), 0, 2);
  ExpectPointNear(segment.outlineCorners[Corner::StartLeft], Point(0, 0));
  ExpectPointNear(segment.outlineCorners[Corner::StartRight], Point(0, 0));
  ExpectPointNear(segment.outlineCorners[Corner::EndRight], Point(1, 10));
  ExpectPointNear(segment.outlineCorners[Corner::EndLeft], Point(-1, 10));
  Point min, max;
  ASSERT_TRUE(segment.GetExtents(min, max));
  ExpectPointNear(min, Point(-1, 0));
  ExpectPointNear(max, Point(1, 10));
}

TEST(WideLineSegmentEntity, ThinSegmentHasTheLinesExtents) {
  const WideLineSegmentEntity segment(Point(3, 1), Point(0, 4), 0, 0);
  Point min, max;
  ASSERT_TRUE(segment.GetExtents(min, max));
  EXPECT_EQ(min, Point(0, 1));
  EXPECT_EQ(max, Point(3, 4));
}

TEST(WideLineSegmentEntity, NearestPointOnCenterLineCapsAndEdges) {
  // Band from (0,0) to (10,0), two units wide: edges at y = ±1, caps at x = 0 and x = 10.
  const WideLineSegmentEntity segment(Point(0, 0), Point(10, 0), 2, 2);
  struct Case {
    const char* name;
    Point p;
    Point expected;
    double distance;
  } cases[] = {
      {"above the band: the left edge", {5, 3}, {5, 1}, 2},
      {"below the band: the right edge", {4, -1.5}, {4, -1}, 0.5},
      {"inside near the centre line", {5, 0.25}, {5, 0}, 0.25},
      {"beyond the end: the end cap", {12, 0.5}, {10, 0.5}, 2},
      {"before the start: the start cap", {-1, -0.5}, {0, -0.5}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out;
    EXPECT_NEAR(segment.NearestPoint(c.p, out), c.distance, 1e-12);
    ExpectPointNear(out, c.expected);
  }
  // Without width only the centre line counts.
  const WideLineSegmentEntity thin(Point(0, 0), Point(10, 0), 0, 0);
  Point out;
  EXPECT_NEAR(thin.NearestPoint(Point(5, 3), out), 3, 1e-12);
}

TEST(WideLineSegmentEntity, CrossesRectByCornersWhenWide) {
  const WideLineSegmentEntity wide(Point(0, 0), Point(10, 0), 2, 2);
  const WideLineSegmentEntity thin(Point(0, 0), Point(10, 0), 0, 0);
  // A window holding only the corner (10, 1) of the band, not the centre line.
  EXPECT_TRUE(wide.CrossesRect(9.5, 0.5, 11, 2));
  EXPECT_FALSE(thin.CrossesRect(9.5, 0.5, 11, 2));
  EXPECT_FALSE(wide.CrossesRect(20, 20, 30, 30));
}

TEST(WideLineSegmentEntity, ScaleMultipliesWidthsByTheSizeOfX) {
  struct Case {
    const char* name;
    double sx, sy, width;
  } cases[] = {{"double", 2, 2, 4}, {"mirror", -1, 1, 2}, {"half turn", -3, -3, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WideLineSegmentEntity segment(Point(1, 0), Point(5, 0), 2, 2);
    segment.Scale(Scaling{Point(0, 0), c.sx, c.sy});
    EXPECT_EQ(segment.startWidth, c.width);
    EXPECT_EQ(segment.endWidth, c.width);
    EXPECT_EQ(segment.start, Point(c.sx, 0));
    // The corners are scaled like points.
    ExpectPointNear(segment.outlineCorners[Corner::StartLeft], Point(c.sx, c.sy));
  }
}

TEST(WideLineSegmentEntity, TranslateAndRotateMoveTheCorners) {
  WideLineSegmentEntity segment(Point(0, 0), Point(4, 0), 2, 2);
  segment.Translate(Point(1, 1));
  ExpectPointNear(segment.outlineCorners[Corner::EndLeft], Point(5, 2));
  segment.Rotate(Rotation::About(Point(1, 1), kHalfPi));
  ExpectPointNear(segment.end, Point(1, 5));
  ExpectPointNear(segment.outlineCorners[Corner::EndLeft], Point(0, 5));
}

TEST(WideLineSegmentEntity, ReverseExchangesEndsWidthsAndCorners) {
  WideLineSegmentEntity segment(Point(0, 0), Point(10, 0), 1, 3);
  segment.Reverse();
  EXPECT_EQ(segment.start, Point(10, 0));
  EXPECT_EQ(segment.end, Point(0, 0));
  EXPECT_EQ(segment.startWidth, 3);
  EXPECT_EQ(segment.endWidth, 1);
  // Looking from (10,0) to (0,0), left is -y.
  ExpectPointNear(segment.outlineCorners[Corner::StartLeft], Point(10, -1.5));
  ExpectPointNear(segment.outlineCorners[Corner::EndLeft], Point(0, -0.5));
  const WideLineSegmentEntity rebuilt(Point(10, 0), Point(0, 0), 3, 1);
  for (int i = 0; i < 4; ++i) ExpectPointNear(segment.outlineCorners[i], rebuilt.outlineCorners[i]);
}

TEST(WideLineSegmentEntity, ReadsItsOldBodyAndWritesItBack) {
  std::vector<uint8_t> bytes;
  for (double value : {0.0, 0.0, 4.0, 0.0, 2.0, 2.0, 0.0, 1.0, 0.0, -1.0, 4.0, -1.0, 4.5, 1.5}) {
    PutF64(bytes, value);
  }
  WideLineSegmentEntity segment;
  ReadWholeBody(segment, bytes);
  EXPECT_EQ(segment.start, Point(0, 0));
  EXPECT_EQ(segment.end, Point(4, 0));
  EXPECT_EQ(segment.startWidth, 2);
  EXPECT_EQ(segment.endWidth, 2);
  // The corners are taken as stored, mitred or not.
  EXPECT_EQ(segment.outlineCorners[Corner::EndLeft], Point(4.5, 1.5));
  // A segment on its own writes back what it read.
  ArchiveWriter writer;
  EXPECT_TRUE(segment.WriteBody(writer));
  EXPECT_EQ(writer.bytes(), bytes);
  WideLineSegmentEntity other;
  ExpectTruncatedBodiesFail(other, bytes);
}

TEST(WideLineSegmentEntity, CopyFromOnlyTheSameKind) {
  WideLineSegmentEntity source(Point(0, 0), Point(4, 0), 1, 2);
  source.outlineCorners[Corner::EndLeft] = Point(9, 9);
  WideLineSegmentEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.end, Point(4, 0));
  EXPECT_EQ(copy.endWidth, 2);
  EXPECT_EQ(copy.outlineCorners[Corner::EndLeft], Point(9, 9));
  DrawingSettings settings;
  LineEntity line(Point(7, 7), Point(8, 8), settings);
  copy.CopyFrom(line);
  EXPECT_EQ(copy.start, Point(0, 0));
}

}  // namespace
}  // namespace korvo
