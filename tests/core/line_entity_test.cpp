#include "core/line_entity.h"

#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/layer.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::BodyBytes;
using testing::ExpectPointNear;
using testing::ReadWholeBody;

const DrawingSettings& Defaults() {
  static const DrawingSettings settings;
  return settings;
}

TEST(LineEntity, SettingsConstructorTakesTheCurrentProperties) {
  Layer layer(u"WALLS", 3, &ContinuousLineType(), 0.5);
  DrawingSettings settings;
  settings.currentLayer = &layer;
  settings.currentColorIndex = 5;
  settings.currentLineWeight = 0.35;
  settings.currentLineType = &ByBlockLineType();
  const LineEntity line(1, 2, 3, 4, settings);
  EXPECT_EQ(line.start, Point(1, 2));
  EXPECT_EQ(line.end, Point(3, 4));
  EXPECT_EQ(line.layer, &layer);
  EXPECT_EQ(line.colorIndex, 5);
  EXPECT_EQ(line.GetColor(), 0xFF0000u);  // blue in COLORREF order
  EXPECT_EQ(line.lineWeight, 0.35);
  EXPECT_EQ(line.lineType, &ByBlockLineType());
  EXPECT_EQ(line.visible, 1);
  EXPECT_EQ(line.flags, 0);
  EXPECT_EQ(line.GetElementCode(), 1);
  EXPECT_FALSE(line.IsFilled(1.0));
}

TEST(LineEntity, ExtentsAreTheBoxOfTheEnds) {
  const LineEntity line(Point(5, -1), Point(-2, 3), Defaults());
  Point min, max;
  ASSERT_TRUE(line.GetExtents(min, max));
  EXPECT_EQ(min, Point(-2, -1));
  EXPECT_EQ(max, Point(5, 3));
}

TEST(LineEntity, Transforms) {
  LineEntity line(Point(2, 1), Point(1, 3), Defaults());
  line.Translate(Point(10, -1));
  EXPECT_EQ(line.start, Point(12, 0));
  EXPECT_EQ(line.end, Point(11, 2));
  line.TranslateToOrigin(Point(10, -1));
  EXPECT_EQ(line.start, Point(2, 1));

  // A quarter turn about (1, 1), with the exact cosine and sine.
  line.Rotate(Rotation{Point(1, 1), kHalfPi, 0, 1});
  EXPECT_EQ(line.start, Point(1, 2));
  EXPECT_EQ(line.end, Point(-1, 1));

  line.Scale(Scaling{Point(1, 1), 2, -1});
  EXPECT_EQ(line.start, Point(1, 0));
  EXPECT_EQ(line.end, Point(-3, 1));
}

TEST(LineEntity, NearestPoint) {
  struct Case {
    const char* name;
    Point p;
    Point nearest;
    double distance;
  } cases[] = {
      {"before the start", {-5, 3}, {0, 0}, std::sqrt(34.0)},
      {"beside the middle", {4, -2}, {4, 0}, 2},
      {"beyond the end", {13, 4}, {10, 0}, 5},
      {"on the line", {7, 0}, {7, 0}, 0},
  };
  const LineEntity line(0, 0, 10, 0, Defaults());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out(-99, -99);
    EXPECT_DOUBLE_EQ(line.NearestPoint(c.p, out), c.distance);
    ExpectPointNear(out, c.nearest);
  }
}

TEST(LineEntity, NearestKeyPoint) {
  struct Case {
    const char* name;
    Point p;
    Point key;
    double distance;
  } cases[] = {
      {"start", {-1, 1}, {0, 0}, std::sqrt(2.0)},
      {"end", {12, 0}, {10, 0}, 2},
      {"midpoint", {5, 3}, {5, 0}, 3},
      // The midpoint must be strictly nearer than the end to replace it.
      {"end and midpoint equally near", {7.5, 0}, {10, 0}, 2.5},
      {"start and midpoint equally near", {2.5, 0}, {0, 0}, 2.5},
  };
  const LineEntity line(0, 0, 10, 0, Defaults());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Point out(-99, -99);
    EXPECT_DOUBLE_EQ(line.NearestKeyPoint(c.p, out), c.distance);
    EXPECT_EQ(out, c.key);
  }
}

TEST(LineEntity, IntersectWithLine) {
  struct Case {
    const char* name;
    Point a1, a2, b1, b2;
    bool meets;
    Point at;
  } cases[] = {
      {"crossing", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true, {5, 5}},
      {"sharing only an end point", {0, 0}, {5, 0}, {5, 0}, {5, 5}, true, {5, 0}},
      {"collinear sharing one end", {0, 0}, {10, 0}, {10, 0}, {20, 0}, true, {10, 0}},
      {"collinear overlapping", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false, {}},
      {"parallel", {0, 0}, {10, 0}, {0, 1}, {10, 1}, false, {}},
      {"T junction", {0, 0}, {10, 0}, {5, 0}, {5, 5}, true, {5, 0}},
      {"boxes overlap, lines cross beyond one", {0, 0}, {4, 4}, {4, 0}, {3, 1}, false, {}},
      {"boxes apart", {0, 0}, {1, 1}, {5, 5}, {6, 7}, false, {}},
      {"degenerate line on the other", {5, 0}, {5, 0}, {0, 0}, {10, 0}, true, {5, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineEntity a(c.a1, c.a2, Defaults());
    const LineEntity b(c.b1, c.b2, Defaults());
    PointList out = {Point(-1, -1)};  // earlier contents stay
    const int count = a.IntersectWithLine(b, out);
    ASSERT_EQ(count, c.meets ? 1 : 0);
    ASSERT_EQ(out.size(), 1u + count);
    EXPECT_EQ(out.front(), Point(-1, -1));
    if (c.meets) ExpectPointNear(out.back(), c.at);

    // The double-dispatch entry gives the same answer.
    PointList viaEntry;
    EXPECT_EQ(b.IntersectWith(a, viaEntry), count);
  }
}

TEST(LineEntity, IntersectWithPointUsesTheExactBoundingBox) {
  struct Case {
    const char* name;
    Point line1, line2, point;
    bool meets;
  } cases[] = {
      {"on the line", {0, 0}, {10, 0}, {5, 0}, true},
      {"a hair above", {0, 0}, {10, 0}, {5, 1e-9}, false},
      {"beyond the end", {0, 0}, {10, 0}, {11, 0}, false},
      {"at the end", {0, 0}, {10, 0}, {10, 0}, true},
      {"on a diagonal", {0, 0}, {10, 10}, {2.5, 2.5}, true},
      {"in the box but off a diagonal", {0, 0}, {10, 10}, {2.5, 3}, false},
      {"degenerate line at the point", {3, 4}, {3, 4}, {3, 4}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineEntity line(c.line1, c.line2, Defaults());
    const PointEntity point(Defaults(), c.point);
    PointList out;
    ASSERT_EQ(line.IntersectWithPoint(point, out), c.meets ? 1 : 0);
    if (c.meets) {
      EXPECT_EQ(out.at(0), c.point);
    }
    // Both directions of the double dispatch end in the same test.
    PointList fromLine, fromPoint;
    EXPECT_EQ(line.IntersectWith(point, fromLine), c.meets ? 1 : 0);
    EXPECT_EQ(point.IntersectWith(line, fromPoint), c.meets ? 1 : 0);
    EXPECT_EQ(fromLine, out);
    EXPECT_EQ(fromPoint, out);
  }
}

TEST(LineEntity, ReportedIntersectionsLieOnBothLines) {
  // A fan of lines through various angles against a fixed set; every reported point must be
  // on both segments.
  const LineEntity fixed[] = {
      LineEntity(0, 0, 10, 3, Defaults()), LineEntity(-2, 7, 8, -4, Defaults()),
      LineEntity(1.5, -3, 1.5, 9, Defaults()), LineEntity(-5, 2.25, 12, 2.25, Defaults())};
  int reported = 0;
  for (int i = 0; i < 36; ++i) {
    const double angle = i * kTwoPi / 36;
    const LineEntity probe(Point(3, 1), Point(3 + 9 * std::cos(angle), 1 + 9 * std::sin(angle)),
                           Defaults());
    for (const LineEntity& other : fixed) {
      PointList out;
      if (probe.IntersectWithLine(other, out) == 0) continue;
      ++reported;
      Point on;
      EXPECT_LT(probe.NearestPoint(out[0], on), 1e-9) << "angle step " << i;
      EXPECT_LT(other.NearestPoint(out[0], on), 1e-9) << "angle step " << i;
    }
  }
  EXPECT_GT(reported, 36);
}

TEST(LineEntity, CrossesRect) {
  struct Case {
    const char* name;
    Point a, b;
    bool crosses;
  } cases[] = {
      {"inside", {2, 2}, {3, 3}, true},
      {"one end inside", {5, 5}, {20, 20}, true},
      {"end on the border", {10, 4}, {20, 4}, true},
      {"both left", {-5, -5}, {-1, 20}, false},
      {"both above", {-5, 11}, {20, 12}, false},
      {"through, ends outside", {-5, 5}, {15, 5}, true},
      {"diagonal through a corner region", {-1, 8}, {3, 12}, true},
      {"diagonal missing the corner", {-2, 9}, {2, 13}, false},
      {"surrounding the rectangle's corner from outside", {-1, 11}, {11, -1}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LineEntity line(c.a, c.b, Defaults());
    EXPECT_EQ(line.CrossesRect(0, 0, 10, 10), c.crosses);
  }
}

TEST(LineEntity, TypePropertiesByGroupCode) {
  struct Case {
    const char* name;
    int code;
    PropertyValue expected;
  } cases[] = {
      {"start x", 10, 1.0},
      {"start y", 20, 2.0},
      {"end x", 11, 3.0},
      {"end y", 21, 4.0},
      {"start pair", PairCode(10, 20), Point(1, 2)},
      {"start pair swapped, still x first", PairCode(20, 10), Point(1, 2)},
      {"end pair", PairCode(11, 21), Point(3, 4)},
      {"end pair swapped", PairCode(21, 11), Point(3, 4)},
  };
  const LineEntity line(1, 2, 3, 4, Defaults());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PropertyValue value;
    ASSERT_TRUE(line.GetProperty(c.code, value));
    EXPECT_EQ(value, c.expected);
  }
  PropertyValue unknown;
  EXPECT_FALSE(line.GetProperty(12, unknown));
  EXPECT_FALSE(line.GetProperty(PairCode(10, 21), unknown));
  EXPECT_FALSE(line.GetProperty(40, unknown));
}

TEST(LineEntity, SetTypePropertiesByGroupCode) {
  LineEntity line(1, 2, 3, 4, Defaults());
  EXPECT_TRUE(line.SetProperty(10, 7.0));
  EXPECT_TRUE(line.SetProperty(21, -1.0));
  EXPECT_EQ(line.start, Point(7, 2));
  EXPECT_EQ(line.end, Point(3, -1));
  EXPECT_TRUE(line.SetProperty(PairCode(20, 10), Point(8, 9)));
  EXPECT_EQ(line.start, Point(8, 9));
  EXPECT_TRUE(line.SetProperty(PairCode(11, 21), Point(-5, 6)));
  EXPECT_EQ(line.end, Point(-5, 6));

  // Values of the wrong type and unknown codes change nothing.
  EXPECT_FALSE(line.SetProperty(10, Point(1, 1)));
  EXPECT_FALSE(line.SetProperty(PairCode(10, 20), 3.0));
  EXPECT_FALSE(line.SetProperty(13, 3.0));
  EXPECT_EQ(line.start, Point(8, 9));
  EXPECT_EQ(line.end, Point(-5, 6));

  // Set, then get gives the value back.
  ASSERT_TRUE(line.SetProperty(PairCode(21, 11), Point(0.25, -0.5)));
  PropertyValue value;
  ASSERT_TRUE(line.GetProperty(PairCode(11, 21), value));
  EXPECT_EQ(value, PropertyValue(Point(0.25, -0.5)));
}

TEST(LineEntity, CommonPropertiesByGroupCode) {
  Layer walls(u"WALLS", 3, &ContinuousLineType(), 0.5);
  LineType dashed(u"DASHED", u"__ __", u"2,-1");
  LineEntity line(0, 0, 1, 1, Defaults());

  EXPECT_TRUE(line.SetProperty(6, &dashed));
  EXPECT_TRUE(line.SetProperty(8, &walls));
  EXPECT_TRUE(line.SetProperty(62, 12));
  EXPECT_TRUE(line.SetProperty(370, 0.7));
  EXPECT_EQ(line.lineType, &dashed);
  EXPECT_EQ(line.layer, &walls);
  EXPECT_EQ(line.colorIndex, 12);
  EXPECT_EQ(line.lineWeight, 0.7);

  PropertyValue value;
  ASSERT_TRUE(line.GetProperty(6, value));
  EXPECT_EQ(value, PropertyValue(std::u16string(u"DASHED")));
  ASSERT_TRUE(line.GetProperty(8, value));
  EXPECT_EQ(value, PropertyValue(std::u16string(u"WALLS")));
  ASSERT_TRUE(line.GetProperty(62, value));
  EXPECT_EQ(value, PropertyValue(12));
  ASSERT_TRUE(line.GetProperty(370, value));
  EXPECT_EQ(value, PropertyValue(0.7));

  // Only valid colour indices are stored.
  EXPECT_FALSE(line.SetProperty(62, 257));
  EXPECT_FALSE(line.SetProperty(62, -1));
  EXPECT_FALSE(line.SetProperty(8, static_cast<Layer*>(nullptr)));
  EXPECT_EQ(line.colorIndex, 12);
  EXPECT_EQ(line.layer, &walls);
}

TEST(LineEntity, CopyFrom) {
  Layer layer(u"A", 1, nullptr, 0);
  LineEntity source(1, 2, 3, 4, Defaults());
  source.layer = &layer;
  source.colorIndex = 30;
  source.lineWeight = 0.18;
  source.flags = EntityFlag::Selected | EntityFlag::OutOfView;
  source.visible = 0;

  LineEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.start, Point(1, 2));
  EXPECT_EQ(copy.end, Point(3, 4));
  EXPECT_EQ(copy.layer, &layer);
  EXPECT_EQ(copy.colorIndex, 30);
  EXPECT_EQ(copy.lineWeight, 0.18);
  EXPECT_EQ(copy.visible, 0);
  EXPECT_EQ(copy.flags, EntityFlag::Selected);  // the out-of-view bit is never copied

  // Another kind changes nothing, the header included.
  const PointEntity point(Defaults(), 9, 9);
  copy.CopyFrom(point);
  EXPECT_EQ(copy.start, Point(1, 2));
  EXPECT_EQ(copy.layer, &layer);
  EXPECT_EQ(copy.colorIndex, 30);
}

TEST(LineEntity, BodyIsFourDoubles) {
  // start (1, 2), end (-3, 0.5), little-endian IEEE doubles.
  const std::vector<uint8_t> fixture = {
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // 1.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // 2.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xC0,  // -3.0
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F,  // 0.5
  };
  LineEntity read;
  ReadWholeBody(read, fixture);
  EXPECT_EQ(read.start, Point(1, 2));
  EXPECT_EQ(read.end, Point(-3, 0.5));
  EXPECT_EQ(BodyBytes(read), fixture);
  testing::ExpectTruncatedBodiesFail(read, fixture);
}

TEST(LineEntity, BodyRoundTripKeepsEveryBit) {
  const LineEntity line(Point(0.1, -1e-300), Point(1e300, -0.0), Defaults());
  LineEntity read;
  ReadWholeBody(read, BodyBytes(line));
  EXPECT_EQ(read.start, line.start);
  EXPECT_EQ(read.end, line.end);
  EXPECT_TRUE(std::signbit(read.end.y));
}

TEST(LineEntity, NonFiniteCoordinatesDoNotCrash) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const LineEntity odd[] = {LineEntity(nan, 0, 1, 1, Defaults()),
                            LineEntity(0, 0, inf, inf, Defaults()),
                            LineEntity(-inf, nan, inf, 0, Defaults())};
  const LineEntity normal(0, 0, 10, 10, Defaults());
  const PointEntity point(Defaults(), nan, nan);
  for (const LineEntity& line : odd) {
    Point out, min, max;
    line.NearestPoint(Point(1, 1), out);
    line.NearestKeyPoint(Point(1, 1), out);
    line.GetExtents(min, max);
    line.CrossesRect(0, 0, 10, 10);
    PointList points;
    const int count = line.IntersectWithLine(normal, points) +
                      normal.IntersectWithLine(line, points) +
                      line.IntersectWithPoint(point, points);
    EXPECT_EQ(points.size(), static_cast<std::size_t>(count));
  }
  PointList points;
  EXPECT_EQ(odd[0].IntersectWithLine(normal, points), 0);
}

}  // namespace
}  // namespace korvo
