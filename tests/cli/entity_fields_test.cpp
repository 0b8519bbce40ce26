#include "cli/entity_fields.h"

#include <string>

#include <gtest/gtest.h>

#include "cli/drawing_dump.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"

namespace korvo {
namespace {

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
