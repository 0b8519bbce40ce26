#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/ellipse_entity.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/native_drawing.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "platform/file_io.h"
#include "text/line_type.h"

namespace korvo {
namespace {

const std::filesystem::path kSamplePath =
    std::filesystem::path(KORVOCAD_SOURCE_DIR) / "samples" / "sample.KorvoDWG";

// A small bracket on an A4 sheet: an outline, holes, a slot, hidden edges, a fill.
void MakeSample(Drawing& drawing) {
  drawing.New();
  auto* dashed = new LineType(u"DASHED", u"__ __ __ __", u"5, -2.5");
  auto* center = new LineType(u"CENTER", u"____ _ ____ _", u"12.5, -2.5, 2.5, -2.5");
  drawing.lineTypes.Add(dashed);
  drawing.lineTypes.Add(center);
  auto* outline = new Layer(u"OUTLINE", 7, &ContinuousLineType(), 0.5);
  auto* hidden = new Layer(u"HIDDEN", 8, dashed, 0.25);
  auto* axes = new Layer(u"AXES", 1, center, 0.18);
  drawing.layers.Add(outline);
  drawing.layers.Add(hidden);
  drawing.layers.Add(axes);
  DrawingSettings& s = drawing.settings;
  s.gridOn = 1;

  s.currentLayer = outline;
  const Point corners[] = {{40, 60}, {170, 60}, {170, 140}, {40, 140}};
  for (int i = 0; i < 4; ++i)
    drawing.entities.AddTail(new LineEntity(corners[i], corners[(i + 1) % 4], s));
  drawing.entities.AddTail(new CircleEntity(Point(70, 100), 12.5, s));
  drawing.entities.AddTail(
      new ArcEntity(s, Point(140, 100), 15, -std::numbers::pi / 2, std::numbers::pi / 2));
  drawing.entities.AddTail(new EllipseEntity(s, Point(105, 100), 10, 0.5, std::numbers::pi / 6, 0,
                                             2 * std::numbers::pi));

  s.currentLayer = hidden;
  drawing.entities.AddTail(new LineEntity(40, 75, 170, 75, s));
  drawing.entities.AddTail(new TraceEntity(50, 125, 20, 4, s));

  s.currentLayer = axes;
  s.currentLineType = &ByLayerLineType();
  drawing.entities.AddTail(new LineEntity(55, 100, 85, 100, s));
  drawing.entities.AddTail(new PointEntity(s, 70, 100));

  s.currentLayer = drawing.layers.Find(u"0");
  // A bolt head drawn by block: each reference gives it its own colour.
  s.currentColorIndex = 0;
  s.currentLineType = &ByBlockLineType();
  EntityList bolt;
  bolt.AddTail(new CircleEntity(Point(0, 0), 4, s));
  bolt.AddTail(new LineEntity(-4, 0, 4, 0, s));
  bolt.AddTail(new LineEntity(0, -4, 0, 4, s));
  drawing.blocks.CreateBlock(u"BOLT", bolt, Point(), Point(), Size{8, 8});
  s.currentLineType = &ByLayerLineType();
  s.currentColorIndex = 3;
  auto* first = new InsertEntity(u"BOLT", Point(120, 127), 1, 1, 0, s);
  s.currentColorIndex = 6;
  auto* second = new InsertEntity(u"BOLT", Point(150, 125), 1.5, 1.5, std::numbers::pi / 4, s);
  for (InsertEntity* insert : {first, second}) {
    insert->SetBlock(*drawing.blocks.Find(u"BOLT"));
    drawing.entities.AddTail(insert);
  }
  // The solid stays last: a test damages the file's final record, taking it for a solid.
  s.currentColorIndex = 5;
  drawing.entities.AddTail(new SolidEntity(150, 65, 15, 10, s));
  s.currentColorIndex = 256;
}

// The shipped sample is written by the current writer. With KORVOCAD_UPDATE_FIXTURES=1 the
// test writes it anew; otherwise a writer change that alters the bytes fails here.
TEST(SampleDrawing, ShippedFileIsTheCurrentWritersOutput) {
  Drawing drawing;
  MakeSample(drawing);
  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  const char* update = std::getenv("KORVOCAD_UPDATE_FIXTURES");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream file(kSamplePath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(writer.bytes().data()),
               static_cast<std::streamsize>(writer.bytes().size()));
    ASSERT_TRUE(file.good());
  }
  const auto shipped = ReadFileBytes(kSamplePath);
  ASSERT_TRUE(shipped.has_value()) << kSamplePath;
  EXPECT_EQ(*shipped, writer.bytes());

  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawing(kSamplePath, reopened, messages).opened);
  EXPECT_EQ(reopened.entities.size(), drawing.entities.size());
  EXPECT_EQ(reopened.layers.size(), 4u);
}

}  // namespace
}  // namespace korvo
