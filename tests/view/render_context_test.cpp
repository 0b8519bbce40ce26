#include "view/render_context.h"

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "tests/support/canvas.h"
#include "tests/support/extreme_values.h"
#include "tests/support/picture.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::Canvas;

constexpr uint32_t kRed = 0x0000FF;

TEST(RenderContextTest, MappingUsesTheLargerRatioAndRoundsHalvesAway) {
  Bitmap bitmap(101, 51);
  DeviceContext dc(bitmap);
  DrawingSettings settings;
  settings.viewOrigin = Point(10, 20);
  settings.viewExtent = Size{200, 50};  // 2 units a pixel across, 1 up: 2 wins
  RenderContext rc(dc, {0, 0, 100, 50}, settings);
  EXPECT_EQ(rc.pixelSize, 2.0);
  struct Case {
    const char* name;
    Point world;
    ScreenPoint screen;
  } cases[] = {
      {"origin is the bottom-left pixel", {10, 20}, {0, 50}},
      {"a half rounds away from zero", {11, 21}, {1, 49}},
      {"a negative half too", {9, 19}, {-1, 51}},
      {"just under a half", {10.999999, 20}, {0, 50}},
      {"whole pixels", {30, 40}, {10, 40}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(rc.WorldToScreen(c.world), c.screen);
  }
  EXPECT_EQ(rc.ScreenToWorld(10, 40), Point(30, 40));
  EXPECT_EQ(rc.upperRight, Point(210, 120));
}

TEST(RenderContextTest, LimitsRectIsClippedToTheScreen) {
  Canvas canvas(16);
  canvas.settings.limitsMin = Point(-5, 3);
  canvas.settings.limitsMax = Point(8, 40);
  auto rc = canvas.Context();
  EXPECT_EQ(rc->limitsRect, (ScreenRect{0, 0, 9, 13}));
}

TEST(RenderContextTest, DrawModesSetTheRasterOperation) {
  Canvas canvas;
  auto rc = canvas.Context(DrawMode::Xor);
  EXPECT_EQ(canvas.dc.rasterOp(), RasterOp::Xor);
  EXPECT_TRUE(rc->IsXorMode());
  EXPECT_EQ(rc->SetDrawMode(DrawMode::All), DrawMode::Xor);
  EXPECT_EQ(canvas.dc.rasterOp(), RasterOp::Xor);  // 3 leaves it
  EXPECT_FALSE(rc->IsXorMode());
  rc->SetDrawMode(DrawMode::Normal);
  EXPECT_EQ(canvas.dc.rasterOp(), RasterOp::Copy);
  rc->SetDrawMode(DrawMode::HighlightXor);
  EXPECT_EQ(canvas.dc.rasterOp(), RasterOp::Xor);
  rc->SetDrawMode(DrawMode::Plain);
  EXPECT_EQ(canvas.dc.rasterOp(), RasterOp::Xor);  // 1 leaves it
}

TEST(RenderContextTest, ConstructionResetsTheHighlightPattern) {
  Canvas canvas(16);
  canvas.settings.viewExtent = Size{30, 30};  // 2 units a pixel
  canvas.settings.linetypeScale = 0.5;
  auto rc = canvas.Context();
  const double element = 2.0 / 0.5 * 2.8284271247462;
  EXPECT_EQ(SelectedLineType().pattern, (std::vector<double>{element, element}));
  canvas.settings.linetypeScale = 0;  // counts as 1
  rc = canvas.Context();
  EXPECT_EQ(SelectedLineType().pattern,
            (std::vector<double>{2 * 2.8284271247462, 2 * 2.8284271247462}));
}

TEST(RenderContextTest, BackgroundAndGridColorsFollowTheDevice) {
  Canvas white(8, 0xFFFFFF), black(8, 0);
  EXPECT_EQ(white.Context()->backgroundColor, 0xFFFFFFu);
  EXPECT_EQ(white.Context()->gridColor, 0xE0E0E0u);
  EXPECT_EQ(black.Context()->backgroundColor, 0u);
  EXPECT_EQ(black.Context()->gridColor, 0x101010u);
}

TEST(RenderContextTest, ScreenLinesIncludeTheirEnd) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    int pixels;
  } cases[] = {
      {"horizontal", 1, 1, 6, 1, 6}, {"vertical up", 3, 9, 3, 2, 8}, {"diagonal", 0, 0, 4, 4, 5},
      {"steep", 2, 1, 4, 7, 7},      {"one point", 5, 5, 5, 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    auto rc = canvas.Context();
    canvas.dc.SelectPen({PenStyle::Solid, kRed});
    rc->DrawScreenLine(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(canvas.CountNot(0), c.pixels);
    EXPECT_EQ(canvas.bitmap.Pixel(c.x1, c.y1), kRed);
    EXPECT_EQ(canvas.bitmap.Pixel(c.x2, c.y2), kRed);
  }
}

TEST(RenderContextTest, ScreenLinesToTheEndsOfTheIntegers) {
  Canvas canvas;
  auto rc = canvas.Context();
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  rc->DrawScreenLine(0, 5, INT_MAX, 5);
  rc->DrawScreenLine(3, INT_MIN, 3, INT_MAX);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(canvas.bitmap.Pixel(i, 5), kRed);
    EXPECT_EQ(canvas.bitmap.Pixel(3, i), kRed);
  }
}

TEST(RenderContextTest, ScreenFrameDrawsEachOutlinePixelOnce) {
  Canvas canvas;
  auto rc = canvas.Context(DrawMode::Xor);
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  rc->DrawScreenFrame({2, 3}, {7, 9});
  EXPECT_EQ(canvas.CountNot(0), 2 * 6 + 2 * 5);
  EXPECT_EQ(canvas.bitmap.Pixel(7, 9), kRed);
  EXPECT_EQ(canvas.bitmap.Pixel(2, 3), kRed);
}

TEST(RenderContextTest, ArcSegmentCounts) {
  // A radius of 3 pixels: three segments per eighth of a turn.
  EXPECT_EQ(ArcSegmentCount(3, 2 * std::numbers::pi), 24);
  EXPECT_EQ(ArcSegmentCount(3, std::numbers::pi / 4), 3);
  // 1000 pixels: at most 512 per eighth.
  EXPECT_EQ(ArcSegmentCount(1000, std::numbers::pi / 4), 512);
  EXPECT_EQ(ArcSegmentCount(1000, 2 * std::numbers::pi), 4096);
  // Tiny radii and spans still give one segment.
  EXPECT_EQ(ArcSegmentCount(0.01, 2 * std::numbers::pi), 8);
  EXPECT_EQ(ArcSegmentCount(50, 1e-9), 1);
  EXPECT_EQ(ArcSegmentCount(50, std::numeric_limits<double>::quiet_NaN()), 1);
}

TEST(RenderContextTest, BuildArcPointsOfALargeCircleKeepsEverySegment) {
  Canvas canvas(8);
  canvas.settings.viewExtent = Size{7, 7};
  auto rc = canvas.Context();
  std::vector<ScreenPoint> points;
  EXPECT_FALSE(rc->BuildArcPoints(Point(0, 0), 1000, 0, 2 * std::numbers::pi, 0, 1, points));
  // 4096 segments, all more than a pixel apart: 4097 points, the last one the first.
  ASSERT_EQ(points.size(), 4097u);
  EXPECT_EQ(points.front(), points.back());
  EXPECT_EQ(points[0], rc->WorldToScreen(Point(1000, 0)));
  EXPECT_EQ(points[1024], rc->WorldToScreen(Point(0, 1000)));
}

TEST(RenderContextTest, BuildArcPointsDropsPointsOnTheSamePixel) {
  Canvas canvas(16);
  auto rc = canvas.Context();
  std::vector<ScreenPoint> points;
  rc->BuildArcPoints(Point(8, 8), 3, 0, 2 * std::numbers::pi, 0, 1, points);
  ASSERT_GE(points.size(), 2u);
  EXPECT_LT(points.size(), 25u);  // of the 25 points some share pixels
  for (std::size_t i = 1; i < points.size(); ++i) EXPECT_FALSE(points[i] == points[i - 1]);
  for (const ScreenPoint& p : points) {
    const double d = std::hypot(p.x - 8.0, p.y - 7.0);
    EXPECT_NEAR(d, 3.0, 0.75);
  }
  // The points are those of 24 segments, 15 degrees apart, with repeats dropped (world y is
  // rounded before it is turned upside down).
  std::vector<ScreenPoint> expected;
  for (int k = 0; k <= 24; ++k) {
    const double a = k * std::numbers::pi / 12;
    // Positive values here: add 0.5000000000001 and truncate.
    const ScreenPoint p{static_cast<int>(8 + 3 * std::cos(a) + 0.5000000000001),
                        15 - static_cast<int>(8 + 3 * std::sin(a) + 0.5000000000001)};
    if (expected.empty() || !(expected.back() == p)) expected.push_back(p);
  }
  EXPECT_EQ(points, expected);
}

TEST(RenderContextTest, WidePenArcIsAClosedBand) {
  Canvas canvas(32);
  canvas.settings.viewExtent = Size{31, 31};
  auto rc = canvas.Context();
  rc->penWidthPixels = 4;
  std::vector<ScreenPoint> points;
  EXPECT_TRUE(rc->BuildArcPoints(Point(16, 16), 10, 0, std::numbers::pi, 0, 1, points));
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  canvas.dc.SelectBrush(Brush::Solid(kRed));
  rc->DrawArc(Point(16, 16), 10, 0, std::numbers::pi);
  // The band covers radii 8 to 12 above the centre row.
  EXPECT_EQ(canvas.bitmap.Pixel(16, 31 - 26), kRed);    // radius 10 straight up
  EXPECT_EQ(canvas.bitmap.Pixel(16, 31 - 27), kRed);    // radius 11
  EXPECT_EQ(canvas.bitmap.Pixel(16, 31 - 16 - 5), 0u);  // radius 5: inside the hole
  EXPECT_EQ(canvas.bitmap.Pixel(16, 31 - 16 + 5), 0u);  // below: the arc is the upper half
}

TEST(RenderContextTest, WideLineIsAPolygonOfThePenWidth) {
  Canvas canvas(16);
  auto rc = canvas.Context();
  rc->penWidthPixels = 4;
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  canvas.dc.SelectBrush(Brush::Solid(kRed));
  rc->DrawLine(Point(3, 8), Point(12, 8));
  // Rows 8 +- 2 (screen rows 5..9), columns 3..12.
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 3 && x <= 12 && y >= 5 && y <= 9;
      EXPECT_EQ(canvas.bitmap.Pixel(x, y), inside ? kRed : 0u) << x << "," << y;
    }
}

TEST(RenderContextTest, ZeroLengthDashShowsOnePixel) {
  Canvas canvas(16);
  auto rc = canvas.Context();
  LineType dots(u"DOTS", u"", u"0, -4");
  rc->lineType = &dots;
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  rc->DrawLine(Point(2, 8), Point(14, 8));
  // Dots at 2, 6, 10 and 14, one pixel each, on screen row 15 - 8.
  EXPECT_EQ(canvas.CountNot(0), 4);
  for (int x : {2, 6, 10, 14}) EXPECT_EQ(canvas.bitmap.Pixel(x, 7), kRed) << x;
}

TEST(RenderContextTest, DashedLineDrawsOnlyTheDashes) {
  Canvas canvas(16);
  auto rc = canvas.Context();
  LineType dashed(u"DASHED", u"", u"3, -2");
  rc->lineType = &dashed;
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  rc->DrawLine(Point(0, 8), Point(15, 8));
  std::string row;
  for (int x = 0; x < 16; ++x) row += canvas.bitmap.Pixel(x, 7) == kRed ? '#' : '.';
  // Dashes [0,3], [5,8], [10,13], [15,15]: each from its start to its end pixel.
  EXPECT_EQ(row, "####.####.####.#");
}

// Every path (lines, arcs, bands, thin or wide) ends its walk the same way: a pattern whose
// dashes cannot be placed draws the path exactly as a continuous line type does.
TEST(RenderContextTest, UnplaceableDashesDrawEveryPathContinuous) {
  struct Path {
    const char* name;
    void (*draw)(RenderContext&);
  } paths[] = {
      {"thin line", [](RenderContext& rc) { rc.DrawLine(Point(1, 3), Point(14, 12)); }},
      {"wide line",
       [](RenderContext& rc) {
         rc.penWidthPixels = 3;
         rc.DrawLine(Point(1, 3), Point(14, 12));
       }},
      {"arc", [](RenderContext& rc) { rc.DrawArc(Point(8, 8), 6, 0.5, 4); }},
      {"wide arc",
       [](RenderContext& rc) {
         rc.penWidthPixels = 3;
         rc.DrawArc(Point(8, 8), 6, 0.5, 4);
       }},
      {"band",
       [](RenderContext& rc) {
         WideLineSegmentEntity band(Point(1, 3), Point(14, 12), 3, 1);
         band.DrawShape(rc);
       }},
      {"arc band",
       [](RenderContext& rc) {
         WideArcSegmentEntity band(Point(8, 8), Point(14, 8), Point(2, 8), 3, 2);
         band.DrawShape(rc);
       }},
  };
  const LineType dashGap(u"DASHED", u"", u"3, -2");
  const LineType tooFine(u"FINE", u"", u"1e-5, -1e-5");
  struct Pattern {
    const char* name;
    const LineType* type;
    double linetypeScale;
  } patterns[] = {
      {"a period past the largest double", &dashGap, 1e308},
      {"more dashes than the limit", &tooFine, 1},
  };
  const auto draw = [](const Path& path, const LineType* type, double linetypeScale) {
    auto canvas = std::make_unique<Canvas>(16);
    canvas->settings.linetypeScale = linetypeScale;
    canvas->dc.SelectPen({PenStyle::Solid, kRed});
    canvas->dc.SelectBrush(Brush::Solid(kRed));
    auto rc = canvas->Context();
    rc->lineType = type;
    path.draw(*rc);
    return canvas;
  };
  for (const Path& path : paths) {
    SCOPED_TRACE(path.name);
    const auto continuous = draw(path, &ContinuousLineType(), 1);
    EXPECT_GT(continuous->CountNot(0), 0);
    for (const Pattern& pattern : patterns) {
      SCOPED_TRACE(pattern.name);
      EXPECT_EQ(draw(path, pattern.type, pattern.linetypeScale)->bitmap, continuous->bitmap);
    }
  }
}

TEST(RenderContextTest, FarAndBrokenCoordinatesNeitherHangNorEscape) {
  Canvas canvas(16);
  auto rc = canvas.Context();
  LineType dashed(u"DASHED", u"", u"3, -2");
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  canvas.dc.SelectBrush(Brush::Solid(kRed));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  rc->DrawLine(Point(nan, 3), Point(4, 4));
  rc->DrawCircle(Point(nan, 0), 3);
  rc->DrawArc(Point(3, 3), nan, 0, 1);
  EXPECT_EQ(canvas.CountNot(0), 0);
  // A horizontal line across the whole world still lands on its row.
  rc->DrawLine(Point(-1e300, 5), Point(1e300, 5));
  for (int x = 0; x < 16; ++x) EXPECT_EQ(canvas.bitmap.Pixel(x, 10), kRed);
  // Dashed from far outside: only the visible part is walked, and the dashes fall where a
  // walk from the far start puts them.
  rc->lineType = &dashed;
  rc->DrawLine(Point(-1e6, 2), Point(1e6, 2));
  std::string row;
  for (int x = 0; x < 16; ++x) row += canvas.bitmap.Pixel(x, 13) == kRed ? '#' : '.';
  EXPECT_EQ(row, "####.####.####.#");
  // Over 2e300 units no dash can be placed: the line draws continuous.
  rc->DrawLine(Point(-1e300, 1), Point(1e300, 1));
  for (int x = 0; x < 16; ++x) EXPECT_EQ(canvas.bitmap.Pixel(x, 14), kRed);
  // Curves far larger than the world pass by it and draw nothing on it.
  const testing::Picture before = testing::PictureOf(canvas.bitmap);
  rc->DrawCircle(Point(0, 0), 1e300);
  rc->DrawArc(Point(1e300, -1e300), 1e300, 0, 1e-300);
  rc->penWidthPixels = 5;
  rc->DrawWideArc(Point(0, 0), 1e300, 0, 3, 1e299, 1e300);
  EXPECT_EQ(testing::PictureOf(canvas.bitmap), before);
}

// Clipping a line that reaches far past the device once lost its position: both ends far
// out, each border crossing came out as the difference of two huge numbers, and a diagonal
// through the bottom-left corner turned into a band along the bottom rows.
TEST(RenderContextTest, DiagonalFromFarOutsideKeepsItsPlace) {
  // The line y = -x through the bottom-left pixel. A 5-pixel pen makes a polygon whose
  // corners round to a band between screen rows y = x + 11 (its outline) and y = x + 19.
  // clang-format off
  // The bottom-left 6 x 6 pixels; the count below shows that nothing lies elsewhere.
  const testing::Picture corner = {
      "......",
      "#.....",
      "##....",
      "###...",
      "####..",
      "#####.",
  };
  const testing::Picture dot = {
      "......",
      "......",
      "......",
      "......",
      "......",
      "#.....",
  };
  // clang-format on
  struct Case {
    const char* name;
    double reach;
    int penWidth;
    const testing::Picture& expected;
  } cases[] = {
      {"wide, ends just outside", 20, 5, corner},
      {"wide, ends at 1e300", 1e300, 5, corner},
      {"thin, ends just outside", 20, 1, dot},
      {"thin, ends at 1e300", 1e300, 1, dot},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(16);
    canvas.dc.SelectPen({PenStyle::Solid, kRed});
    canvas.dc.SelectBrush(Brush::Solid(kRed));
    auto rc = canvas.Context();
    rc->penWidthPixels = c.penWidth;
    rc->DrawLine(Point(-c.reach, c.reach), Point(c.reach, -c.reach));
    EXPECT_EQ(testing::PictureOf(canvas.bitmap, 0, 10, 6, 6), c.expected);
    EXPECT_EQ(canvas.CountNot(0), testing::CountDrawn(c.expected));
  }
}

TEST(RenderContextTest, ZeroRadiusDrawsNothing) {
  Canvas canvas(16);
  auto rc = canvas.Context();
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  rc->DrawCircle(Point(8, 8), 0);
  rc->DrawArc(Point(8, 8), 0, 0, 1);
  EXPECT_EQ(canvas.CountNot(0), 0);
}

TEST(RenderContextTest, FillBackgroundCoversTheRectangleAndOneMore) {
  Bitmap bitmap(10, 10, 0x123456);
  DeviceContext dc(bitmap);
  dc.SetBackgroundColor(0xFFFFFF);
  DrawingSettings settings;
  RenderContext rc(dc, {1, 1, 6, 6}, settings, DrawMode::Xor);
  rc.FillBackground();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 1 && x <= 7 && y >= 1 && y <= 7;
      EXPECT_EQ(bitmap.Pixel(x, y), inside ? 0xFFFFFFu : 0x123456u) << x << "," << y;
    }
  EXPECT_EQ(dc.rasterOp(), RasterOp::Xor);
}

TEST(RenderContextTest, HighlightBrushRowsAndShifts) {
  Canvas canvas;
  auto rc = canvas.Context();
  EXPECT_EQ(rc->highlightBrush.pattern,
            (std::array<uint8_t, 8>{0x55, 0xEE, 0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB}));
  rc->MakeHighlightBrush(1, 1);
  // Rows start at the second one and each is rotated left by one bit within 16 bits.
  EXPECT_EQ(rc->highlightBrush.pattern,
            (std::array<uint8_t, 8>{0xDD, 0xAA, 0x77, 0xAA, 0xDD, 0xAA, 0x77, 0xAA}));
  EXPECT_EQ(rc->highlightBrush.style, BrushStyle::Pattern);
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// Every operation with any mix of extreme world values ends, and what it draws past an edge
// of the bitmap never wraps round into the picture.
TEST(RenderExtremesTest, EveryOperationWithExtremeWorldValues) {
  LineType dashed(u"DASHED", u"", u"1.5, -1, 0, -1");
  testing::ExpectNothingWrapsIn([&](Canvas& canvas) {
    auto any = testing::ExtremeDoubles(7);
    canvas.dc.SelectPen({PenStyle::Solid, kRed});
    canvas.dc.SelectBrush(Brush::Solid(kRed));
    for (int trial = 0; trial < 300; ++trial) {
      auto rc = canvas.Context(trial % 2 == 0 ? DrawMode::Normal : DrawMode::Xor);
      rc->lineType = trial % 3 == 0 ? nullptr : &dashed;
      rc->penWidthPixels = trial % 4 == 0 ? 3 : 1;
      rc->DrawLine(Point(any(), any()), Point(any(), any()));
      rc->DrawCircle(Point(any(), any()), any(), any(), any());
      rc->DrawArc(Point(any(), any()), any(), any(), any(), any(), any());
      rc->DrawWideArc(Point(any(), any()), any(), any(), any(), any(), any());
      const ScreenPoint s = rc->WorldToScreen(Point(any(), any()));
      rc->DrawScreenLine(s.x, s.y, 8, 8);
    }
  });
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// A pattern scaled past the largest double walks as one endless dash; an arc whose span
// exceeds even that must still end its walk.
TEST(RenderExtremesTest, DashedArcWithUnboundedScaleEnds) {
  Canvas canvas(16);
  canvas.settings.linetypeScale = 1e300;
  LineType dashed(u"DASHED", u"", u"3, -2");
  canvas.dc.SelectPen({PenStyle::Solid, kRed});
  auto rc = canvas.Context();
  rc->lineType = &dashed;
  rc->DrawArc(Point(8, 8), 1e-300, 0, 1e300);
  // The arc is no bigger than its centre's pixel: whether or not that one shows, no other
  // may.
  canvas.bitmap.SetPixel(8, 7, 0);
  EXPECT_EQ(testing::PictureOf(canvas.bitmap), testing::Picture(16, std::string(16, '.')));
}

}  // namespace
}  // namespace korvo
