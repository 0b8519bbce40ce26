#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "core/block_definition.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/native_drawing.h"
#include "core/polyline_entity.h"
#include "core/text_entity.h"
#include "platform/file_io.h"
#include "platform/utf16.h"
#include "text/font_files.h"
#include "text/line_type.h"

namespace korvo {
namespace {

const std::filesystem::path kSourceDir(KORVOCAD_SOURCE_DIR);
const std::filesystem::path kShowcasePath = kSourceDir / "samples" / "showcase.KorvoDWG";

constexpr double kDegree = std::numbers::pi / 180;

// The sheet the view window shows: 3:2, as the documented 1200 x 800 picture.
constexpr Point kSheetMin(0, 0);
constexpr Size kSheetSize{300, 200};

enum Color : int {
  kByBlock = 0,
  kRed = 1,
  kYellow = 2,
  kGreen = 3,
  kCyan = 4,
  kMagenta = 6,
  kWhite = 7,
  kGrey = 8,
  kByLayer = 256
};

class ShowcaseBuilder {
 public:
  explicit ShowcaseBuilder(Drawing& drawing) : drawing_(drawing), s_(drawing.settings) {}

  void Build() {
    drawing_.New();
    s_.limitsMin = kSheetMin;
    s_.limitsMax = Point(kSheetSize.width, kSheetSize.height);
    s_.viewOrigin = kSheetMin;
    s_.viewExtent = kSheetSize;
    dashed_ = new LineType(u"DASHED", u"__ __ __ __", u"5, -2.5");
    drawing_.lineTypes.Add(dashed_);
    text_ = AddLayer(u"TEXT", kWhite);
    blocks_ = AddLayer(u"BLOCKS", kWhite);
    polylines_ = AddLayer(u"POLYLINES", kGreen);
    AddFontSamples();
    AddTextPlacements();
    AddBlocks();
    AddBlockReferences();
    AddPolylines();
    s_.currentLayer = text_;
    Text(drawing_.entities, u"TXT", {10, 8}, 3,
         u"samples/showcase.KorvoDWG, written by tests/core/showcase_drawing_test.cpp")
        ->SetColorIndex(kGrey);
    s_.currentLayer = drawing_.layers.Find(u"0");
    s_.currentTextStyle = drawing_.textStyles.Find(u"STANDARD");
    s_.currentColorIndex = kByLayer;
  }

 private:
  Layer* AddLayer(std::u16string name, int color) {
    auto* layer = new Layer(std::move(name), color, &ContinuousLineType(), -3.0);
    drawing_.layers.Add(layer);
    return layer;
  }

  TextStyle* Style(std::u16string_view font) {
    if (TextStyle* style = drawing_.textStyles.Find(font)) return style;
    auto* style = new TextStyle(std::u16string(font), font, 0, 1, 0, 0);
    drawing_.textStyles.Add(style);
    return style;
  }

  TextEntity* Text(EntityList& list, std::u16string_view font, Point at, double height,
                   std::u16string content, double rotation = 0, uint8_t alignment = kAlignLeft,
                   double widthFactor = 1, double oblique = 0) {
    s_.currentTextStyle = Style(font);
    auto* text = new TextEntity(at, height, rotation, widthFactor, oblique, 0, alignment,
                                std::move(content), s_);
    list.AddTail(text);
    return text;
  }

  void Add(Entity* entity, int color) {
    entity->SetColorIndex(color);
    drawing_.entities.AddTail(entity);
  }

  // A red cross on the point a text is aligned to.
  void Marker(Point at) {
    Add(new LineEntity(at.x - 1.5, at.y, at.x + 1.5, at.y, s_), kRed);
    Add(new LineEntity(at.x, at.y - 1.5, at.x, at.y + 1.5, s_), kRed);
  }

  // One text per shipped font, each in a style of its own that bears the font's name.
  void AddFontSamples() {
    s_.currentLayer = text_;
    Text(drawing_.entities, u"DUPLEX", {10, 185}, 7, u"KorvoCAD showcase");
    const char16_t* latinFonts[] = {u"TXT", u"SIMPLEX", u"DUPLEX", u"SCRIPT"};
    double y = 170;
    for (const char16_t* font : latinFonts) {
      Text(drawing_.entities, font, {10, y}, 4.5, std::u16string(font) + u": Quick brown fox 0123");
      y -= 9;
    }
    // The Greek face puts Greek letters on the Latin ones too, so its name is written
    // beside it in the default face.
    Text(drawing_.entities, u"TXT", {10, y}, 4.5, u"GREEK:");
    Text(drawing_.entities, u"GREEK", {40, y}, 4.5,
         u"\u0391\u0392\u0393\u0394\u0398\u039B\u03A0"
         u"\u03A3\u03A6\u03A9 \u03B1\u03B2\u03B3"
         u"\u03B4\u03B5\u03BB\u03BC\u03C0\u03C9");
  }

  void AddTextPlacements() {
    s_.currentLayer = text_;
    // Alignment against a common vertical.
    Add(new LineEntity(255, 160, 255, 192, s_), kGrey);
    const struct {
      uint8_t alignment;
      const char16_t* content;
      double y;
    } aligned[] = {{kAlignLeft, u"left aligned", 186},
                   {kAlignCenter, u"centred", 176},
                   {kAlignRight, u"right aligned", 166}};
    for (const auto& a : aligned) {
      Text(drawing_.entities, u"SIMPLEX", {255, a.y}, 4, a.content, 0, a.alignment);
      Marker({255, a.y});
    }
    Text(drawing_.entities, u"SIMPLEX", {150, 118}, 4, u"rotated 30\u00B0", 30 * kDegree);
    Marker({150, 118});
    Text(drawing_.entities, u"SIMPLEX", {150, 186}, 4, u"oblique 15\u00B0", 0, kAlignLeft, 1,
         15 * kDegree);
    Text(drawing_.entities, u"SIMPLEX", {150, 176}, 4, u"width 1.4", 0, kAlignLeft, 1.4);
    Text(drawing_.entities, u"SIMPLEX", {200, 176}, 4, u"width 0.6", 0, kAlignLeft, 0.6);
    Text(drawing_.entities, u"TXT", {150, 160}, 3.5,
         u"A text of three lines:\nits second line\nand its third");
    Text(drawing_.entities, u"TXT", {192, 140}, 3.5,
         u"Latin-1: \u00C0\u00C1\u00C2\u00C3\u00C4\u00C5 \u00C7\u00E7 \u00C9\u00E8 \u00D1\u00F1 "
         u"\u00D6\u00F8 \u00DC\u00DF \u00C6\u00E6");
    Text(drawing_.entities, u"TXT", {192, 130}, 3.5, u"Symbols: 45\u00B0  \u00B10.05  \u230012 H7");
  }

  void AddBlocks() {
    s_.currentLayer = drawing_.layers.Find(u"0");
    // A flag: pole in white, cloth and its letter by block.
    auto* flag = new BlockDefinition(u"FLAG");
    AddPart(*flag, new LineEntity(0, 0, 0, 12, s_), kWhite);
    AddPart(*flag, new LineEntity(0, 12, 8, 9.5, s_), kByBlock);
    AddPart(*flag, new LineEntity(8, 9.5, 0, 7, s_), kByBlock);
    Text(*flag, u"TXT", {1, 8.3}, 2.4, u"F")->SetColorIndex(kByBlock);
    drawing_.blocks.Add(flag);

    // Two flags, themselves by block, so the outer reference colours both cloths.
    auto* pair = new BlockDefinition(u"PAIR");
    AddPart(*pair, new InsertEntity(u"FLAG", {0, 0}, 1, 1, 0, s_), kByBlock);
    AddPart(*pair, new InsertEntity(u"FLAG", {12, 0}, 0.7, 0.7, 0, s_), kByBlock);
    AddPart(*pair, new LineEntity(-2, 0, 20, 0, s_), kWhite);
    drawing_.blocks.Add(pair);

    // A target drawn entirely by block, with its base point off the origin.
    auto* mark = new BlockDefinition(u"MARK");
    mark->basePoint = Point(10, 10);
    AddPart(*mark, new CircleEntity(Point(10, 10), 4, s_), kByBlock);
    AddPart(*mark, new LineEntity(5, 10, 15, 10, s_), kByBlock);
    AddPart(*mark, new LineEntity(10, 5, 10, 15, s_), kByBlock);
    Text(*mark, u"TXT", {14.5, 14.5}, 2.4, u"M")->SetColorIndex(kByBlock);
    drawing_.blocks.Add(mark);
  }

  static void AddPart(EntityList& block, Entity* entity, int color) {
    entity->SetColorIndex(color);
    block.AddTail(entity);
  }

  void Reference(std::u16string name, Point at, double sx, double sy, double rotation, int color,
                 std::u16string label) {
    s_.currentLayer = blocks_;
    Add(new InsertEntity(std::move(name), at, sx, sy, rotation, s_), color);
    Marker(at);
    s_.currentLayer = text_;
    Text(drawing_.entities, u"TXT", {at.x, at.y - 6}, 2.8, std::move(label), 0, kAlignCenter);
  }

  void AddBlockReferences() {
    s_.currentLayer = text_;
    Text(drawing_.entities, u"SIMPLEX", {10, 105}, 4.5, u"Block references");
    Reference(u"FLAG", {15, 75}, 1, 1, 0, kRed, u"plain");
    Reference(u"FLAG", {42, 75}, 1, 1, 45 * kDegree, kYellow, u"rotated 45\u00B0");
    Reference(u"FLAG", {68, 75}, 1.5, 1.5, 0, kGreen, u"scaled 1.5");
    Reference(u"FLAG", {98, 75}, -1, 1, 0, kCyan, u"mirrored");
    Reference(u"FLAG", {130, 75}, 1.6, 0.8, 0, kMagenta, u"1.6 x 0.8");
    Reference(u"PAIR", {15, 35}, 1, 1, 0, kMagenta, u"nested");
    Reference(u"PAIR", {55, 35}, 1.2, 1.2, 20 * kDegree, kGreen, u"nested, 20\u00B0");
    Reference(u"MARK", {95, 35}, 1, 1, 0, kRed, u"by block: red");
    Reference(u"MARK", {135, 35}, 1, 1, 0, kCyan, u"by block: cyan");
  }

  struct Vertex {
    Point at;
    double startWidth = 0;
    double endWidth = 0;
    double bulge = 0;
  };

  void Polyline(std::initializer_list<Vertex> vertices, int color, bool closed = false,
                LineType* lineType = nullptr) {
    s_.currentLayer = polylines_;
    s_.currentLineType = lineType != nullptr ? lineType : &ByLayerLineType();
    auto* polyline = new PolylineEntity(s_);
    for (const Vertex& v : vertices)
      polyline->AppendVertex(v.at, v.startWidth, v.endWidth, v.bulge, 0, 0);
    polyline->SetClosed(closed);
    polyline->RebuildSegments();
    Add(polyline, color);
    s_.currentLineType = &ByLayerLineType();
  }

  void Label(Point at, std::u16string content) {
    s_.currentLayer = text_;
    Text(drawing_.entities, u"TXT", at, 2.8, std::move(content));
  }

  void AddPolylines() {
    s_.currentLayer = text_;
    Text(drawing_.entities, u"SIMPLEX", {165, 105}, 4.5, u"Wide polylines");
    // An arrow: a constant shaft, then a head narrowing to a point.
    Polyline({{{165, 90}, 1.5, 1.5}, {{200, 90}, 6, 0}, {{212, 90}}}, kRed);
    Label({165, 82}, u"widths 1.5, then 6 to 0");
    // Half circles turning either way, the width growing along them.
    Polyline({{{222, 88}, 0.5, 1.5, 1},
              {{236, 88}, 1.5, 2.5, -1},
              {{250, 88}, 2.5, 3.5, 1},
              {{264, 88}, 3.5, 3.5, 0.4},
              {{285, 88}}},
             kYellow);
    Label({222, 76}, u"arcs, bulge 1, -1, 1, 0.4");
    // Closed, one side an arc.
    Polyline({{{165, 40}, 1, 1}, {{195, 40}, 1, 1, 0.5}, {{195, 62}, 1, 1}, {{165, 62}, 1, 1}},
             kCyan, true);
    Label({165, 32}, u"closed, width 1");
    Polyline({{{215, 40}, 5, 5}, {{215, 62}, 5, 5}, {{240, 62}}}, kMagenta);
    Label({212, 32}, u"90\u00B0 corner,\nwidth 5");
    Polyline({{{252, 40}, 2, 2}, {{282, 40}, 2, 2, 0.6}, {{282, 65}}}, kGreen, false, dashed_);
    Label({252, 32}, u"DASHED,\nwidth 2");
  }

  Drawing& drawing_;
  DrawingSettings& s_;
  LineType* dashed_ = nullptr;
  Layer* text_ = nullptr;
  Layer* blocks_ = nullptr;
  Layer* polylines_ = nullptr;
};

bool UpdateRequested() {
  const char* update = std::getenv("KORVOCAD_UPDATE_FIXTURES");
  return update != nullptr && std::string(update) == "1";
}

// With KORVOCAD_UPDATE_FIXTURES=1 the test writes the showcase anew; otherwise a change of
// the builder or of the writer that alters the bytes fails here.
TEST(ShowcaseDrawing, ShippedFileIsTheBuildersOutput) {
  Drawing drawing;
  ShowcaseBuilder(drawing).Build();
  ArchiveWriter writer;
  WriteDrawing(writer, drawing);
  if (UpdateRequested()) {
    std::ofstream file(kShowcasePath, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(writer.bytes().data()),
               static_cast<std::streamsize>(writer.bytes().size()));
    ASSERT_TRUE(file.good());
  }
  const auto shipped = ReadFileBytes(kShowcasePath);
  ASSERT_TRUE(shipped.has_value()) << kShowcasePath;
  EXPECT_EQ(*shipped, writer.bytes());
}

// The picture shows the view window only: everything drawn must lie within it, laid out
// with the fonts that ship beside the program.
TEST(ShowcaseDrawing, ViewWindowFramesEveryEntity) {
  ScopedFontFolder fonts(kSourceDir / "data" / "FONTS");
  Drawing drawing;
  RecordingMessageBox messages;
  ASSERT_TRUE(OpenDrawing(kShowcasePath, drawing, messages).opened);
  EXPECT_TRUE(messages.Messages().empty());
  const DrawingSettings& s = drawing.settings;
  int index = 0;
  for (const Entity* entity : drawing.entities) {
    SCOPED_TRACE(index++);
    Point min, max;
    ASSERT_TRUE(entity->GetExtents(min, max));
    EXPECT_GE(min.x, s.viewOrigin.x);
    EXPECT_GE(min.y, s.viewOrigin.y);
    EXPECT_LE(max.x, s.viewOrigin.x + s.viewExtent.width);
    EXPECT_LE(max.y, s.viewOrigin.y + s.viewExtent.height);
    // A text whose font failed to load would shrink to its insertion point and pass above.
    if (const TextEntity* text = entity->AsText()) {
      EXPECT_GT(max.x - min.x, text->height);
    }
  }
  // Each style's font was read from its own file, not from the fallback.
  for (const TextStyle* style : drawing.textStyles) {
    SCOPED_TRACE(Utf16ToUtf8(style->name));
    ASSERT_TRUE(style->font);
    EXPECT_EQ(style->font->sourcePath.filename().string(),
              Utf16ToUtf8(style->FontName()) + ".kcdfnt");
  }
  EXPECT_EQ(drawing.blocks.size(), 3u);
  EXPECT_EQ(drawing.textStyles.size(), 6u);  // STANDARD and one per font
}

}  // namespace
}  // namespace korvo
