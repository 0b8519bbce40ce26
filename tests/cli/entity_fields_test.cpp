#include "cli/entity_fields.h"

#include <string>

#include <gtest/gtest.h>

#include "cli/drawing_dump.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/text_entity.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"

namespace korvo {
namespace {

std::string EntitiesOf(const Drawing& drawing) {
  const std::string dump = DumpDrawing(drawing, 4);
  return dump.substr(dump.find("\"entities\""));
}

TEST(EntityFields, TextNamesItsStyle) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new TextEntity(Point(1.5, -2), -2.5, 0.25, 0.75, -0.125, kTextBackward,
                                          kAlignRight, u"A \"B\"\n\u00B0", drawing.settings));
  EXPECT_EQ(EntitiesOf(drawing),
            "\"entities\": [\n"
            "    {\n"
            "      \"kind\": 4,\n"
            "      \"layer\": \"0\",\n"
            "      \"lineType\": \"BYLAYER\",\n"
            "      \"colorIndex\": 256,\n"
            "      \"lineWeight\": -1,\n"
            "      \"style\": \"STANDARD\",\n"
            "      \"insertionPoint\": [1.5, -2],\n"
            "      \"height\": 2.5,\n"
            "      \"widthFactor\": 0.75,\n"
            "      \"rotation\": 0.25,\n"
            "      \"obliqueAngle\": -0.125,\n"
            "      \"generationFlags\": 6,\n"
            "      \"horizontalAlignment\": 2,\n"
            "      \"content\": \"A \\\"B\\\"\\u000a\xC2\xB0\"\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST(EntityFields, TextWithoutAStyleShowsNull) {
  Drawing drawing;
  drawing.New();
  drawing.entities.AddTail(new TextEntity);
  const std::string entities = EntitiesOf(drawing);
  EXPECT_NE(entities.find("\"style\": null,\n"), std::string::npos) << entities;
  EXPECT_NE(entities.find("\"content\": \"\"\n"), std::string::npos) << entities;
}

TEST(EntityFields, BlockReferenceListsItsAttachedEntitiesButNotItsParts) {
  Drawing drawing;
  drawing.New();
  auto* insert = new InsertEntity(u"Door", Point(1, 2), 2, -1, 0.5, drawing.settings);
  insert->attached.AddTail(new LineEntity(Point(0, 0), Point(3, 4), drawing.settings));
  insert->expanded.AddTail(new LineEntity(Point(7, 7), Point(8, 8), drawing.settings));
  drawing.entities.AddTail(insert);
  const std::string dump = DumpDrawing(drawing, 4);
  EXPECT_EQ(dump.substr(dump.find("\"entities\"")),
            "\"entities\": [\n"
            "    {\n"
            "      \"kind\": 7,\n"
            "      \"layer\": \"0\",\n"
            "      \"lineType\": \"BYLAYER\",\n"
            "      \"colorIndex\": 256,\n"
            "      \"lineWeight\": -1,\n"
            "      \"blockName\": \"Door\",\n"
            "      \"insertionPoint\": [1, 2],\n"
            "      \"xScale\": 2,\n"
            "      \"yScale\": -1,\n"
            "      \"rotation\": 0.5,\n"
            "      \"attached\": [\n"
            "        {\n"
            "          \"kind\": 1,\n"
            "          \"layer\": \"0\",\n"
            "          \"lineType\": \"BYLAYER\",\n"
            "          \"colorIndex\": 256,\n"
            "          \"lineWeight\": -1,\n"
            "          \"start\": [0, 0],\n"
            "          \"end\": [3, 4]\n"
            "        }\n"
            "      ]\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

// A file may hold vertices and polyline segments outside any polyline; their fields are
// shown like those of every other kind.
TEST(EntityFields, LooseVerticesAndSegmentsShowTheirFields) {
  struct Case {
    Entity* entity;
    const char* expected;
  };
  auto* vertex = new VertexEntity;
  vertex->position = Point(1, 2);
  vertex->bulge = 0.5;
  const Case cases[] = {
      {new WideLineSegmentEntity(Point(0, 0), Point(4, 0), 1, 2),
       "      \"start\": [0, 0],\n"
       "      \"end\": [4, 0],\n"
       "      \"startWidth\": 1,\n"
       "      \"endWidth\": 2,\n"
       "      \"corners\": [[0, 0.5], [0, -0.5], [4, -1], [4, 1]]\n"},
      {new WideArcSegmentEntity(Point(0, 0), Point(2, 0), Point(0, 2), 0.25, 0.5),
       "      \"startWidth\": 0.25,\n"
       "      \"endWidth\": 0.5\n"},
      {vertex,
       "      \"position\": [1, 2],\n"
       "      \"startWidth\": 0,\n"
       "      \"endWidth\": 0,\n"
       "      \"bulge\": 0.5,\n"},
  };
  for (const Case& c : cases) {
    Drawing drawing;
    drawing.New();
    drawing.entities.AddTail(c.entity);
    const std::string entities = EntitiesOf(drawing);
    EXPECT_NE(entities.find(c.expected), std::string::npos) << entities;
  }
}

}  // namespace
}  // namespace korvo
