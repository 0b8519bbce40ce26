#include <gtest/gtest.h>

#include "tests/view/view_test_support.h"
#include "view/scroll_bars.h"
#include "view/view.h"

namespace korvo {
namespace {

using testing::kRed;

// A 16 x 12 window, 10 units a pixel, showing (0, 0)-(150, 110) of the limits
// (-50, -30)-(300, 200): the limits' corners lie at pixels (-5, 14) and (30, -9).
struct ScrollFixture : testing::ViewFixture {
  ScrollFixture() {
    drawing.settings.limitsMin = Point(-50, -30);
    drawing.settings.limitsMax = Point(300, 200);
    view.recordSettingsChange = [this] { ++records; };
    view.Paint();
    drawing.SetModifiedFlag(false);
  }
  int records = 0;
};

TEST_F(ScrollFixture, ScrollBarStateByHand) {
  // Horizontal: the limits span 35 pixels, the window starts 5 in. Vertical: the limits
  // reach from row -9 to row 14, the window starts 9 rows below their top.
  EXPECT_EQ(view.scrollBars().horizontal, (ScrollBarState{0, 35, 16, 5}));
  EXPECT_EQ(view.scrollBars().vertical, (ScrollBarState{0, 23, 12, 9}));
}

TEST(ScrollBarsTest, LimitsInsideTheWindowKeepTheWindowAsRange) {
  // Limits from pixel (2, 9) to (10, 3) inside a 16 x 12 window.
  const ScrollBars bars = ComputeScrollBars({2, 9}, {10, 3}, 16, 12);
  EXPECT_EQ(bars.horizontal, (ScrollBarState{0, 15, 16, -2}));
  EXPECT_EQ(bars.vertical, (ScrollBarState{0, 9, 12, 0}));
}

TEST_F(ScrollFixture, LineAndPageStepsMoveHalfAWindowWithinTheLimits) {
  struct Case {
    const char* name;
    bool horizontal;
    ScrollCode code;
    Point origin;
  } cases[] = {
      {"right", true, ScrollCode::LineDown, {75, 0}},
      {"page right", true, ScrollCode::PageDown, {75, 0}},
      {"left, stopped at the limit", true, ScrollCode::LineUp, {-50, 0}},
      {"page left", true, ScrollCode::PageUp, {-50, 0}},
      {"up", false, ScrollCode::LineUp, {0, 55}},
      {"page up", false, ScrollCode::PageUp, {0, 55}},
      {"down, stopped at the limit", false, ScrollCode::LineDown, {0, -30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.settings.viewOrigin = Point(0, 0);
    if (c.horizontal)
      view.ScrollHorizontal(c.code);
    else
      view.ScrollVertical(c.code);
    EXPECT_EQ(drawing.settings.viewOrigin, c.origin);
    EXPECT_EQ(drawing.settings.viewExtent, (Size{150, 110}));
    EXPECT_TRUE(drawing.IsModified());
    EXPECT_FALSE(view.needsRegen());
  }
  EXPECT_EQ(records, 0);  // scrolling takes no settings record
}

TEST_F(ScrollFixture, ScrollingStopsWhereTheWindowMeetsTheFarLimit) {
  view.ScrollHorizontal(ScrollCode::LineDown);
  view.ScrollHorizontal(ScrollCode::LineDown);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(150, 0));  // ends at 300
  drawing.SetModifiedFlag(false);
  view.ScrollHorizontal(ScrollCode::LineDown);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(150, 0));
  EXPECT_FALSE(drawing.IsModified());  // no change, no repaint
  view.ScrollVertical(ScrollCode::LineUp);
  view.ScrollVertical(ScrollCode::LineUp);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(150, 90));  // ends at 200
}

TEST_F(ScrollFixture, ThumbMovesByTheDifferenceInPixels) {
  view.ScrollHorizontal(ScrollCode::ThumbTrack, 15);  // 10 pixels right of 5
  EXPECT_EQ(drawing.settings.viewOrigin, Point(100, 0));
  EXPECT_EQ(view.scrollBars().horizontal.position, 15);
  view.ScrollVertical(ScrollCode::ThumbPosition, 4);  // 5 rows up from 9
  EXPECT_EQ(drawing.settings.viewOrigin, Point(100, 50));
  EXPECT_EQ(view.scrollBars().vertical.position, 4);
  view.ScrollHorizontal(ScrollCode::ThumbTrack, 1000);  // clamped to the limits
  EXPECT_EQ(drawing.settings.viewOrigin, Point(150, 50));
  view.ScrollVertical(ScrollCode::EndScroll, 0);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(150, 50));
}

TEST_F(ScrollFixture, ScrollLineStepsEachWay) {
  view.ScrollLine(ScrollDirection::Right);
  view.ScrollLine(ScrollDirection::Up);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(75, 55));
  view.ScrollLine(ScrollDirection::Left);
  view.ScrollLine(ScrollDirection::Down);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(0, 0));
}

// The tile beside the window slides in while the pen moves, and lifting the pen pans by
// what slid in.
TEST_F(ScrollFixture, PenDragSlidesTheNeighbouringTileAndPans) {
  AddLine(-200, 50, 350, 50);
  AddLine(-100, -100, -100, 200, 3);  // a green column one window left of the view
  drawing.SetModifiedFlag(true);
  view.BeginDrag({4, 4});  // regenerates first
  EXPECT_FALSE(view.needsRegen());
  EXPECT_TRUE(view.dragging());
  const Bitmap picture = *view.offscreenBitmap();
  view.DragTo({7, 2});
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(view.window().Pixel(x, y), picture.Pixel(16 + x - 3, 12 + y + 2)) << x << "," << y;
  view.DragTo({4 + 100, 4 - 100});  // more than a window: one window each way
  const Bitmap slid = view.window();
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(slid.Pixel(x, y), picture.Pixel(x, 24 + y)) << x << "," << y;
  EXPECT_EQ(slid.Pixel(6, 3), 0x00FF00u);  // world x -100 sits 6 pixels in from the left
  drawing.SetModifiedFlag(false);
  view.EndDrag({4 + 100, 4 - 100});
  EXPECT_FALSE(view.dragging());
  // Exactly one window width left and one window height down, beyond the limits.
  EXPECT_EQ(drawing.settings.viewOrigin, Point(-160, -120));
  EXPECT_TRUE(drawing.IsModified());
  EXPECT_EQ(view.window(), slid);
  EXPECT_EQ(records, 0);
}

TEST_F(ScrollFixture, DragWithAWindowSizedPictureShowsBackgroundBeside) {
  view.bitmapByteLimit = 16 * 12 * 4;
  AddLine(0, 50, 150, 50);
  view.InvalidatePicture(PictureBitmap::Delete);
  view.BeginDrag({0, 0});
  ASSERT_FALSE(view.tripleBitmap());
  view.DragTo({5, 0});
  EXPECT_EQ(Picture(),
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            ".....rrrrrrrrrrr\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n");
  view.EndDrag({5, 0}, DragEnd::Cancel);
  EXPECT_EQ(drawing.settings.viewOrigin, Point(0, 0));
  EXPECT_EQ(view.window().Pixel(0, 6), kRed);
}

}  // namespace
}  // namespace korvo
