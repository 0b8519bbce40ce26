#include <limits>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/entity_list.h"
#include "core/line_entity.h"
#include "core/point_display.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "tests/support/canvas.h"
#include "tests/support/color_count.h"
#include "tests/support/picture.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::Canvas;

constexpr uint32_t kRed = 0x0000FF;

using testing::CountColor;

// A line that notes the drawing state its shape is drawn with.
class ProbeLine : public LineEntity {
 public:
  using LineEntity::LineEntity;
  void DrawShape(RenderContext& rc) override {
    seenLineType = rc.lineType;
    seenPenWidth = rc.penWidthPixels;
    LineEntity::DrawShape(rc);
  }
  const LineType* seenLineType = nullptr;
  int seenPenWidth = 0;
};

TEST(EntityDrawTest, ByLayerColorAndLineType) {
  Canvas canvas;
  ProbeLine line(1, 3, 10, 3, canvas.settings);
  auto rc = canvas.Context();
  EXPECT_TRUE(line.Draw(*rc));
  EXPECT_EQ(CountColor(canvas.bitmap, kRed), 10);
  EXPECT_EQ(line.seenLineType, &ContinuousLineType());
  EXPECT_EQ(line.seenPenWidth, 1);
}

TEST(EntityDrawTest, SkippedEntitiesDrawNothing) {
  struct Case {
    const char* name;
    void (*prepare)(LineEntity&, Layer&);
    int mode;
  } cases[] = {
      {"erased", [](LineEntity& e, Layer&) { e.flags |= EntityFlag::Erased; }, DrawMode::Normal},
      {"invisible", [](LineEntity& e, Layer&) { e.visible = 0; }, DrawMode::Normal},
      {"frozen layer", [](LineEntity&, Layer& l) { l.SetFrozen(true); }, DrawMode::Normal},
      {"out of view", [](LineEntity& e, Layer&) { e.flags |= EntityFlag::OutOfView; },
       DrawMode::Normal},
      {"not selected in mode 2", [](LineEntity&, Layer&) {}, DrawMode::HighlightXor},
      {"not selected in mode 4", [](LineEntity&, Layer&) {}, DrawMode::SelectedXor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    LineEntity line(1, 3, 10, 3, canvas.settings);
    c.prepare(line, canvas.layer);
    auto rc = canvas.Context(c.mode);
    EXPECT_TRUE(line.Draw(*rc));
    EXPECT_EQ(canvas.CountNot(0), 0);
  }
}

DrawVerdict RejectAll(const Entity&, void*, void*) {
  return DrawVerdict::Abort;
}
DrawVerdict SkipSolids(const Entity& entity, void* count, void*) {
  ++*static_cast<int*>(count);
  return entity.AsSolid() ? DrawVerdict::Skip : DrawVerdict::Draw;
}

TEST(EntityDrawTest, FilterAbortsOrSkips) {
  Canvas canvas;
  EntityList list;
  list.AddTail(new LineEntity(1, 3, 10, 3, canvas.settings));
  list.AddTail(new SolidEntity(2, 6, 4, 4, canvas.settings));
  list.AddTail(new LineEntity(1, 13, 10, 13, canvas.settings));
  {
    RenderContext rc(canvas.dc, {0, 0, 15, 15}, canvas.settings, DrawMode::Normal, RejectAll);
    EXPECT_FALSE(list.Draw(rc));
    EXPECT_EQ(canvas.CountNot(0), 0);
  }
  int asked = 0;
  RenderContext rc(canvas.dc, {0, 0, 15, 15}, canvas.settings, DrawMode::Normal, SkipSolids,
                   &asked);
  EXPECT_TRUE(list.Draw(rc));
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(canvas.CountNot(0), 20);  // the two lines only
  list.DeleteAll();
}

TEST(EntityDrawTest, WhiteOnWhiteDrawsBlack) {
  Canvas canvas(16, kWhite);
  LineEntity line(1, 3, 10, 3, canvas.settings);
  line.SetColorIndex(7);
  EXPECT_TRUE(line.Draw(*canvas.Context()));
  EXPECT_EQ(CountColor(canvas.bitmap, 0), 10);
  // By-block colour outside any block reference is white too, and so drawn black.
  LineEntity byBlock(1, 5, 10, 5, canvas.settings);
  byBlock.SetColorIndex(0);
  EXPECT_TRUE(byBlock.Draw(*canvas.Context()));
  EXPECT_EQ(CountColor(canvas.bitmap, 0), 20);
  // In an XOR mode the colour is XOR-ed with the background: black XOR white over white.
  LineEntity xorLine(1, 7, 10, 7, canvas.settings);
  xorLine.SetColorIndex(7);
  EXPECT_TRUE(xorLine.Draw(*canvas.Context(DrawMode::Xor)));
  EXPECT_EQ(CountColor(canvas.bitmap, 0), 30);
}

TEST(EntityDrawTest, ByBlockResolvesThroughTheParent) {
  Canvas canvas;
  Layer blue(u"BLUE", 5, &ContinuousLineType(), 40.0);
  LineEntity parent(0, 0, 1, 1, canvas.settings);
  parent.layer = &blue;
  parent.SetColorIndex(256);
  parent.lineWeight = LineWeight::ByLayer;
  parent.lineType = &ByLayerLineType();
  LineType dashed(u"DASHED", u"", u"3, -2");
  blue.lineType = &dashed;
  ProbeLine child(1, 3, 10, 3, canvas.settings);
  child.SetColorIndex(0);
  child.lineWeight = LineWeight::ByBlock;
  child.lineType = &ByBlockLineType();
  auto rc = canvas.Context();
  rc->parentInsert = &parent;
  EXPECT_TRUE(child.Draw(*rc));
  EXPECT_EQ(child.seenPenWidth, 5);  // 0.125 x 40
  EXPECT_EQ(child.seenLineType, &dashed);
  EXPECT_GT(CountColor(canvas.bitmap, 0xFF0000), 0);  // blue, the parent layer's colour
  // Without a parent: the default line weight and a continuous line.
  rc->parentInsert = nullptr;
  EXPECT_TRUE(child.Draw(*rc));
  EXPECT_EQ(child.seenPenWidth, 1);
  EXPECT_EQ(child.seenLineType, &ContinuousLineType());
}

TEST(EntityDrawTest, FinePatternsDrawContinuous) {
  Canvas canvas;
  LineType fine(u"FINE", u"", u"0.7, -0.7");    // 1.4 pixels: under the square root of 2
  LineType coarse(u"COARSE", u"", u"1, -0.5");  // 1.5 pixels
  ProbeLine line(1, 3, 10, 3, canvas.settings);
  auto rc = canvas.Context();
  line.lineType = &fine;
  line.Draw(*rc);
  EXPECT_EQ(line.seenLineType, &ContinuousLineType());
  line.lineType = &coarse;
  line.Draw(*rc);
  EXPECT_EQ(line.seenLineType, &coarse);
  // A line type scale of 0 makes every pattern continuous.
  canvas.settings.linetypeScale = 0;
  rc = canvas.Context();
  line.Draw(*rc);
  EXPECT_EQ(line.seenLineType, &ContinuousLineType());
}

// A selected thin dashed line is dotted and continuous in mode 2, dashed and solid in 3.
TEST(EntityDrawTest, SelectedDashedLineDottedInMode2DashedInMode3) {
  LineType dashed(u"DASHED", u"", u"4, -3");
  const auto row = [](const Canvas& canvas) {
    std::string text;
    for (int x = 0; x < 16; ++x) text += canvas.bitmap.Pixel(x, 7) != 0 ? '#' : '.';
    return text;
  };
  Canvas mode3;
  LineEntity line(0, 8, 15, 8, mode3.settings);
  line.lineType = &dashed;
  line.flags |= EntityFlag::Selected;
  EXPECT_TRUE(line.Draw(*mode3.Context(DrawMode::All)));
  EXPECT_EQ(row(mode3), "#####..#####..##");
  Canvas mode2;
  EXPECT_TRUE(line.Draw(*mode2.Context(DrawMode::HighlightXor)));
  EXPECT_EQ(row(mode2), "#.#.#.#.#.#.#.#.");
}

TEST(EntityDrawTest, LineWeightGivesPenWidth) {
  Canvas canvas;
  ProbeLine line(2, 8, 12, 8, canvas.settings);
  line.lineWeight = 24;  // 3 pixels at 0.125 pixels per unit
  auto rc = canvas.Context();
  line.Draw(*rc);
  EXPECT_EQ(line.seenPenWidth, 3);
  EXPECT_GT(CountColor(canvas.bitmap, kRed), 20);
  rc->lineWeightScale = 0;  // the screen's rule: every pen one pixel
  line.Draw(*rc);
  EXPECT_EQ(line.seenPenWidth, 1);
  line.lineWeight = 1e300;
  rc->lineWeightScale = 0.125;
  line.Draw(*rc);
  EXPECT_GE(line.seenPenWidth, 2);
  line.lineWeight = std::numeric_limits<double>::quiet_NaN();
  line.Draw(*rc);
  EXPECT_EQ(line.seenPenWidth, 1);
}

// An entity's line type and pen width hold for its own draw only: whatever the context
// draws next starts from the state it had before.
TEST(EntityDrawTest, DrawLeavesTheContextsLineTypeAndPenWidthAsTheyWere) {
  Canvas canvas;
  LineType dashed(u"DASHED", u"", u"2, -2");
  LineEntity wideDashed(0, 3, 15, 3, canvas.settings);
  wideDashed.lineType = &dashed;
  wideDashed.lineWeight = 24;  // 3 pixels at 0.125 pixels per unit
  auto rc = canvas.Context();
  rc->lineType = &ContinuousLineType();
  rc->penWidthPixels = 1;
  rc->dc->SelectPen({PenStyle::Solid, kWhite});
  EXPECT_TRUE(wideDashed.Draw(*rc));
  EXPECT_EQ(rc->lineType, &ContinuousLineType());
  EXPECT_EQ(rc->penWidthPixels, 1);
  // A line drawn next is continuous and one pixel wide: all 16 pixels of its row, no more.
  rc->DrawLine(Point(0, 12), Point(15, 12));
  EXPECT_EQ(CountColor(canvas.bitmap, kWhite), 16);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(canvas.bitmap.Pixel(x, 3), kWhite) << x;
}

// Drawing selected entities in mode 4 removes the solid image mode 3 made; a second pass
// puts it back, so the two passes leave the device unchanged.
TEST(EntityDrawTest, SelectedEntitiesTwiceInMode4LeaveTheDeviceUnchanged) {
  for (uint32_t background : {0u, kWhite}) {
    SCOPED_TRACE(background);
    Canvas canvas(24, background);
    EntityList list;
    list.AddTail(new LineEntity(1, 2, 20, 15, canvas.settings));
    list.AddTail(new SolidEntity(3, 3, 8, 5, canvas.settings));
    list.AddTail(new CircleEntity(Point(12, 12), 6, canvas.settings));
    list.AddTail(new ArcEntity(canvas.settings, Point(12, 10), 4, 0.3, 2.5));
    list.AddTail(new PointEntity(canvas.settings, 18, 5));
    list.SetSelectedAll(true);
    const ScopedPointDisplay display(98, 2);
    const Bitmap empty = canvas.bitmap;
    auto rc = canvas.Context(DrawMode::All);
    EXPECT_TRUE(list.Draw(*rc));
    const Bitmap drawn = canvas.bitmap;
    EXPECT_NE(drawn, empty);
    rc->SetDrawMode(DrawMode::SelectedXor);
    EXPECT_TRUE(list.Draw(*rc));
    EXPECT_TRUE(list.Draw(*rc));
    EXPECT_EQ(canvas.bitmap, drawn);
    list.DeleteAll();
  }
}

TEST(EntityDrawTest, Mode4RemovesTheImageOfOneSelectedEntity) {
  Canvas canvas(24, kWhite);
  SolidEntity solid(3, 3, 8, 5, canvas.settings);
  solid.flags |= EntityFlag::Selected;
  const Bitmap empty = canvas.bitmap;
  auto rc = canvas.Context(DrawMode::All);
  solid.Draw(*rc);
  EXPECT_EQ(CountColor(canvas.bitmap, kRed), 9 * 6);
  rc->SetDrawMode(DrawMode::SelectedXor);
  solid.Draw(*rc);
  EXPECT_EQ(canvas.bitmap, empty);
  // In mode 2 a selected solid shows the highlight pattern.
  rc->SetDrawMode(DrawMode::HighlightXor);
  solid.Draw(*rc);
  const int shown = CountColor(canvas.bitmap, kWhite ^ kRed ^ kWhite);
  EXPECT_GT(shown, 0);
  EXPECT_LT(shown, 9 * 6);
  solid.Draw(*rc);
  EXPECT_EQ(canvas.bitmap, empty);
}

TEST(EntityDrawTest, SelectedSolidInTheBackgroundColorShowsThePattern) {
  Canvas white(24, kWhite);
  SolidEntity whiteSolid(3, 3, 8, 5, white.settings);
  whiteSolid.layer = &white.layer;
  white.layer.SetColorIndex(7);
  whiteSolid.flags |= EntityFlag::Selected;
  auto rc = white.Context(DrawMode::HighlightXor);
  whiteSolid.Draw(*rc);
  // Colour 0 leaves the 0 bits alone; the 1 bits take the white background: inverted.
  const int inverted = CountColor(white.bitmap, 0);
  EXPECT_GT(inverted, 0);
  EXPECT_LT(inverted, 9 * 6);
}

// Each symbol of size 2 around the point at the centre of a 21-pixel picture, one unit a
// pixel, as the 9 x 9 pixels around it show it.
TEST(EntityDrawTest, PointSymbols) {
  // Pictures read best one row a line.
  // clang-format off
  struct Case {
    const char* name;
    int mode;
    testing::Picture expected;
  } cases[] = {
      {"dot", 0, {
          ".........",
          ".........",
          ".........",
          ".........",
          "....#....",
          ".........",
          ".........",
          ".........",
          ".........",
      }},
      {"nothing", 1, {
          ".........",
          ".........",
          ".........",
          ".........",
          ".........",
          ".........",
          ".........",
          ".........",
          ".........",
      }},
      {"plus", 2, {
          "....#....",
          "....#....",
          "....#....",
          "....#....",
          "#########",
          "....#....",
          "....#....",
          "....#....",
          "....#....",
      }},
      {"cross", 3, {
          ".........",
          ".#.....#.",
          "..#...#..",
          "...#.#...",
          "....#....",
          "...#.#...",
          "..#...#..",
          ".#.....#.",
          ".........",
      }},
      {"tick", 4, {
          ".........",
          ".........",
          "....#....",
          "....#....",
          "....#....",
          ".........",
          ".........",
          ".........",
          ".........",
      }},
      {"plus in a square", 66, {
          "....#....",
          "....#....",
          "..#####..",
          "..#.#.#..",
          "#########",
          "..#.#.#..",
          "..#####..",
          "....#....",
          "....#....",
      }},
      {"square alone", 65, {
          ".........",
          ".........",
          "..#####..",
          "..#...#..",
          "..#...#..",
          "..#...#..",
          "..#####..",
          ".........",
          ".........",
      }},
      {"dot in a square", 64, {
          ".........",
          ".........",
          "..#####..",
          "..#...#..",
          "..#.#.#..",
          "..#...#..",
          "..#####..",
          ".........",
          ".........",
      }},
      {"circle alone", 33, {
          ".........",
          ".........",
          "...###...",
          "..#...#..",
          "..#...#..",
          "..#...#..",
          "...###...",
          ".........",
          ".........",
      }},
      {"dot in a circle and a square", 96, {
          ".........",
          ".........",
          "..#####..",
          "..#...#..",
          "..#.#.#..",
          "..#...#..",
          "..#####..",
          ".........",
          ".........",
      }},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(21);
    canvas.settings.viewExtent = Size{20, 20};
    PointEntity point(canvas.settings, 10, 10);
    const ScopedPointDisplay display(c.mode, 2);
    EXPECT_TRUE(point.Draw(*canvas.Context()));
    EXPECT_EQ(testing::PictureOf(canvas.bitmap, 6, 6, 9, 9), c.expected);
    // Nothing outside those pixels.
    EXPECT_EQ(canvas.CountNot(0),
              testing::CountDrawn(testing::PictureOf(canvas.bitmap, 6, 6, 9, 9)));
  }
  // Size 0 hides every point.
  Canvas canvas(21);
  PointEntity point(canvas.settings, 10, 10);
  const ScopedPointDisplay display(98, 0);
  EXPECT_TRUE(point.Draw(*canvas.Context()));
  EXPECT_EQ(canvas.CountNot(0), 0);
}

TEST(EntityDrawTest, ArcAndEllipseDrawTheirCurves) {
  Canvas canvas(32);
  canvas.settings.viewExtent = Size{31, 31};
  ArcEntity arc(canvas.settings, Point(16, 16), 10, 0, 3.141592653589793 / 2);
  EXPECT_TRUE(arc.Draw(*canvas.Context()));
  // The quarter from (26, 16) to (16, 26): nothing below the centre or left of it.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (canvas.bitmap.Pixel(x, y) != 0) {
        EXPECT_GE(x, 16);
        EXPECT_LE(y, 31 - 16);
      }
  EXPECT_EQ(canvas.bitmap.Pixel(26, 15), kRed);
  Canvas second(32);
  second.settings.viewExtent = Size{31, 31};
  CircleEntity ellipse(Point(16, 16), 10, second.settings);
  ellipse.ratio = 0.5;
  ellipse.rotation = 3.141592653589793 / 2;  // major axis upright
  EXPECT_TRUE(ellipse.Draw(*second.Context()));
  EXPECT_EQ(second.bitmap.Pixel(16, 31 - 26), kRed);
  EXPECT_EQ(second.bitmap.Pixel(21, 15), kRed);
  EXPECT_EQ(second.bitmap.Pixel(26, 15), 0u);
}

}  // namespace
}  // namespace korvo
