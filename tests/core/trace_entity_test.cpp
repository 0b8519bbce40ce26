#include "core/trace_entity.h"

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "tests/core/entity_test_support.h"

namespace korvo {
namespace {

TEST(TraceEntity, IsASolidWithItsOwnCode) {
  const DrawingSettings settings;
  const TraceEntity trace(0, 0, 4, 2, settings);
  EXPECT_EQ(trace.GetElementCode(), 18);
  EXPECT_EQ(trace.AsTrace(), &trace);
  EXPECT_EQ(trace.AsSolid(), &trace);
  EXPECT_TRUE(trace.IsFilled(1.0));

  PropertyValue value;
  ASSERT_TRUE(trace.GetProperty(PairCode(12, 22), value));
  EXPECT_EQ(value, PropertyValue(Point(4, 0)));

  const LineEntity line(2, -1, 2, 3, settings);
  PointList out;
  EXPECT_EQ(line.IntersectWith(trace, out), 2);
  EXPECT_EQ(out, PointList({Point(2, 2), Point(2, 0)}));
}

TEST(TraceEntity, BodyMatchesTheSolidBody) {
  const DrawingSettings settings;
  const Point corners[4] = {{1, 2}, {3, 4}, {5, 6}, {7, 8}};
  const TraceEntity trace(corners, settings);
  const SolidEntity solid(corners, settings);
  EXPECT_EQ(testing::BodyBytes(trace), testing::BodyBytes(solid));
  TraceEntity back;
  testing::ReadWholeBody(back, testing::BodyBytes(trace));
  EXPECT_EQ(back.corners, trace.corners);
}

}  // namespace
}  // namespace korvo
