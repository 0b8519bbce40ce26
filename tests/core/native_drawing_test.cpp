#include "core/native_drawing.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "tests/core/native_bytes.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::NativeBytes;

constexpr double kPi = std::numbers::pi;

std::vector<uint8_t> Written(const Drawing& drawing) {
  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  return writer.bytes();
}

// The settings record of a new drawing, whose tables hold no written line type, one layer
// and one text style: BYLAYER is index 2, layer "0" and "STANDARD" index 0.
NativeBytes& NewSettings(NativeBytes& b) {
  b.Pt(0, 0).Pt(210, 297).Pt(0, 0).F64(210).F64(297);  // limits, view origin and extent
  b.F64(5).F64(2.5).F64(1).F64(1);                     // grid, snap, factors A and B
  b.F64(1);                                            // line type scale
  b.U8(0).U8(1);                                       // grid off, snap to grid on
  b.I16(256);                                          // current colour: by layer
  b.Pt(0, 0).F64(0).F64(0).F64(0).F64(0).F64(0);       // base point, five values
  b.U32(1);                                            // mode
  b.U8(34).F64(5);                                     // point display mode and size
  b.U8(0).U32(8);                                      // spline frame and segments
  b.U32(2).U32(0).U32(0);                              // BYLAYER, layer "0", STANDARD
  return b.F64(-1);                                    // current line weight: by layer
}

TEST(NativeDrawing, AnEmptyNewDrawingIsWrittenExactly) {
  Drawing drawing;
  drawing.New();
  NativeBytes b;
  b.Raw("KorvoCAD04");
  b.Guard(0);                                                       // no line types
  b.Guard(1).Name(u"0").U8(0).U32(0).I16(7).F64(-3);                // CONTINUOUS is 0
  b.Guard(1).Name(u"STANDARD").Name(u"TXT").F64(0).F64(1.6666666);  // height, spacing
  b.F64(1).F64(0).U8(0);                                            // width, oblique, flags
  b.Guard(0);                                                       // no blocks
  NewSettings(b);
  b.Guard(0);  // no entities
  EXPECT_EQ(Written(drawing), b.bytes);
}

// One file of each version, written out field by field. Versions 0 and 1 store their
// strings in the 8-bit form, the others in UTF-16. Version 0 has no layer "0".
std::vector<uint8_t> FixtureOfVersion(int version) {
  const bool narrow = version < 2;
  NativeBytes b;
  auto name = [&](std::u16string_view wide, std::string_view eightBit) -> NativeBytes& {
    if (!narrow) return b.Name(wide);
    return b.Guard(static_cast<uint32_t>(eightBit.size())).Str8(eightBit);
  };
  const char* magics[] = {"QPXCAD04", "KRVCAD01", "KorvoCAD02", "KorvoCAD03", "KorvoCAD04"};
  b.Raw(magics[version]);

  // Line types: DASHED 0, then CONTINUOUS 1, BYBLOCK 2, BYLAYER 3.
  b.Guard(1);
  name(u"DASHED", "DASHED");
  name(u"Dashed __ __", "Dashed __ __");
  b.Guard(2).F64(2).F64(-1);

  // Layers: WÄNDE ("W\xC4NDE" in the code page), after "0" from version 1 on.
  const uint32_t walls = version == 0 ? 0 : 1;
  b.Guard(version == 0 ? 1 : 2);
  if (version > 0) {
    name(u"0", "0");
    b.U8(0).U32(1).I16(7).F64(-3);
  }
  name(u"W\u00C4NDE", "W\xC4NDE");
  b.U8(0x05).U32(0).I16(3).F64(0.35);

  // Text styles: STANDARD 0, SLANT 1 (upside down).
  b.Guard(2);
  name(u"STANDARD", "STANDARD");
  name(u"TXT", "TXT");
  b.F64(0).F64(1.5).F64(1).F64(0);
  if (version < 4) {
    b.U32(0).U32(0);
  } else {
    b.U8(0);
  }
  name(u"SLANT", "SLANT");
  name(u"SIMPLEX", "SIMPLEX");
  b.F64(2.5).F64(1.25).F64(0.8).F64(0.2);
  if (version < 4) {
    b.U32(0x10).U32(0);  // the first switch: upside down
  } else {
    b.U8(0x04);
  }

  // Blocks: DOOR with one line.
  b.Guard(1);
  name(u"DOOR", "DOOR");
  b.Pt(1, 2).F64(3).F64(4);
  if (version >= 1) b.Pt(5, 6);
  b.Guard(1).Header(1, walls, 3, 2, 0).Pt(0, 0).Pt(1, 0);

  // Settings.
  b.Pt(-10, -20).Pt(420, 297).Pt(1, 1).F64(100).F64(50);
  b.F64(10).F64(5).F64(2).F64(3);
  b.F64(0.5);
  b.U8(1).U8(0);
  b.I16(version < 4 ? -1 : 42);
  if (version >= 1) b.Pt(7, 8).F64(1).F64(2).F64(3).F64(4).F64(5);
  if (version >= 2) b.U32(9);
  if (version >= 3) b.U8(35).F64(3);
  if (version >= 4) b.U8(1).U32(12);
  b.U32(0).U32(walls).U32(1);  // DASHED, WÄNDE, SLANT
  b.F64(0.25);

  // Entities.
  b.Guard(7);
  b.Header(1, walls, 3, -1, -1).Pt(0, 0).Pt(10, 5);
  b.Header(3, walls, 1, 5, 0.5).F64(2).F64(3).F64(4).F64(0).F64(kPi / 2).F64(kPi / 2).F64(1);
  b.Header(2, walls, 0, -2, 0).F64(1).F64(1).F64(2).F64(0).F64(1);
  b.Header(16, walls, 2, 256, 0).Pt(4, 4);
  // An elliptic arc whose angles lie a turn away: normalised on reading, rotation kept.
  b.Header(8, walls, 3, 1, 0).F64(5).F64(6).F64(3).F64(kPi / 2 + 2 * kPi).F64(kPi + 2 * kPi);
  b.F64(0.5).F64(0.25);
  b.Header(5, walls, 3, 2, 0).Pt(0, 0).Pt(0, 2).Pt(4, 2).Pt(4, 0);
  b.Header(18, walls, 3, 3, 0).Pt(1, 1).Pt(1, 3).Pt(5, 3).Pt(5, 1);
  return b.bytes;
}

TEST(NativeDrawing, ReadsEveryVersion) {
  for (int version = 0; version <= 4; ++version) {
    SCOPED_TRACE(version);
    RecordingMessageBox messages;
    Drawing drawing;
    const std::vector<uint8_t> bytes = FixtureOfVersion(version);
    const OpenResult result = OpenDrawingBytes(bytes, drawing, messages);
    ASSERT_TRUE(result.opened);
    EXPECT_EQ(result.version, version);
    EXPECT_TRUE(messages.Messages().empty());

    LineType* dashed = drawing.lineTypes.Find(u"dashed");
    ASSERT_NE(dashed, nullptr);
    EXPECT_EQ(dashed->description, u"Dashed __ __");
    EXPECT_EQ(dashed->pattern, (std::vector<double>{2, -1}));
    EXPECT_EQ(drawing.lineTypes.size(), 4u);
    EXPECT_EQ(drawing.lineTypes.Find(u"BYLAYER"), &ByLayerLineType());

    Layer* walls = drawing.layers.Find(u"w\u00E4nde");
    ASSERT_NE(walls, nullptr);
    EXPECT_EQ(walls->name, u"W\u00C4NDE");
    EXPECT_EQ(walls->flags, 0x05);
    EXPECT_EQ(walls->lineType, dashed);
    EXPECT_EQ(walls->colorIndex, 3);
    EXPECT_EQ(walls->lineWeight, 0.35);
    Layer* zero = drawing.layers.Find(u"0");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->lineType, &ContinuousLineType());
    // Opening a file without layer "0" adds it and makes it current.
    EXPECT_EQ(drawing.settings.currentLayer, version == 0 ? zero : walls);

    TextStyle* slant = drawing.textStyles.Find(u"SLANT");
    ASSERT_NE(slant, nullptr);
    EXPECT_EQ(slant->FontName(), u"SIMPLEX");
    EXPECT_EQ(slant->height, 2.5);
    EXPECT_EQ(slant->font->lineSpacingFactor, 1.25);
    EXPECT_EQ(slant->widthFactor, 0.8);
    EXPECT_EQ(slant->obliqueAngle, 0.2);
    EXPECT_EQ(slant->flags, TextStyle::kUpsideDown);
    EXPECT_EQ(drawing.textStyles.Find(u"STANDARD")->flags, 0);

    BlockDefinition* door = drawing.blocks.Find(u"door");
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->basePoint, Point(1, 2));
    EXPECT_EQ(door->extent, (Size{3, 4}));
    EXPECT_EQ(door->origin, version == 0 ? Point(0, 0) : Point(5, 6));
    ASSERT_EQ(door->size(), 1u);
    EXPECT_EQ(door->Head()->AsLine()->end, Point(1, 0));
    EXPECT_EQ(door->Head()->layer, walls);

    const DrawingSettings& s = drawing.settings;
    EXPECT_EQ(s.limitsMin, Point(-10, -20));
    EXPECT_EQ(s.limitsMax, Point(420, 297));
    EXPECT_EQ(s.viewOrigin, Point(1, 1));
    EXPECT_EQ(s.viewExtent, (Size{100, 50}));
    EXPECT_EQ(s.gridSpacing, 10);
    EXPECT_EQ(s.snapSpacing, 5);
    EXPECT_EQ(s.factorA, 2);
    EXPECT_EQ(s.factorB, 3);
    EXPECT_EQ(s.linetypeScale, 0.5);
    EXPECT_EQ(s.gridOn, 1);
    EXPECT_EQ(s.gridSnap, 0);
    EXPECT_EQ(s.currentColorIndex, version < 4 ? 256 : 42);
    EXPECT_EQ(s.basePoint, version >= 1 ? Point(7, 8) : Point(0, 0));
    EXPECT_EQ(s.values[4], version >= 1 ? 5 : 0);
    EXPECT_EQ(s.mode, version >= 2 ? 9u : 1u);
    EXPECT_EQ(s.pointDisplayMode, version >= 3 ? 35 : 34);
    EXPECT_EQ(s.pointDisplaySize, version >= 3 ? 3 : 5);
    EXPECT_EQ(s.splineFrame, version >= 4 ? 1 : 0);
    EXPECT_EQ(s.splineSegments, version >= 4 ? 12u : 8u);
    EXPECT_EQ(s.currentLineType, dashed);
    EXPECT_EQ(s.currentTextStyle, slant);
    EXPECT_EQ(s.currentLineWeight, 0.25);

    ASSERT_EQ(drawing.entities.size(), 7u);
    auto entity = drawing.entities.begin();
    const LineEntity* line = (*entity)->AsLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->end, Point(10, 5));
    EXPECT_EQ(line->colorIndex, version < 4 ? 256 : -1);
    EXPECT_EQ(line->lineType, &ByLayerLineType());
    EXPECT_EQ(line->lineWeight, -1);
    const ArcEntity* arc = (*++entity)->AsArc();
    ASSERT_NE(arc, nullptr);
    // A circular arc's rotation is folded into its angles.
    EXPECT_EQ(arc->rotation, 0);
    EXPECT_DOUBLE_EQ(arc->startAngle, kPi / 2);
    EXPECT_DOUBLE_EQ(arc->endAngle, kPi);
    EXPECT_EQ(arc->lineType, &ContinuousLineType());
    const CircleEntity* circle = (*++entity)->AsCircle();
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->colorIndex, version < 4 ? 0 : -2);
    EXPECT_EQ(circle->radius, 2);
    EXPECT_EQ(circle->lineType, dashed);
    const PointEntity* point = (*++entity)->AsPoint();
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->position, Point(4, 4));
    EXPECT_EQ(point->lineType, &ByBlockLineType());
    EXPECT_EQ(point->layer, walls);
    const ArcEntity* ellipse = (*++entity)->AsArc();
    ASSERT_NE(ellipse, nullptr);
    EXPECT_EQ(ellipse->GetElementCode(), 8);
    EXPECT_EQ(ellipse->center, Point(5, 6));
    EXPECT_EQ(ellipse->radius, 3);
    EXPECT_EQ(ellipse->rotation, 0.5);
    EXPECT_EQ(ellipse->ratio, 0.25);
    EXPECT_NEAR(ellipse->startAngle, kPi / 2, 1e-12);
    EXPECT_NEAR(ellipse->endAngle, kPi, 1e-12);
    const SolidEntity* solid = (*++entity)->AsSolid();
    ASSERT_NE(solid, nullptr);
    EXPECT_EQ(solid->GetElementCode(), 5);
    EXPECT_EQ(solid->corners[2], Point(4, 2));
    EXPECT_EQ(solid->colorIndex, 2);
    const SolidEntity* trace = (*++entity)->AsSolid();
    ASSERT_NE(trace, nullptr);
    EXPECT_EQ(trace->GetElementCode(), 18);
    EXPECT_EQ(trace->corners[3], Point(5, 1));
  }
}

TEST(NativeDrawing, TextStyleFlagsOfOldVersionsAreTwoSwitches) {
  struct Case {
    const char* name;
    uint32_t first, second;
    uint8_t expected;
  } cases[] = {
      {"neither", 0, 0, 0},
      {"first: upside down", 1, 0, TextStyle::kUpsideDown},
      {"second: backwards", 0, 0xFFFFFFFF, TextStyle::kBackwards},
      {"both", 7, 2, TextStyle::kUpsideDown | TextStyle::kBackwards},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NativeBytes b;
    b.Raw("KorvoCAD03").Guard(0);
    b.Guard(1).Name(u"0").U8(0).U32(0).I16(7).F64(-3);
    b.Guard(1).Name(u"S").Name(u"TXT").F64(0).F64(1).F64(1).F64(0).U32(c.first).U32(c.second);
    b.Guard(0);
    b.Pt(0, 0).Pt(1, 1).Pt(0, 0).F64(1).F64(1).F64(1).F64(1).F64(1).F64(1).F64(1).U8(0).U8(0);
    b.I16(7).Pt(0, 0).F64(0).F64(0).F64(0).F64(0).F64(0).U32(1).U8(0).F64(1);
    b.U32(0).U32(0).U32(0).F64(0);
    b.Guard(0);
    Drawing drawing;
    RecordingMessageBox messages;
    ASSERT_TRUE(OpenDrawingBytes(b.bytes, drawing, messages).opened);
    EXPECT_EQ(drawing.textStyles.Find(u"S")->flags, c.expected);
  }
}

// A drawing with non-default values everywhere a file can hold them.
void FillDrawing(Drawing& drawing) {
  drawing.New();
  auto* dashed = new LineType(u"DASHED", u"Dashed", u"2, -1, 0, -1");
  drawing.lineTypes.Add(dashed);
  drawing.lineTypes.Add(new LineType(u"EMPTY", u"", u""));
  auto* walls = new Layer(u"Walls \u6587", 12, dashed, 0.7);
  walls->SetFrozen(true);
  drawing.layers.Add(walls);
  auto* slant = new TextStyle(u"SLANT", u"SIMPLEX", 2.5, 0.75, -0.3, TextStyle::kBackwards);
  drawing.textStyles.Add(slant);
  DrawingSettings& s = drawing.settings;
  s.limitsMin = Point(-1, -2);
  s.limitsMax = Point(1e6, 2e-3);
  s.viewOrigin = Point(0.1, 0.2);
  s.viewExtent = Size{33, 44};
  s.gridSpacing = 7;
  s.snapSpacing = 0.3;
  s.factorA = 11;
  s.factorB = 12;
  s.values = {1, -2, 3, -4, 5};
  s.gridOn = 1;
  s.gridSnap = 0;
  s.mode = 0xDEADBEEF;
  s.linetypeScale = 0;
  s.pointDisplaySize = 0;
  s.pointDisplayMode = 100;
  s.splineFrame = 1;
  s.splineSegments = 20;
  s.currentColorIndex = 0;
  s.currentLineType = dashed;
  s.currentLayer = walls;
  s.currentLineWeight = 0.13;
  s.currentTextStyle = slant;
  s.basePoint = Point(9, -9);

  auto* line = new LineEntity(Point(0.1, 0.2), Point(-1e-300, 3e300), s);
  drawing.entities.AddTail(line);
  s.currentColorIndex = 200;
  s.currentLineType = &ByBlockLineType();
  drawing.entities.AddTail(new ArcEntity(s, Point(1, 2), 3, 0.5, -0.5));
  drawing.entities.AddTail(new CircleEntity(Point(4, 5), 6, s));
  drawing.entities.AddTail(new PointEntity(s, 7, 8));
}

TEST(NativeDrawing, ARoundTripIsLossless) {
  Drawing drawing;
  FillDrawing(drawing);
  const std::vector<uint8_t> first = Written(drawing);

  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(first, reopened, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  // Every field that a file holds went through the reader: writing again gives the same
  // bytes, and the values are those of the original.
  EXPECT_EQ(Written(reopened), first);
  EXPECT_EQ(reopened.settings.mode, 0xDEADBEEFu);
  EXPECT_EQ(reopened.layers.Find(u"WALLS \u6587")->IsFrozen(), true);
  EXPECT_EQ(reopened.settings.currentLayer->name, u"Walls \u6587");
  EXPECT_EQ(reopened.textStyles.Find(u"slant")->flags, TextStyle::kBackwards);
  EXPECT_EQ(reopened.entities.size(), 4u);
  EXPECT_EQ(reopened.entities.Tail()->AsPoint()->position, Point(7, 8));
}

TEST(NativeDrawing, UnusedBlocksAreNotWritten) {
  Drawing drawing;
  FillDrawing(drawing);
  drawing.blocks.CreateBlock(u"UNUSED", drawing.entities, Point(), Point(), Size{1, 1});
  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(Written(drawing), reopened, messages).opened);
  EXPECT_TRUE(reopened.blocks.empty());
}

// A line type that is not in the drawing's table was never numbered for this file: what
// refers to it is written with a stand-in, so that the file can be read again.
TEST(NativeDrawing, LineTypesOutsideTheTableKeepTheFileReadable) {
  LineType foreign;
  foreign.name = u"DASHED";
  Drawing drawing;
  drawing.New();
  drawing.settings.currentLineType = &foreign;
  drawing.layers.Find(u"0")->lineType = &foreign;
  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(Written(drawing), reopened, messages).opened)
      << (messages.Messages().empty() ? std::string() : "refused");
  EXPECT_EQ(reopened.settings.currentLineType, &ByLayerLineType());
  EXPECT_EQ(reopened.layers.Find(u"0")->lineType, &ContinuousLineType());
}

// Segments outside any polyline come from old files (and, later, from commands that break
// polylines up): a drawing holding them must still save and reopen with them.
TEST(NativeDrawing, SegmentsOnTheirOwnAreSavedAndReopened) {
  Drawing drawing;
  drawing.New();
  auto* straight = new WideLineSegmentEntity(Point(0, 0), Point(4, 0), 1, 2);
  auto* curved = new WideArcSegmentEntity(Point(0, 0), Point(1, 0), Point(0, 1), 0.5, 0.25);
  for (Entity* segment : {static_cast<Entity*>(straight), static_cast<Entity*>(curved)}) {
    segment->ApplyCurrentProperties(drawing.settings);
    drawing.entities.AddTail(segment);
  }
  ArchiveWriter writer;
  ASSERT_NO_THROW(WriteDrawing(writer, drawing));
  Drawing reopened;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawingBytes(writer.bytes(), reopened, messages).opened);
  ASSERT_EQ(reopened.entities.size(), 2u);
  const auto* line = reopened.entities.Head()->AsWideLineSegment();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->end, Point(4, 0));
  EXPECT_EQ(line->endWidth, 2);
  EXPECT_EQ(line->outlineCorners, straight->outlineCorners);
  const auto* arc = reopened.entities.Tail()->AsWideArcSegment();
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(arc->radius, curved->radius);
  EXPECT_EQ(arc->endAngle, curved->endAngle);
  EXPECT_EQ(arc->startWidth, 0.5);
  EXPECT_EQ(Written(reopened), writer.bytes());
}

}  // namespace
}  // namespace korvo
