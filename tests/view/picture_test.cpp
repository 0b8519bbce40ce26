#include "view/picture.h"

#include <gtest/gtest.h>

#include "tests/support/one_unit_a_pixel.h"

#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/solid_entity.h"
#include "view/draw_on_window.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// A drawing shown one unit a pixel on a 16 x 16 picture.
struct PictureFixture : ::testing::Test {
  PictureFixture() {
    drawing.New();
    DrawingSettings& s = drawing.settings;
    testing::ShowOneUnitAPixel(s, 16);
    s.gridOn = 0;
  }
  LineEntity* AddLine(double x1, double y1, double x2, double y2) {
    auto* line = new LineEntity(x1, y1, x2, y2, drawing.settings);
    drawing.entities.AddTail(line);
    return line;
  }
  Drawing drawing;
  Bitmap bitmap{16, 16};
};

TEST_F(PictureFixture, GridOfTwoPixelsIsNotDrawnThreeIs) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 2;
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  EXPECT_EQ(bitmap, Bitmap(16, 16, 0));
  drawing.settings.gridSpacing = 3;
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool dot = x % 3 == 0 && (15 - y) % 3 == 0;
      EXPECT_EQ(bitmap.Pixel(x, y), dot ? kWhite : 0u) << x << "," << y;
    }
}

TEST_F(PictureFixture, GridStaysInsideLimitsAndInvertsWhatLiesBeneath) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 5;
  drawing.settings.limitsMax = Point(10, 7);
  AddLine(0, 5, 15, 5)->SetColorIndex(1);  // red under the dots of row 5
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::White));
  int dots = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint32_t p = bitmap.Pixel(x, y);
      if (y == 10) {
        const bool dot = x % 5 == 0 && x <= 10;
        EXPECT_EQ(p, dot ? 0x0000FFu ^ kWhite : 0x0000FFu) << x;
        dots += dot;
      } else if (p != kWhite) {
        EXPECT_EQ(p, 0u);
        EXPECT_TRUE(x % 5 == 0 && x <= 10 && (y == 15)) << x << "," << y;
        ++dots;
      }
    }
  EXPECT_EQ(dots, 6);  // columns 0, 5, 10 on rows 0 and 5
}

// The grid is the same at every multiple of its spacing, so a window far from the world's
// origin shows it as one near the origin does.
TEST_F(PictureFixture, GridFarFromTheOriginIsDrawn) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 5;
  for (const double far : {1e9, -1e9}) {
    drawing.settings.viewOrigin = Point(far, far);
    drawing.settings.limitsMin = Point(far, far);
    drawing.settings.limitsMax = Point(far + 15, far + 15);
    ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool dot = x % 5 == 0 && (15 - y) % 5 == 0;
        EXPECT_EQ(bitmap.Pixel(x, y), dot ? kWhite : 0u) << far << ": " << x << "," << y;
      }
  }
}

TEST_F(PictureFixture, GridOffOrNotPositiveDrawsNothing) {
  drawing.settings.gridSpacing = 4;
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  EXPECT_EQ(bitmap, Bitmap(16, 16, 0));
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = -4;
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  EXPECT_EQ(bitmap, Bitmap(16, 16, 0));
}

TEST_F(PictureFixture, SelectedEntitiesEndDotted) {
  LineEntity* line = AddLine(0, 8, 15, 8);
  drawing.Select(line);
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  std::string row;
  for (int x = 0; x < 16; ++x) row += bitmap.Pixel(x, 7) != 0 ? '#' : '.';
  EXPECT_EQ(row, "#.#.#.#.#.#.#.#.");
}

TEST_F(PictureFixture, OutOfViewMarksFollowTheWindow) {
  LineEntity* inside = AddLine(1, 1, 5, 1);
  LineEntity* outside = AddLine(100, 100, 120, 100);
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  EXPECT_EQ(inside->flags & EntityFlag::OutOfView, 0);
  EXPECT_NE(outside->flags & EntityFlag::OutOfView, 0);
  // The same window again: the marks are not recomputed, so a mark set by hand stays.
  inside->flags |= EntityFlag::OutOfView;
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  EXPECT_EQ(bitmap, Bitmap(16, 16, 0));
  // Another window: recomputed.
  drawing.settings.viewOrigin = Point(0, 0.5);
  ASSERT_TRUE(RenderPicture(drawing, bitmap, Background::Black));
  EXPECT_EQ(inside->flags & EntityFlag::OutOfView, 0);
  EXPECT_NE(bitmap, Bitmap(16, 16, 0));
}

TEST_F(PictureFixture, DrawOnWindowInXorTwiceRestores) {
  LineEntity* line = AddLine(0, 0, 15, 9);
  auto* solid = new SolidEntity(2, 2, 6, 4, drawing.settings);
  drawing.entities.AddTail(solid);
  for (int i = 0; i < 256; ++i) bitmap.SetPixel(i % 16, i / 16, static_cast<uint32_t>(i * 4099));
  const Bitmap before = bitmap;
  DeviceContext window(bitmap);
  const ScreenRect client{0, 0, 15, 15};
  EXPECT_TRUE(DrawOnWindow(*line, window, client, drawing.settings, WindowDraw::Xor));
  EXPECT_TRUE(DrawOnWindow(drawing.entities, window, client, drawing.settings, WindowDraw::Xor));
  EXPECT_NE(bitmap, before);
  EXPECT_TRUE(DrawOnWindow(*line, window, client, drawing.settings, WindowDraw::Xor));
  EXPECT_TRUE(DrawOnWindow(drawing.entities, window, client, drawing.settings, WindowDraw::Xor));
  EXPECT_EQ(bitmap, before);
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// Selecting and deselecting entities one change at a time leaves the same picture as
// drawing everything again.
TEST_F(PictureFixture, HighlightChangesMatchAFullRegeneration) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 4;
  LineEntity* a = AddLine(0, 0, 15, 15);
  LineEntity* b = AddLine(0, 15, 15, 0);
  auto* solid = new SolidEntity(3, 3, 8, 6, drawing.settings);
  solid->SetColorIndex(3);
  drawing.entities.AddTail(solid);
  LineEntity* c = AddLine(2, 8, 14, 8);
  for (Background background : {Background::Black, Background::White}) {
    SCOPED_TRACE(background == Background::White ? "white" : "black");
    ASSERT_TRUE(RenderPicture(drawing, bitmap, background));
    const auto step = [&](auto change) {
      change();
      UpdatePictureHighlight(drawing, bitmap, background);
      Bitmap full(16, 16);
      RenderPicture(drawing, full, background);
      EXPECT_EQ(bitmap, full);
    };
    step([&] { drawing.Select(a); });
    step([&] { drawing.Select(solid), drawing.Select(c); });
    step([&] { drawing.Deselect(a); });
    step([&] { drawing.Select(b), drawing.Deselect(solid); });
    step([&] { drawing.DeselectAll(); });
  }
}

}  // namespace
}  // namespace korvo
