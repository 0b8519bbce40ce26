// DXF files written by GDAL's ogr2ogr (the distribution's gdal-bin) from a GeoJSON file made
// here, read back feature by feature.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "exchange/dxf_import.h"
#include "platform/message_box.h"
#include "platform/utf16.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

// Two line strings, a polygon and a point.
constexpr const char* kGeoJson = R"({"type": "FeatureCollection", "features": [
{"type": "Feature", "properties": {}, "geometry": {"type": "LineString",
 "coordinates": [[0, 0], [10, 5.5], [20, 0]]}},
{"type": "Feature", "properties": {}, "geometry": {"type": "LineString",
 "coordinates": [[-1.25, 2], [3, -4]]}},
{"type": "Feature", "properties": {}, "geometry": {"type": "Polygon",
 "coordinates": [[[0, 0], [4, 0], [4, 3], [0, 0]]]}},
{"type": "Feature", "properties": {}, "geometry": {"type": "Point", "coordinates": [3, 4]}}
]})";

class DxfImportOgr : public ::testing::Test {
 protected:
  void SetUp() override {
    // scripts/install-deps.sh installs gdal-bin: without it the set-up is broken.
    ASSERT_EQ(std::system("command -v ogr2ogr >/dev/null 2>&1"), 0)
        << "ogr2ogr is missing (the gdal-bin package; scripts/install-deps.sh installs it)";
    std::ofstream(folder_ / "features.geojson") << kGeoJson;
  }

  // Converts the features with ogr2ogr (and `options`) and imports the result.
  void Convert(const std::string& options, Drawing& drawing, RecordingMessageBox& messages) {
    const std::filesystem::path dxf = folder_ / "features.dxf";
    std::filesystem::remove(dxf);
    const std::string command = "ogr2ogr -f DXF " + options + " " + dxf.string() + " " +
                                (folder_ / "features.geojson").string() + " >" +
                                (folder_ / "log.txt").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_TRUE(ImportDxf(dxf, drawing, messages).opened);
  }

  static void ExpectPolyline(const Entity* entity, const std::vector<Point>& points) {
    ASSERT_NE(entity, nullptr);
    const PolylineEntity* polyline = entity->AsPolyline();
    ASSERT_NE(polyline, nullptr);
    ASSERT_EQ(polyline->vertexList.size(), points.size());
    std::size_t i = 0;
    for (const Entity* member : polyline->vertexList) {
      EXPECT_EQ(member->AsVertex()->position, points[i]) << i;
      EXPECT_EQ(member->AsVertex()->bulge, 0);
      ++i;
    }
  }

  testing::ScratchFolder folder_{"korvocad_ogr"};
};

TEST_F(DxfImportOgr, LinesAndPointsAsWrittenAndPolygonsAsTheHatchesTheyBecome) {
  Drawing drawing;
  RecordingMessageBox messages;
  Convert("", drawing, messages);
  // The writer fills polygons: a hatch, which is skipped and named.
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].text, u"Skipped while reading the DXF file: 1 HATCH.");
  std::vector<const Entity*> entities(drawing.entities.begin(), drawing.entities.end());
  ASSERT_EQ(entities.size(), 3u);
  ExpectPolyline(entities[0], {Point(0, 0), Point(10, 5.5), Point(20, 0)});
  ExpectPolyline(entities[1], {Point(-1.25, 2), Point(3, -4)});
  ASSERT_NE(entities[2]->AsPoint(), nullptr);
  EXPECT_EQ(entities[2]->AsPoint()->position, Point(3, 4));
  for (const Entity* entity : entities) EXPECT_EQ(entity->layer->name, u"0");
}

TEST_F(DxfImportOgr, PolygonsWrittenAsTheirOutlines) {
  Drawing drawing;
  RecordingMessageBox messages;
  Convert("-nlt LINESTRING", drawing, messages);
  EXPECT_TRUE(messages.Messages().empty());
  std::vector<const Entity*> entities(drawing.entities.begin(), drawing.entities.end());
  ASSERT_EQ(entities.size(), 4u);
  ExpectPolyline(entities[0], {Point(0, 0), Point(10, 5.5), Point(20, 0)});
  ExpectPolyline(entities[1], {Point(-1.25, 2), Point(3, -4)});
  ExpectPolyline(entities[2], {Point(0, 0), Point(4, 0), Point(4, 3), Point(0, 0)});
  ASSERT_NE(entities[3]->AsPoint(), nullptr);
  EXPECT_EQ(entities[3]->AsPoint()->position, Point(3, 4));
}

}  // namespace
}  // namespace korvo
