#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/view/view_test_support.h"
#include "view/view.h"

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

}  // namespace
}  // namespace korvo
