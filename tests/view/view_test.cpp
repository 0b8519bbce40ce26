#include "view/view.h"

#include <gtest/gtest.h>

#include "core/solid_entity.h"
#include "tests/view/view_test_support.h"
#include "view/picture.h"

namespace korvo {
namespace {

using testing::kRed;
using testing::ViewFixture;

TEST(ViewTest, StartsWithoutAPictureAndWithTheCursorHidden) {
  testing::MemoryProfile profile;
  profile.SetInt(u"SETTINGS", u"WHITEBCKG", 1);
  Drawing drawing;
  View view(drawing, profile);
  EXPECT_TRUE(view.whiteBackground());
  EXPECT_TRUE(view.needsRegen());
  EXPECT_EQ(view.offscreenBitmap(), nullptr);
  EXPECT_TRUE(view.zoomInMode);
  EXPECT_FALSE(view.cursorVisible());
  EXPECT_EQ(view.keyCursor, (ScreenPoint{-2147483647, 2147483647}));
  view.Paint();  // no client area yet: nothing to paint
  EXPECT_EQ(view.offscreenBitmap(), nullptr);
}

TEST_F(ViewFixture, MappingRoundsHalvesAwayFromZero) {
  EXPECT_EQ(view.PixelSize(), 10);
  EXPECT_EQ(view.WorldToScreen(Point(0, 0)), (ScreenPoint{0, 11}));
  EXPECT_EQ(view.WorldToScreen(Point(150, 110)), (ScreenPoint{15, 0}));
  EXPECT_EQ(view.WorldToScreen(Point(15, 15)), (ScreenPoint{2, 9}));      // 1.5 -> 2
  EXPECT_EQ(view.WorldToScreen(Point(-15, -15)), (ScreenPoint{-2, 13}));  // -1.5 -> -2
  EXPECT_EQ(view.WorldToScreen(Point(14.9, 0)), (ScreenPoint{1, 11}));
  EXPECT_EQ(view.ScreenToWorld(3, 2), Point(30, 90));
  EXPECT_EQ(view.VisibleExtent(), (Size{150, 110}));
}

// The stored window always fits whole: the larger ratio sets the scale, the margin falls on
// the right or at the top, and the lower-left corner stays at the window's origin.
TEST_F(ViewFixture, WindowOfAnotherAspectShowsTheWholeExtent) {
  struct Case {
    const char* name;
    Size extent;
    const char* picture;
  } cases[] = {
      {"margin at the top",
       {150, 55},
       "................\n"
       "................\n"
       "................\n"
       "................\n"
       "................\n"
       "rrrrrrrrrrrrrrrr\n"
       "rrrrrrrrrrrrrrrr\n"
       "rrrrrrrrrrrrrrrr\n"
       "rrrrrrrrrrrrrrrr\n"
       "rrrrrrrrrrrrrrrr\n"
       "rrrrrrrrrrrrrrrr\n"
       "rrrrrrrrrrrrrrrr\n"},
      {"margin on the right",
       {75, 110},
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"
       "rrrrrrrrr.......\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.entities.DeleteAll();
    drawing.settings.viewOrigin = Point(1000, 2000);
    drawing.settings.viewExtent = c.extent;
    auto* solid = new SolidEntity(1000, 2000, c.extent.width, c.extent.height, drawing.settings);
    solid->SetColorIndex(1);
    drawing.entities.AddTail(solid);
    view.InvalidatePicture(PictureBitmap::Keep);
    view.Paint();
    EXPECT_EQ(view.WorldToScreen(Point(1000, 2000)), (ScreenPoint{0, 11}));
    EXPECT_EQ(view.PixelSize(), 10);
    EXPECT_EQ(Picture(), c.picture);
  }
}

TEST_F(ViewFixture, PaintCopiesTheCenterTileOfATriplePicture) {
  AddLine(-100, 50, 300, 50);
  view.Paint();
  ASSERT_NE(view.offscreenBitmap(), nullptr);
  EXPECT_TRUE(view.tripleBitmap());
  EXPECT_EQ(view.offscreenBitmap()->width(), 48);
  EXPECT_EQ(view.offscreenBitmap()->height(), 36);
  EXPECT_FALSE(view.needsRegen());
  EXPECT_EQ(Picture(),
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "rrrrrrrrrrrrrrrr\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n");
  // The line runs on into the tiles left and right of the window, one window row lower.
  const Bitmap& picture = *view.offscreenBitmap();
  EXPECT_EQ(picture.Pixel(6, 18), kRed);
  EXPECT_EQ(picture.Pixel(5, 18), 0u);  // world -110 is past the line's start
  EXPECT_EQ(picture.Pixel(46, 18), kRed);
  EXPECT_EQ(picture.Pixel(47, 18), 0u);  // world 310 is past its end
}

TEST_F(ViewFixture, OffscreenPictureFallsBackToTheWindowSizeThenToNothing) {
  AddLine(0, 50, 150, 50);
  view.Paint();
  const Bitmap triple = view.window();

  // Room for the window's picture but not for three by three windows.
  view.bitmapByteLimit = 16 * 12 * 4;
  view.InvalidatePicture(PictureBitmap::Delete);
  view.Paint();
  ASSERT_NE(view.offscreenBitmap(), nullptr);
  EXPECT_FALSE(view.tripleBitmap());
  EXPECT_EQ(view.offscreenBitmap()->width(), 16);
  EXPECT_EQ(view.window(), triple);

  // Room for neither: the window keeps what it shows and the next paint tries again.
  view.bitmapByteLimit = 100;
  view.InvalidatePicture(PictureBitmap::Delete);
  view.DrawRubberBand(Point(0, 0), Point(150, 0));
  const Bitmap before = view.window();
  view.Paint();
  EXPECT_EQ(view.offscreenBitmap(), nullptr);
  EXPECT_TRUE(view.needsRegen());
  EXPECT_EQ(view.window(), before);
  view.bitmapByteLimit = Bitmap::kMaxBytes;
  view.Paint();
  EXPECT_TRUE(view.tripleBitmap());
  EXPECT_EQ(view.window(), triple);
}

TEST_F(ViewFixture, GridOfTwoPixelsIsNotDrawnThreeIs) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 20;  // 2 pixels
  view.Paint();
  EXPECT_EQ(view.window(), Bitmap(16, 12, 0));
  drawing.settings.gridSpacing = 30;  // 3 pixels
  view.InvalidatePicture(PictureBitmap::Keep);
  view.Paint();
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool dot = x % 3 == 0 && (11 - y) % 3 == 0;
      EXPECT_EQ(view.window().Pixel(x, y), dot ? kWhite : 0u) << x << "," << y;
    }
}

// Dots invert what lies beneath: white on black, black on white, cyan on a red line.
TEST_F(ViewFixture, GridDotsAreInvertedAgainstTheBackground) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 50;
  AddLine(0, 50, 150, 50);
  for (const bool white : {false, true}) {
    SCOPED_TRACE(white);
    view.SetWhiteBackground(white);
    view.Paint();
    const uint32_t background = white ? kWhite : 0;
    EXPECT_EQ(view.window().Pixel(0, 11), background ^ kWhite);  // world (0, 0)
    EXPECT_EQ(view.window().Pixel(5, 11), background ^ kWhite);  // world (50, 0)
    EXPECT_EQ(view.window().Pixel(1, 11), background);
    EXPECT_EQ(view.window().Pixel(5, 6), kRed ^ kWhite);  // world (50, 50) on the line
    EXPECT_EQ(view.window().Pixel(4, 6), kRed);
  }
}

// Selection changes are applied to the picture in place; after any sequence of them the
// picture is the one a full regeneration draws.
TEST_F(ViewFixture, SelectingAndDeselectingMatchesAFullRegeneration) {
  drawing.settings.gridOn = 1;
  drawing.settings.gridSpacing = 30;
  LineEntity* a = AddLine(0, 0, 150, 110);
  LineEntity* b = AddLine(0, 110, 150, 0, 3);
  auto* solid = new SolidEntity(20, 20, 60, 40, drawing.settings);
  solid->SetColorIndex(5);
  drawing.entities.AddTail(solid);
  for (const bool white : {false, true}) {
    SCOPED_TRACE(white);
    view.SetWhiteBackground(white);
    view.Paint();
    const Bitmap unselected = *view.offscreenBitmap();
    const auto step = [&](const char* name, auto change) {
      SCOPED_TRACE(name);
      change();
      view.Paint();
      const Bitmap incremental = *view.offscreenBitmap();
      const Bitmap shown = view.window();
      view.InvalidatePicture(PictureBitmap::Keep);
      view.Paint();
      EXPECT_EQ(incremental, *view.offscreenBitmap());
      EXPECT_EQ(shown, view.window());
    };
    for (int round = 0; round < 3; ++round) {
      step("select a", [&] { drawing.Select(a); });
      step("select the solid and b", [&] { drawing.Select(solid), drawing.Select(b); });
      step("deselect a", [&] { drawing.Deselect(a); });
      step("deselect all", [&] { drawing.DeselectAll(); });
    }
    EXPECT_EQ(*view.offscreenBitmap(), unselected);
  }
}

// The pattern of a selected solid lines up with the window whether the window is the centre
// of a triple picture or a picture of its own.
TEST_F(ViewFixture, HighlightPatternLinesUpWithTheWindow) {
  auto* solid = new SolidEntity(10, 10, 120, 80, drawing.settings);
  solid->SetColorIndex(5);
  drawing.entities.AddTail(solid);
  drawing.Select(solid);
  for (const ScreenPoint size : {ScreenPoint{16, 12}, {17, 13}, {18, 15}, {19, 14}}) {
    SCOPED_TRACE(size.x);
    view.Resize(size.x, size.y);
    view.bitmapByteLimit = Bitmap::kMaxBytes;
    view.Paint();
    ASSERT_TRUE(view.tripleBitmap());
    const Bitmap triple = view.window();
    view.bitmapByteLimit = static_cast<std::size_t>(size.x) * size.y * 4;
    view.InvalidatePicture(PictureBitmap::Delete);
    view.Paint();
    ASSERT_FALSE(view.tripleBitmap());
    EXPECT_EQ(view.window(), triple);
  }
}

// While paints are suspended a painted window keeps its picture and the paint is remembered;
// a window that shows nothing valid yet, or a new mapping, is painted at once all the same.
TEST_F(ViewFixture, PaintWaitsWhileSuspendedUnlessTheWindowWouldBeWrong) {
  view.Paint();
  const Bitmap empty = view.window();
  AddLine(0, 50, 150, 50);
  drawing.SetModifiedFlag(true);
  view.paintSuspended = true;
  view.Paint();
  EXPECT_EQ(view.window(), empty);
  EXPECT_TRUE(view.paintDeferred);
  EXPECT_TRUE(view.needsRegen());

  // Zooming in by two about the bottom-left pixel moves the line from row 6 to row 1.
  const uint64_t before = view.windowGeneration();
  view.ZoomAt({0, 11}, 0.5);
  EXPECT_TRUE(view.paintSuspended);
  EXPECT_NE(view.windowGeneration(), before);
  EXPECT_EQ(view.window().Pixel(2, 1), kRed);
  EXPECT_NE(view.window().Pixel(2, 6), kRed);

  view.Resize(20, 14);
  view.Paint();
  EXPECT_NE(view.window(), Bitmap(20, 14, view.windowBackground()));
}

TEST_F(ViewFixture, ModifyingTheDrawingRegeneratesAtTheNextPaint) {
  view.Paint();
  AddLine(0, 50, 150, 50);
  view.Paint();  // nothing said the drawing changed
  EXPECT_EQ(view.window(), Bitmap(16, 12, 0));
  drawing.SetModifiedFlag(true);
  EXPECT_TRUE(view.needsRegen());
  view.Paint();
  EXPECT_EQ(view.window().Pixel(3, 6), kRed);
}

TEST_F(ViewFixture, SizeChangeDropsThePictureAndSetsTheApertures) {
  view.Paint();
  EXPECT_EQ(view.cursorAperture(), 10);
  EXPECT_EQ(view.pickBoxSize(), 8);
  view.Resize(16, 12);  // the same size changes nothing
  EXPECT_NE(view.offscreenBitmap(), nullptr);
  EXPECT_FALSE(view.needsRegen());
  view.Resize(640, 480);
  EXPECT_EQ(view.lastClientSize(), (ScreenPoint{640, 480}));
  EXPECT_EQ(view.offscreenBitmap(), nullptr);
  EXPECT_TRUE(view.needsRegen());
  EXPECT_TRUE(view.windowInvalid());
  EXPECT_EQ(view.window().width(), 640);
  EXPECT_EQ(view.cursorAperture(), 20);
  EXPECT_EQ(view.pickBoxSize(), 14);
  view.Resize(640, 479);
  EXPECT_EQ(view.cursorAperture(), 10);
  EXPECT_EQ(view.pickBoxSize(), 8);
}

TEST_F(ViewFixture, EveryWindowSizeFromNothingToHugeSurvivesUseAndPaints) {
  struct Case {
    const char* name;
    int width, height;
    bool triple;  // whether three by three windows fit under the byte limit
  } cases[] = {
      {"minimised", 0, 0, false},  // no picture at all
      {"one pixel", 1, 1, true},  {"one column", 1, 300, true},
      {"one row", 300, 1, true},  {"far beyond any screen", 8000, 8000, false},
  };
  AddLine(0, 0, 150, 110);
  view.Paint();
  const Bitmap first = view.window();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view.Resize(c.width, c.height);
    view.Paint();
    EXPECT_EQ(view.window().width(), c.width);
    EXPECT_EQ(view.window().height(), c.height);
    const bool empty = c.width == 0 || c.height == 0;
    EXPECT_EQ(view.offscreenBitmap() != nullptr, !empty);
    if (!empty) {
      EXPECT_EQ(view.tripleBitmap(), c.triple);
    }
    EXPECT_EQ(view.windowInvalid(), empty);
    // The feedback and the moves of the window each draw on it or refuse, never beyond it.
    const ScreenPoint corner{c.width - 1, c.height - 1};
    view.ShowCursor(true, corner);
    view.DrawRubberBand(Point(0, 0), Point(150, 110));
    view.DrawRubberBand(Point(0, 0), Point(150, 110));
    view.HideCursor();
    view.BeginDrag({0, 0});
    view.DragTo(corner);
    view.EndDrag(corner, DragEnd::Cancel);
    view.ZoomAt(corner, 0.5);
    view.ZoomAt(corner, 2);
    EXPECT_FALSE(view.cursorVisible());
  }
  // Back to the first size, the picture is what it was before all that.
  drawing.settings.viewOrigin = Point(0, 0);
  drawing.settings.viewExtent = Size{150, 110};
  view.Resize(16, 12);
  view.Paint();
  EXPECT_EQ(view.window(), first);
}

TEST_F(ViewFixture, WhiteBackgroundIsReadFromAndWrittenToTheProfile) {
  EXPECT_FALSE(view.whiteBackground());  // nothing stored: black
  view.Paint();
  view.SetWhiteBackground(true);
  EXPECT_EQ(profile.GetInt(u"settings", u"whitebckg", -1), 1);
  EXPECT_EQ(view.offscreenBitmap(), nullptr);
  EXPECT_TRUE(view.windowInvalid());
  view.Paint();
  EXPECT_EQ(view.window(), Bitmap(16, 12, kWhite));
  EXPECT_EQ(view.windowBackground(), kWhite);
  {
    Drawing other;
    View another(other, profile);
    EXPECT_TRUE(another.whiteBackground());
  }
  view.SetWhiteBackground(false);
  EXPECT_EQ(profile.GetInt(u"SETTINGS", u"WHITEBCKG", -1), 0);
}

TEST(GridPenColorTest, ThreeQuartersOfTheInvertedBackground) {
  EXPECT_EQ(GridPenColor(0xFFFFFF), 0u);
  EXPECT_EQ(GridPenColor(0), 0xBDBDBDu);  // 189 = (255 >> 2) * 3
}

}  // namespace
}  // namespace korvo
