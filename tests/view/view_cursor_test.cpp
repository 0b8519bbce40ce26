#include <gtest/gtest.h>

#include <cmath>

#include "core/entity_list.h"
#include "core/line_entity.h"
#include "tests/view/view_test_support.h"
#include "view/view.h"

namespace korvo {
namespace {

using testing::kRed;

// A 40 x 30 window, 10 units a pixel: the cursor's squares fit inside it.
struct CursorFixture : testing::ViewFixture {
  CursorFixture() : ViewFixture(40, 30) {}
  int CountNot(uint32_t background) const {
    int count = 0;
    for (uint32_t p : view.window().pixels()) count += p != background;
    return count;
  }
};

TEST_F(CursorFixture, CrosshairRunsAcrossTheWholeWindow) {
  for (const bool white : {false, true}) {
    SCOPED_TRACE(white);
    view.SetWhiteBackground(white);
    view.Paint();
    const uint32_t background = white ? kWhite : 0;
    view.ShowCursor(true, {20, 15});
    EXPECT_TRUE(view.cursorVisible());
    EXPECT_EQ(view.cursorRaw(), Point(200, 140));
    EXPECT_EQ(view.cursorWorld(), Point(200, 140));
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(view.window().Pixel(x, y),
                  (x == 20 || y == 15) ? background ^ kWhite : background)
            << x << "," << y;
    view.HideCursor();
    EXPECT_EQ(view.window(), Bitmap(40, 30, background));
  }
}

// Counts by hand: a row of 40 and a column of 29 more; a square of half-size a has 8a
// pixels; where the square crosses the lines, XOR cancels both.
TEST_F(CursorFixture, SquaresFollowTheStyleAndTheSnaps) {
  struct Case {
    const char* name;
    CursorStyle style;
    bool objectSnap, intersectionSnap;
    int pixels;
  } cases[] = {
      {"crosshair", CursorStyle::Crosshair, false, false, 69},
      {"crosshair, object snap", CursorStyle::Crosshair, true, false, 69 + 80 - 8},
      {"crosshair, intersection snap", CursorStyle::Crosshair, false, true, 69 + 80 - 8},
      {"pick box", CursorStyle::PickBox, true, true, 64},
      {"none", CursorStyle::None, true, false, 0},
  };
  view.Paint();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.settings.objectSnap = c.objectSnap;
    drawing.settings.intersectionSnap = c.intersectionSnap;
    view.SetCursorStyle(c.style);
    view.ShowCursor(true, {20, 15});
    EXPECT_EQ(CountNot(0), c.pixels);
    if (c.style == CursorStyle::PickBox) {
      EXPECT_EQ(view.window().Pixel(12, 7), kWhite);
      EXPECT_EQ(view.window().Pixel(28, 23), kWhite);
      EXPECT_EQ(view.window().Pixel(13, 8), 0u);
    }
    view.HideCursor();
    EXPECT_EQ(CountNot(0), 0);
  }
}

TEST_F(CursorFixture, CursorDrawnTwiceLeavesTheWindowUnchanged) {
  AddLine(0, 140, 390, 140);
  AddLine(200, 0, 200, 290, 3);
  drawing.settings.objectSnap = 1;
  for (const bool white : {false, true}) {
    for (const CursorStyle style : {CursorStyle::Crosshair, CursorStyle::PickBox}) {
      SCOPED_TRACE(white);
      view.SetWhiteBackground(white);
      view.Paint();
      const Bitmap before = view.window();
      view.SetCursorStyle(style);
      view.ShowCursor(true, {20, 15});
      EXPECT_NE(view.window(), before);
      view.ShowCursor(true, {3, 3});  // already shown: nothing happens
      EXPECT_EQ(view.cursorRaw(), Point(200, 140));
      view.HideCursor();
      view.HideCursor();
      EXPECT_EQ(view.window(), before);
    }
  }
}

TEST_F(CursorFixture, CursorInvertsWhatLiesBeneath) {
  AddLine(0, 100, 390, 100);  // row 19
  view.Paint();
  view.ShowCursor(true, {20, 15});
  EXPECT_EQ(view.window().Pixel(20, 19), kRed ^ kWhite);
  EXPECT_EQ(view.window().Pixel(21, 19), kRed);
}

// Hiding draws what showing drew, even when the snaps changed in between.
TEST_F(CursorFixture, HidingRemovesTheShapeThatWasShown) {
  view.Paint();
  view.ShowCursor(true, {20, 15});
  drawing.settings.objectSnap = 1;
  view.HideCursor();
  EXPECT_EQ(CountNot(0), 0);
}

TEST_F(CursorFixture, CursorHiddenAfterASizeChangeDrawsNothing) {
  view.Paint();
  view.ShowCursor(true, {20, 15});
  view.Resize(30, 20);
  view.HideCursor();
  EXPECT_EQ(view.window(), Bitmap(30, 20, 0));
  view.ShowCursor(true, {5, 5});
  view.Resize(40, 30);
  view.Paint();  // draws the cursor anew at its world point
  EXPECT_EQ(CountNot(0), 69);
  view.HideCursor();
  EXPECT_EQ(CountNot(0), 0);
}

TEST_F(CursorFixture, SnapHookGivesTheCursorItsPlace) {
  view.snapCursor = [](const Point& raw) {
    return Point(std::round(raw.x / 50) * 50, std::round(raw.y / 50) * 50);
  };
  view.Paint();
  view.ShowCursor(true, {22, 13});
  EXPECT_EQ(view.cursorRaw(), Point(220, 160));
  EXPECT_EQ(view.cursorWorld(), Point(200, 150));
  EXPECT_EQ(view.window().Pixel(20, 0), kWhite);  // the column of x = 200
  EXPECT_EQ(view.window().Pixel(0, 14), kWhite);  // the row of y = 150
  EXPECT_EQ(view.window().Pixel(22, 0), 0u);
  view.HideCursor();
  view.ShowCursorAtWorld(true, Point(77, 124));
  EXPECT_EQ(view.cursorRaw(), Point(77, 124));
  EXPECT_EQ(view.cursorWorld(), Point(100, 100));
  EXPECT_EQ(view.window().Pixel(10, 0), kWhite);
  view.HideCursor();
  EXPECT_EQ(CountNot(0), 0);
}

TEST_F(CursorFixture, PaintRedrawsTheVisibleCursorWhereItsWorldPointIsNow) {
  view.Paint();
  view.ShowCursor(true, {20, 15});
  view.Paint();
  EXPECT_EQ(CountNot(0), 69);
  drawing.settings.viewOrigin = Point(-50, 0);
  view.InvalidatePicture(PictureBitmap::Keep);
  view.Paint();
  EXPECT_EQ(view.window().Pixel(25, 0), kWhite);
  EXPECT_EQ(view.window().Pixel(20, 0), 0u);
  view.HideCursor();
  EXPECT_EQ(CountNot(0), 0);
}

TEST_F(CursorFixture, RubberBandsAndFramesRemoveThemselves) {
  AddLine(0, 140, 390, 140);
  view.Paint();
  const Bitmap before = view.window();
  view.DrawRubberBand(Point(0, 0), Point(390, 0));
  for (int x = 0; x < 40; ++x) EXPECT_EQ(view.window().Pixel(x, 29), kWhite) << x;
  EXPECT_EQ(CountNot(0), 40 + 40);
  view.DrawRubberBand(Point(0, 0), Point(390, 0));
  EXPECT_EQ(view.window(), before);
  view.DrawRubberFrame(Point(100, 100), Point(50, 200));  // pixels (5, 9)-(10, 19)
  EXPECT_EQ(CountNot(0), 40 + 2 * 5 + 2 * 10 - 2);        // the frame crosses the line twice
  EXPECT_EQ(view.window().Pixel(5, 9), kWhite);
  EXPECT_EQ(view.window().Pixel(10, 19), kWhite);
  view.DrawRubberFrame(Point(100, 100), Point(50, 200));
  EXPECT_EQ(view.window(), before);
}

TEST_F(CursorFixture, XorPreviewShowsTheTrueColorAndRemovesItself) {
  LineEntity preview(0, 50, 390, 50, drawing.settings);  // row 24
  preview.SetColorIndex(1);
  for (const bool white : {false, true}) {
    SCOPED_TRACE(white);
    view.SetWhiteBackground(white);
    view.Paint();
    const Bitmap before = view.window();
    EXPECT_TRUE(view.DrawXor(preview));
    EXPECT_EQ(view.window().Pixel(7, 24), kRed);
    EXPECT_TRUE(view.DrawXor(preview));
    EXPECT_EQ(view.window(), before);
  }
}

TEST_F(CursorFixture, XorListStopsWhenTheFilterAborts) {
  EntityList list;
  auto* first = new LineEntity(0, 50, 390, 50, drawing.settings);
  auto* second = new LineEntity(0, 150, 390, 150, drawing.settings);
  first->SetColorIndex(1);
  second->SetColorIndex(1);
  list.AddTail(first);
  list.AddTail(second);
  view.Paint();
  const DrawFilter abortAtArg = [](const Entity& entity, void* arg1, void*) {
    return &entity == arg1 ? DrawVerdict::Abort : DrawVerdict::Draw;
  };
  EXPECT_FALSE(view.DrawXor(list, abortAtArg, second));
  EXPECT_EQ(view.window().Pixel(7, 24), kRed);
  EXPECT_EQ(view.window().Pixel(7, 14), 0u);
  EXPECT_TRUE(view.DrawXor(list, abortAtArg, nullptr));
  EXPECT_EQ(view.window().Pixel(7, 24), 0u);
  EXPECT_EQ(view.window().Pixel(7, 14), kRed);
  list.DeleteAll();
}

}  // namespace
}  // namespace korvo
