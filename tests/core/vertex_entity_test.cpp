#include "core/vertex_entity.h"

#include <vector>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "tests/core/entity_test_support.h"
#include "tests/core/wide_segment_test_support.h"

namespace korvo {
namespace {

using testing::BodyBytes;
using testing::ExpectTruncatedBodiesFail;
using testing::PutF64;
using testing::ReadWholeBody;

TEST(VertexEntity, FlagCodeTakesOnlyTheFourFlagValues) {
  struct Case {
    const char* name;
    int value;
    bool accepted;
  } cases[] = {
      {"extra vertex", 1, true},
      {"curve-fit tangent", 2, true},
      {"spline vertex", 8, true},
      {"frame control point", 16, true},
      {"no flag", 0, false},
      {"unused bit", 4, false},
      {"two flags", 3, false},
      {"spline and frame together", 24, false},
      {"bit above the four", 32, false},
      {"negative", -16, false},
      {"a flag past a byte", 272, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VertexEntity vertex;
    vertex.vertexFlags = 2;
    EXPECT_EQ(vertex.SetTypeProperty(70, PropertyValue(c.value)), c.accepted);
    EXPECT_EQ(vertex.vertexFlags, c.accepted ? c.value : 2);
  }
}

TEST(VertexEntity, PropertiesByCode) {
  VertexEntity vertex;
  struct Case {
    const char* name;
    int code;
    double value;
    double VertexEntity::*member;
  } cases[] = {{"start width", 40, 1.5, &VertexEntity::startWidth},
               {"end width", 41, 2.5, &VertexEntity::endWidth},
               {"bulge", 42, -0.25, &VertexEntity::bulge},
               {"tangent direction", 50, 0.75, &VertexEntity::tangentDirection}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(vertex.SetTypeProperty(c.code, PropertyValue(c.value)));
    EXPECT_EQ(vertex.*c.member, c.value);
    PropertyValue out;
    EXPECT_TRUE(vertex.GetTypeProperty(c.code, out));
    EXPECT_EQ(std::get<double>(out), c.value);
    // A value of the wrong type changes nothing.
    EXPECT_FALSE(vertex.SetTypeProperty(c.code, PropertyValue(7)));
    EXPECT_EQ(vertex.*c.member, c.value);
  }
  // The position by either pair order, as the editing command addresses it.
  EXPECT_TRUE(vertex.SetTypeProperty(PairCode(20, 10), PropertyValue(Point(3, 4))));
  EXPECT_EQ(vertex.position, Point(3, 4));
  PropertyValue out;
  EXPECT_TRUE(vertex.GetTypeProperty(PairCode(10, 20), out));
  EXPECT_EQ(std::get<Point>(out), Point(3, 4));
  EXPECT_TRUE(vertex.GetTypeProperty(70, out));
  EXPECT_EQ(std::get<int>(out), 0);
  EXPECT_FALSE(vertex.GetTypeProperty(43, out));
}

TEST(VertexEntity, EverySuccessfulSetMarksTheOwnersSegmentsStale) {
  DrawingSettings settings;
  PolylineEntity polyline(settings);
  VertexEntity* vertex = polyline.AppendVertex(0, 0, 0, 0, 0, 0, 0);
  polyline.AppendVertex(1, 0, 0, 0, 0, 0, 0);
  struct Case {
    const char* name;
    int code;
    PropertyValue value;
    bool accepted;
  } cases[] = {
      {"width", 40, PropertyValue(1.0), true},
      {"x of the position", 10, PropertyValue(2.0), true},
      {"refused flag", 70, PropertyValue(0), false},
      {"unknown code", 99, PropertyValue(1.0), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    polyline.RebuildSegments();
    ASSERT_EQ(polyline.segmentsValid, 1);
    EXPECT_EQ(vertex->SetTypeProperty(c.code, c.value), c.accepted);
    EXPECT_EQ(polyline.segmentsValid, c.accepted ? 0 : 1);
  }
}

TEST(VertexEntity, BodyIsWrittenByHand) {
  // position (1, 2), widths 0.5 and 0.25, bulge -1, flags 16, tangent 3.
  std::vector<uint8_t> bytes;
  for (double value : {1.0, 2.0, 0.5, 0.25, -1.0}) PutF64(bytes, value);
  bytes.push_back(16);
  PutF64(bytes, 3.0);
  VertexEntity vertex;
  ReadWholeBody(vertex, bytes);
  EXPECT_EQ(vertex.position, Point(1, 2));
  EXPECT_EQ(vertex.startWidth, 0.5);
  EXPECT_EQ(vertex.endWidth, 0.25);
  EXPECT_EQ(vertex.bulge, -1.0);
  EXPECT_EQ(vertex.vertexFlags, 16);
  EXPECT_EQ(vertex.tangentDirection, 3.0);
  EXPECT_EQ(BodyBytes(vertex), bytes);
  VertexEntity other;
  ExpectTruncatedBodiesFail(other, bytes);
}

TEST(VertexEntity, CopyFromTakesOnlyVertices) {
  VertexEntity source;
  source.position = Point(1, 2);
  source.startWidth = 3;
  source.endWidth = 4;
  source.bulge = 0.5;
  source.vertexFlags = 8;
  source.tangentDirection = 1;
  source.colorIndex = 5;
  VertexEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.position, source.position);
  EXPECT_EQ(copy.startWidth, 3);
  EXPECT_EQ(copy.endWidth, 4);
  EXPECT_EQ(copy.bulge, 0.5);
  EXPECT_EQ(copy.vertexFlags, 8);
  EXPECT_EQ(copy.tangentDirection, 1);
  EXPECT_EQ(copy.colorIndex, 5);
  DrawingSettings settings;
  LineEntity line(Point(5, 5), Point(6, 6), settings);
  copy.CopyFrom(line);
  EXPECT_EQ(copy.position, Point(1, 2));
}

TEST(VertexEntity, ScaleKeepsWidthsPositiveAndMirrorTurnsTheArc) {
  struct Case {
    const char* name;
    double sx, sy;
    double width, bulge;
  } cases[] = {
      {"uniform", 2, 2, 2, 0.5},       {"mirror in x", -1, 1, 1, -0.5},
      {"mirror in y", 1, -1, 1, -0.5}, {"half turn", -1, -1, 1, 0.5},
      {"stretch", 3, 1, 3, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VertexEntity vertex;
    vertex.position = Point(1, 1);
    vertex.startWidth = vertex.endWidth = 1;
    vertex.bulge = 0.5;
    vertex.Scale(Scaling{Point(0, 0), c.sx, c.sy});
    EXPECT_EQ(vertex.position, Point(c.sx, c.sy));
    EXPECT_EQ(vertex.startWidth, c.width);
    EXPECT_EQ(vertex.endWidth, c.width);
    EXPECT_EQ(vertex.bulge, c.bulge);
  }
}

}  // namespace
}  // namespace korvo
