#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/view/view_test_support.h"
#include "view/view.h"
#include "view/wheel_zoom.h"

namespace korvo {
namespace {

// A 16 x 12 window on limits (0, 0)-(150, 110); each zoom is counted by its settings record.
struct ZoomFixture : testing::ViewFixture {
  ZoomFixture() {
    view.recordSettingsChange = [this] { ++records; };
    view.Paint();
    drawing.SetModifiedFlag(false);
  }
  void ExpectWindow(const Point& origin, const Size& extent) {
    EXPECT_EQ(drawing.settings.viewOrigin, origin);
    EXPECT_EQ(drawing.settings.viewExtent, extent);
  }
  void ExpectChanged() {
    EXPECT_EQ(records, 1);
    EXPECT_TRUE(drawing.IsModified());
    EXPECT_FALSE(view.needsRegen());  // repainted at once
  }
  void ExpectUnchanged() {
    ExpectWindow(Point(0, 0), Size{150, 110});
    EXPECT_EQ(records, 0);
    EXPECT_FALSE(drawing.IsModified());
  }
  int records = 0;
};

TEST_F(ZoomFixture, ZoomAllSetsExactlyTheLimits) {
  drawing.settings.limitsMax = Point(420, 297);
  AddLine(-1000, -1000, 5000, 5000);  // the entities' extents play no part
  view.ZoomAll();
  ExpectWindow(Point(0, 0), Size{420, 297});
  ExpectChanged();
}

TEST_F(ZoomFixture, ZoomAllOnTheCurrentWindowChangesNothing) {
  view.ZoomAll();
  ExpectUnchanged();
}

TEST_F(ZoomFixture, ZoomWindowEitherWayRoundGivesTheSameWindow) {
  struct Case {
    const char* name;
    Point first, second;
  } cases[] = {
      {"lower-left to upper-right", {20, 10}, {80, 50}},
      {"upper-right to lower-left", {80, 50}, {20, 10}},
      {"upper-left to lower-right", {20, 50}, {80, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.settings.viewOrigin = Point(0, 0);
    drawing.settings.viewExtent = Size{150, 110};
    view.ZoomWindow(c.first, c.second);
    ExpectWindow(Point(20, 10), Size{60, 40});
    // The larger ratio fits: 60 / 15 beats 40 / 11.
    EXPECT_EQ(view.PixelSize(), 4);
  }
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Nothing that would leave an empty or broken window reaches the settings.
TEST_F(ZoomFixture, DegenerateRequestsLeaveTheViewUnchanged) {
  struct Case {
    const char* name;
    void (*request)(View&);
  } cases[] = {
      {"coinciding corners", [](View& v) { v.ZoomWindow(Point(30, 30), Point(30, 30)); }},
      {"not a number", [](View& v) { v.ZoomWindow(Point(nan, 0), Point(50, 50)); }},
      {"infinite corner", [](View& v) { v.ZoomWindow(Point(0, 0), Point(inf, 50)); }},
      {"factor 0", [](View& v) { v.ZoomAbout(Point(50, 50), 0); }},
      {"negative factor", [](View& v) { v.ZoomAbout(Point(50, 50), -2); }},
      {"factor not a number", [](View& v) { v.ZoomAbout(Point(50, 50), nan); }},
      {"infinite factor", [](View& v) { v.ZoomStep(inf); }},
      {"centre not a number", [](View& v) { v.ZoomAbout(Point(nan, 50), 0.5); }},
      {"centre outside the limits", [](View& v) { v.ZoomAbout(Point(151, 50), 0.5); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.request(view);
    ExpectUnchanged();
  }
}

// Only coinciding corners are no window: a flat or upright one fits by its other side.
TEST_F(ZoomFixture, ZoomWindowOfZeroWidthOrHeightFitsTheOtherSide) {
  struct Case {
    const char* name;
    Point first, second;
    Point origin;
    Size extent;
    double pixelSize;
  } cases[] = {
      {"zero width", {30, 90}, {30, 10}, {30, 10}, {0, 80}, 80.0 / 11},
      {"zero height", {90, 30}, {15, 30}, {15, 30}, {75, 0}, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.settings.viewOrigin = Point(0, 0);
    drawing.settings.viewExtent = Size{150, 110};
    view.ZoomWindow(c.first, c.second);
    ExpectWindow(c.origin, c.extent);
    EXPECT_DOUBLE_EQ(view.PixelSize(), c.pixelSize);
  }
}

TEST_F(ZoomFixture, ZoomAllWithEmptyLimitsLeavesTheViewUnchanged) {
  drawing.settings.limitsMax = drawing.settings.limitsMin;
  view.ZoomAll();
  ExpectUnchanged();
}

TEST_F(ZoomFixture, ZoomAboutAPointOnTheLimitsIsAllowed) {
  view.ZoomAbout(Point(150, 110), 0.5);
  // 75 x 55 about the corner, shifted back inside.
  ExpectWindow(Point(75, 55), Size{75, 55});
  ExpectChanged();
}

TEST_F(ZoomFixture, ZoomOutNearALimitShiftsBackInside) {
  drawing.settings.viewExtent = Size{30, 22};  // 2 units a pixel
  view.ZoomAbout(Point(140, 100), 2);
  // 60 x 44 about (140, 100) would end at (170, 122): moved back to end at the limits.
  ExpectWindow(Point(90, 66), Size{60, 44});
  ExpectChanged();
}

TEST_F(ZoomFixture, ZoomOutBeyondTheLimitsShrinksToThem) {
  view.ZoomAbout(Point(75, 55), 2);
  ExpectWindow(Point(0, 0), Size{150, 110});
  EXPECT_EQ(records, 0);  // shrunk back to the window it was: no change
  view.ZoomAbout(Point(75, 55), 0.5);
  records = 0;
  view.ZoomStep(4);
  ExpectWindow(Point(0, 0), Size{150, 110});
  EXPECT_EQ(records, 1);
}

// The zoom works on the visible window, not on the stored one: a stored window of another
// aspect is visible with its margin.
TEST_F(ZoomFixture, ZoomStepScalesTheVisibleWindowAboutTheStoredCenter) {
  drawing.settings.viewExtent = Size{150, 55};  // visible: 150 x 110
  view.ZoomStep(0.5);
  ExpectWindow(Point(37.5, 0), Size{75, 55});
  ExpectChanged();
}

TEST_F(ZoomFixture, ZoomAtKeepsTheWorldPointUnderTheAnchorPixel) {
  struct Case {
    const char* name;
    Point origin;
    Size extent;
    ScreenPoint anchor;
    double factor;
    Point expectedOrigin;
    Size expectedExtent;
  } cases[] = {
      // Pixel (4, 3) shows (40, 80); at 5 units a pixel it lies 4 right of and 8 above the
      // new origin.
      {"in about an inner pixel", {0, 0}, {150, 110}, {4, 3}, 0.5, {20, 40}, {75, 55}},
      {"in about the lower-left pixel", {0, 0}, {150, 110}, {0, 11}, 0.5, {0, 0}, {75, 55}},
      // Pixel (8, 6) shows (60, 42.5) at 2.5 units a pixel.
      {"out within the limits", {40, 30}, {37.5, 27.5}, {8, 6}, 2, {20, 17.5}, {75, 55}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    drawing.settings.viewOrigin = c.origin;
    drawing.settings.viewExtent = c.extent;
    const Point under = view.ScreenToWorld(c.anchor);
    view.ZoomAt(c.anchor, c.factor);
    ExpectWindow(c.expectedOrigin, c.expectedExtent);
    EXPECT_EQ(view.WorldToScreen(under), c.anchor);
  }
  // Looking around is no edit: nothing to undo.
  EXPECT_EQ(records, 0);
}

TEST_F(ZoomFixture, ZoomAtOutwardsStopsAtTheLimits) {
  drawing.settings.viewOrigin = Point(20, 40);
  drawing.settings.viewExtent = Size{75, 55};
  view.ZoomAt({4, 3}, 4);
  ExpectWindow(Point(0, 0), Size{150, 110});
  // Already the whole limits: a further step out changes nothing.
  drawing.SetModifiedFlag(false);
  view.ZoomAt({4, 3}, 4);
  ExpectUnchanged();
}

TEST_F(ZoomFixture, ZoomAtRefusesFactorsThatBreakTheWindow) {
  struct Case {
    const char* name;
    double factor;
  } cases[] = {
      {"zero", 0},
      {"negative", -0.5},
      {"not a number", std::numeric_limits<double>::quiet_NaN()},
      {"infinite", std::numeric_limits<double>::infinity()},
      {"pixels too small to tell coordinates apart", 1e-12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view.ZoomAt({4, 3}, c.factor);
    ExpectUnchanged();
  }
}

TEST_F(ZoomFixture, ZoomAtOnAnEmptyWindowDoesNothing) {
  view.Resize(0, 0);
  view.ZoomAt({0, 0}, 0.5);
  ExpectUnchanged();
}

TEST(WheelZoomFactor, ANotchScalesByAQuarterAndPartsAddUp) {
  struct Case {
    const char* name;
    int delta;
    double factor;
  } cases[] = {
      {"a notch away zooms in", 120, 0.8},
      {"a notch towards zooms out", -120, 1.25},
      {"no turn", 0, 1},
      {"two notches", 240, 0.64},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(WheelZoomFactor(c.delta), c.factor, 1e-12);
  }
  EXPECT_NEAR(WheelZoomFactor(60) * WheelZoomFactor(60), WheelZoomFactor(120), 1e-12);
}

}  // namespace
}  // namespace korvo
