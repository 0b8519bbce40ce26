#include "cli/entity_fields.h"

#include <string>

#include <gtest/gtest.h>

#include "cli/drawing_dump.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/text_entity.h"

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

}  // namespace
}  // namespace korvo
