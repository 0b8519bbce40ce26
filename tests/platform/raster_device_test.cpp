#include "platform/raster_device.h"

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/color_count.h"
#include "tests/support/extreme_values.h"
#include "tests/support/picture.h"

namespace korvo {
namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

using testing::CountNot;

// The picture as rows of characters: '.' for `background`, '#' for anything else.
testing::Picture Picture(const Bitmap& bitmap, uint32_t background = 0) {
  return testing::PictureOf(bitmap, background);
}

TEST(RasterLineTest, PixelsOfHandDrawnLines) {
  struct Case {
    const char* name;
    ScreenPoint from, to;
    std::vector<std::string> expected;
  } cases[] = {
      {"horizontal, end left out", {0, 0}, {4, 0}, {"####..", "......", "......", "......"}},
      {"leftward", {4, 1}, {0, 1}, {"......", ".####.", "......", "......"}},
      {"shallow, halves round up", {0, 0}, {4, 2}, {"#.....", ".##...", "...#..", "......"}},
      {"steep upward", {1, 3}, {2, 0}, {"......", "..#...", ".#....", ".#...."}},
      {"diagonal", {0, 0}, {3, 3}, {"#.....", ".#....", "..#...", "......"}},
      {"one pixel long", {2, 2}, {3, 2}, {"......", "......", "..#...", "......"}},
      {"zero length draws nothing", {2, 2}, {2, 2}, {"......", "......", "......", "......"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap bitmap(6, 4);
    DeviceContext dc(bitmap);
    dc.SelectPen({PenStyle::Solid, kRed});
    dc.MoveTo(c.from.x, c.from.y);
    dc.LineTo(c.to.x, c.to.y);
    EXPECT_EQ(Picture(bitmap), c.expected);
    EXPECT_EQ(dc.CurrentPosition(), c.to);
  }
}

// Clipping must keep exactly the pixels the whole line has inside the bitmap: draw into a
// large bitmap and compare its middle with the clipped drawing.
TEST(RasterLineTest, ClippedLinesKeepTheUnclippedPixels) {
  constexpr int kSize = 16, kMargin = 64;
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> coordinate(-50, kSize + 50);
  for (int trial = 0; trial < 400; ++trial) {
    const int x0 = coordinate(random), y0 = coordinate(random);
    const int x1 = coordinate(random), y1 = coordinate(random);
    SCOPED_TRACE(::testing::Message() << x0 << "," << y0 << " -> " << x1 << "," << y1);
    Bitmap small(kSize, kSize), large(kSize + 2 * kMargin, kSize + 2 * kMargin);
    DeviceContext smallDc(small), largeDc(large);
    smallDc.SelectPen({PenStyle::Solid, kRed});
    largeDc.SelectPen({PenStyle::Solid, kRed});
    smallDc.MoveTo(x0, y0);
    smallDc.LineTo(x1, y1);
    largeDc.MoveTo(x0 + kMargin, y0 + kMargin);
    largeDc.LineTo(x1 + kMargin, y1 + kMargin);
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        ASSERT_EQ(small.Pixel(x, y), large.Pixel(x + kMargin, y + kMargin)) << x << "," << y;
  }
}

TEST(RasterLineTest, FarCoordinatesAreClippedQuickly) {
  Bitmap bitmap(8, 8);
  DeviceContext dc(bitmap);
  dc.SelectPen({PenStyle::Solid, kRed});
  dc.MoveTo(-2000000000, 5);
  dc.LineTo(2000000000, 5);
  for (int x = 0; x < 8; ++x) EXPECT_EQ(bitmap.Pixel(x, 5), kRed);
  EXPECT_EQ(CountNot(bitmap, 0), 8);
  dc.MoveTo(INT_MIN, INT_MIN);
  dc.LineTo(INT_MAX, INT_MAX);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bitmap.Pixel(i, i), kRed);
}

TEST(RasterLineTest, DottedPenDrawsEvenStepsAcrossAPolyline) {
  Bitmap bitmap(8, 3);
  DeviceContext dc(bitmap);
  dc.SetBackgroundMode(BackgroundMode::Transparent);
  dc.SelectPen({PenStyle::Dotted, kRed});
  // Three steps right, then three more: the pattern goes on at the joint.
  const ScreenPoint path[] = {{0, 0}, {3, 0}, {6, 0}};
  dc.Polyline(path);
  // A new MoveTo starts the pattern again.
  dc.MoveTo(1, 2);
  dc.LineTo(6, 2);
  EXPECT_EQ(Picture(bitmap), (std::vector<std::string>{"#.#.#...", "........", ".#.#.#.."}));
}

TEST(RasterLineTest, OpaqueDottedPenFillsTheGapsWithTheBackground) {
  Bitmap bitmap(4, 1, 0x123456);
  DeviceContext dc(bitmap);
  dc.SetBackgroundColor(kBlue);
  dc.SelectPen({PenStyle::Dotted, kRed});
  dc.MoveTo(0, 0);
  dc.LineTo(4, 0);
  EXPECT_EQ(bitmap.pixels(), (std::vector<uint32_t>{kRed, kBlue, kRed, kBlue}));
}

TEST(RasterPolygonTest, OutlineWithThePenInsideWithTheBrush) {
  Bitmap bitmap(8, 8);
  DeviceContext dc(bitmap);
  dc.SelectPen({PenStyle::Solid, kRed});
  dc.SelectBrush(Brush::Solid(kBlue));
  const ScreenPoint square[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
  dc.Polygon(square);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      SCOPED_TRACE(::testing::Message() << x << "," << y);
      const bool inside = x >= 1 && x <= 5 && y >= 1 && y <= 5;
      const bool edge = inside && (x == 1 || x == 5 || y == 1 || y == 5);
      EXPECT_EQ(bitmap.Pixel(x, y), edge ? kRed : inside ? kBlue : 0u);
    }
  }
}

TEST(RasterPolygonTest, HollowBrushAndNullPen) {
  const ScreenPoint triangle[] = {{0, 0}, {6, 0}, {0, 6}};
  Bitmap outlineOnly(8, 8), fillOnly(8, 8);
  DeviceContext a(outlineOnly), b(fillOnly);
  a.SelectPen({PenStyle::Solid, kRed});
  a.SelectBrush(Brush::Hollow());
  a.Polygon(triangle);
  b.SelectPen({PenStyle::Null, 0});
  b.SelectBrush(Brush::Solid(kRed));
  b.Polygon(triangle);
  // The outline of a right triangle with legs of 6: 6 + 6 + 6 pixels, corners shared.
  EXPECT_EQ(CountNot(outlineOnly, 0), 18);
  // Without a pen the brush covers the outline too, so the fill contains the outline.
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (outlineOnly.Pixel(x, y) != 0) {
        EXPECT_EQ(fillOnly.Pixel(x, y), kRed);
      }
    }
  }
  EXPECT_GT(CountNot(fillOnly, 0), 18);
}

TEST(RasterPolygonTest, PatternBrushTakesTextAndBackgroundColors) {
  Bitmap bitmap(10, 2);
  DeviceContext dc(bitmap);
  dc.SetTextColor(kRed);
  dc.SetBackgroundColor(kBlue);
  std::array<uint8_t, 8> rows{0xF0, 0x0F, 0, 0, 0, 0, 0, 0};
  dc.FillRect({0, 0, 10, 2}, Brush::Pattern(rows));
  // Bit 7 is the leftmost column; the pattern repeats every eight columns from column 0.
  const uint32_t r = kRed, b = kBlue;
  EXPECT_EQ(bitmap.pixels(), (std::vector<uint32_t>{b, b, b, b, r, r, r, r, b, b,  //
                                                    r, r, r, r, b, b, b, b, r, r}));
}

// An ellipse once came out lopsided: only its right side was sampled where the curve is
// vertical, so a small circle's left side sat a pixel in.
TEST(RasterPolygonTest, EllipseStaysInItsBoxAndMirrorsAboutBothCenterLines) {
  struct Case {
    const char* name;
    int left, top, right, bottom;  // right and bottom one past the last pixel
  } cases[] = {
      {"odd width and height", 2, 3, 15, 12},
      {"small circle", 8, 8, 13, 13},
      {"even circle", 1, 1, 7, 7},
      {"flat", 0, 2, 17, 9},
      {"tall", 5, 0, 9, 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap bitmap(20, 20);
    DeviceContext dc(bitmap);
    dc.SelectPen({PenStyle::Solid, kRed});
    dc.SelectBrush(Brush::Hollow());
    dc.Ellipse(c.left, c.top, c.right, c.bottom);
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (bitmap.Pixel(x, y) != 0)
          minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
          maxY = std::max(maxY, y);
    EXPECT_EQ(minX, c.left);
    EXPECT_EQ(maxX, c.right - 1);
    EXPECT_EQ(minY, c.top);
    EXPECT_EQ(maxY, c.bottom - 1);
    const int mirrorX = c.left + c.right - 1, mirrorY = c.top + c.bottom - 1;
    for (int y = c.top; y < c.bottom; ++y)
      for (int x = c.left; x < c.right; ++x) {
        EXPECT_EQ(bitmap.Pixel(x, y), bitmap.Pixel(mirrorX - x, y)) << x << "," << y;
        EXPECT_EQ(bitmap.Pixel(x, y), bitmap.Pixel(x, mirrorY - y)) << x << "," << y;
      }
  }
}

// Every primitive touches a pixel once, so a second XOR pass restores the picture.
TEST(RasterXorTest, DrawingTwiceRestoresEveryPixel) {
  struct Case {
    const char* name;
    void (*draw)(DeviceContext&);
  } cases[] = {
      {"line", [](DeviceContext& dc) { dc.MoveTo(-3, 2), dc.LineTo(30, 11); }},
      {"dotted polyline",
       [](DeviceContext& dc) {
         dc.SelectPen({PenStyle::Dotted, kRed});
         const ScreenPoint p[] = {{1, 1}, {14, 3}, {2, 12}, {15, 15}};
         dc.Polyline(p);
       }},
      {"self-crossing polygon",
       [](DeviceContext& dc) {
         const ScreenPoint p[] = {{0, 0}, {15, 15}, {15, 0}, {0, 15}};
         dc.Polygon(p);
       }},
      {"degenerate polygon",
       [](DeviceContext& dc) {
         const ScreenPoint p[] = {{2, 2}, {9, 5}, {2, 2}, {9, 5}};
         dc.Polygon(p);
       }},
      {"pattern polygon",
       [](DeviceContext& dc) {
         dc.SelectBrush(Brush::Pattern({0x55, 0xEE, 0x55, 0xBB, 0x55, 0xEE, 0x55, 0xBB}));
         const ScreenPoint p[] = {{-4, 3}, {12, -2}, {18, 17}};
         dc.Polygon(p);
       }},
      {"ellipse", [](DeviceContext& dc) { dc.Ellipse(1, 2, 14, 16); }},
      {"rectangle",
       [](DeviceContext& dc) {
         dc.FillRect({-2, 3, 9, 40}, Brush::Solid(kBlue));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap bitmap(16, 16);
    for (int i = 0; i < 256; ++i) bitmap.SetPixel(i % 16, i / 16, static_cast<uint32_t>(i * 977));
    const Bitmap before = bitmap;
    DeviceContext dc(bitmap);
    dc.SetRasterOp(RasterOp::Xor);
    dc.SelectPen({PenStyle::Solid, kRed});
    dc.SelectBrush(Brush::Solid(kBlue));
    c.draw(dc);
    EXPECT_NE(bitmap, before);
    c.draw(dc);
    EXPECT_EQ(bitmap, before);
  }
}

TEST(RasterBlitTest, CopyAndInvertClippedToBothBitmaps) {
  Bitmap source(4, 4);
  for (int i = 0; i < 16; ++i) source.SetPixel(i % 4, i / 4, static_cast<uint32_t>(i + 1));
  Bitmap target(4, 4, 0x100);
  DeviceContext dc(target);
  // Half the source lands outside on the left and top.
  dc.BitBlt(-2, -1, 4, 4, source, 0, 0, BlitOp::SourceCopy);
  EXPECT_EQ(target.Pixel(0, 0), source.Pixel(2, 1));
  EXPECT_EQ(target.Pixel(1, 2), source.Pixel(3, 3));
  EXPECT_EQ(target.Pixel(2, 0), 0x100u);
  EXPECT_EQ(target.Pixel(0, 3), 0x100u);
  dc.BitBlt(0, 0, 4, 4, source, 0, 0, BlitOp::SourceInvert);
  EXPECT_EQ(target.Pixel(3, 3), 0x100u ^ 16u);
}

TEST(RasterBlitTest, OverlappingMoveWithinOneBitmap) {
  Bitmap bitmap(5, 5);
  for (int i = 0; i < 25; ++i) bitmap.SetPixel(i % 5, i / 5, static_cast<uint32_t>(i));
  const Bitmap original = bitmap;
  DeviceContext dc(bitmap);
  dc.BitBlt(1, 1, 4, 4, bitmap, 0, 0, BlitOp::SourceCopy);
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 5; ++x) EXPECT_EQ(bitmap.Pixel(x, y), original.Pixel(x - 1, y - 1));
  dc.BitBlt(0, 0, 4, 4, bitmap, 1, 1, BlitOp::SourceCopy);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(bitmap.Pixel(x, y), original.Pixel(x, y));
}

// An inverting transfer within one row of one bitmap combines each pixel with the source as
// it was before the transfer, in either direction.
TEST(RasterBlitTest, OverlappingInvertWithinOneRow) {
  Bitmap bitmap(4, 1);
  for (int x = 0; x < 4; ++x) bitmap.SetPixel(x, 0, 1u << x);
  DeviceContext dc(bitmap);
  dc.BitBlt(1, 0, 3, 1, bitmap, 0, 0, BlitOp::SourceInvert);
  EXPECT_EQ(bitmap.pixels(), (std::vector<uint32_t>{1, 3, 6, 12}));
  dc.BitBlt(0, 0, 3, 1, bitmap, 1, 0, BlitOp::SourceInvert);
  EXPECT_EQ(bitmap.pixels(), (std::vector<uint32_t>{1 ^ 3, 3 ^ 6, 6 ^ 12, 12}));
}

TEST(RasterBlitTest, MonochromeBitsTakeTextAndBackgroundColors) {
  MonoBitmap row(20, 1);
  EXPECT_EQ(row.rowBytes(), 4u);  // 20 bits padded to 32
  row.SetBit(0, 0, true);
  row.SetBit(17, 0, true);
  row.ToggleBit(17, 0);
  row.ToggleBit(9, 0);
  Bitmap bitmap(20, 1, kWhite);
  DeviceContext dc(bitmap);
  dc.SetTextColor(0);
  dc.SetBackgroundColor(kWhite);
  dc.BitBlt(0, 0, 20, 1, row, 0, 0, BlitOp::SourceInvert);
  for (int x = 0; x < 20; ++x) EXPECT_EQ(bitmap.Pixel(x, 0), (x == 0 || x == 9) ? 0u : kWhite);
}

TEST(BitmapTest, RefusesSizesThatCannotBeMade) {
  EXPECT_EQ(Bitmap::TryCreate(0, 10), nullptr);
  EXPECT_EQ(Bitmap::TryCreate(10, -1), nullptr);
  EXPECT_EQ(Bitmap::TryCreate(INT_MAX, INT_MAX), nullptr);
  EXPECT_EQ(Bitmap::TryCreate(100, 100, 0, 100 * 100 * 4 - 1), nullptr);
  const auto made = Bitmap::TryCreate(100, 100, 7, 100 * 100 * 4);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Pixel(99, 99), 7u);
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// Draws the same primitives with coordinates from the ends of the integers down to the bitmap
// on a 16 x 16 bitmap and on one with a wide margin to its right and below: both end, and the
// small one shows exactly the large one's corner, so nothing drawn past an edge wraps round
// into it. The sanitizer build checks the writes beyond the pixels.
TEST(RasterExtremesTest, EveryPrimitiveWithExtremeCoordinates) {
  const auto draw = [](Bitmap& bitmap) {
    auto any = testing::ExtremeInts(99);
    DeviceContext dc(bitmap);
    dc.SelectPen({PenStyle::Dotted, kRed});
    dc.SelectBrush(Brush::Pattern({1, 2, 4, 8, 16, 32, 64, 128}));
    dc.SetRasterOp(RasterOp::Xor);
    Bitmap source(16, 16, kWhite);
    source.SetPixel(3, 5, kBlue);
    for (int trial = 0; trial < 300; ++trial) {
      dc.MoveTo(any(), any());
      dc.LineTo(any(), any());
      const ScreenPoint polygon[] = {
          {any(), any()}, {any(), any()}, {any(), any()}, {any(), any()}};
      dc.Polygon(polygon);
      dc.Ellipse(any(), any(), any(), any());
      dc.FillRect({any(), any(), any(), any()}, Brush::Solid(kBlue));
      dc.BitBlt(any(), any(), any(), any(), source, any(), any(), BlitOp::SourceInvert);
      MonoBitmap mono(8, 3);
      mono.SetBit(2, 1, true);
      dc.BitBlt(any(), any(), any(), any(), mono, any(), any(), BlitOp::SourceCopy);
    }
  };
  Bitmap alone(16, 16);
  Bitmap withMargin(64, 64);
  draw(alone);
  draw(withMargin);
  EXPECT_NE(CountNot(alone, 0), 0) << "nothing was drawn";
  testing::ExpectSameCorner(alone, withMargin);
}

}  // namespace
}  // namespace korvo
