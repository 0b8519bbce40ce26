#include "commands/snapping.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/element_code.h"
#include "core/line_entity.h"
#include "geometry/geometry.h"
#include "tests/commands/entity_scene.h"

namespace korvo {
namespace {

using testing::EntityScene;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(GridSnap, RoundsToTheNearestMultiple) {
  struct Case {
    const char* name;
    double c, step, expected;
    bool negative;  // the sign of the answer, zero included
  } cases[] = {
      {"down to the multiple", 14.9, 10, 10, false},
      {"up to the multiple", 15.1, 10, 20, false},
      {"exact negative half rounds toward zero and keeps its sign", -5.0, 10, 0, true},
      {"negative beyond the half", -5.1, 10, -10, true},
      {"exact positive half rounds down", 25, 10, 20, false},
      {"on the grid", -30, 10, -30, true},
      {"fractional step", 0.76, 0.5, 1.0, false},
      {"fractional step, below the half", 0.74, 0.5, 0.5, false},
      {"zero stays positive zero", 0.0, 10, 0, false},
      {"step 0 disables", 14.9, 0, 14.9, false},
      {"negative step disables", 14.9, -10, 14.9, false},
      {"infinite step disables", 14.9, kInf, 14.9, false},
      {"NaN step disables", 14.9, std::nan(""), 14.9, false},
      {"infinite coordinate stays", -kInf, 10, -kInf, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double snapped = GridSnapCoordinate(c.c, c.step);
    EXPECT_EQ(snapped, c.expected);
    EXPECT_EQ(std::signbit(snapped), c.negative);
  }
}

TEST(GridSnap, PointsSnapEachCoordinate) {
  const Point first = GridSnap(Point(14.9, -5.0), 10);
  EXPECT_EQ(first, Point(10, 0));
  EXPECT_TRUE(std::signbit(first.y));
  EXPECT_EQ(GridSnap(Point(15.1, -5.1), 10), Point(20, -10));
  EXPECT_TRUE(std::isnan(GridSnap(Point(std::nan(""), 1), 10).x));
}

TEST(ObjectSnap, NearestKeyPointInsideTheApertureSquare) {
  // Aperture 10 world units around the origin; every line's far end and midpoint lie far away.
  struct Case {
    const char* name;
    Point firstEnd, secondEnd;  // the near ends of two lines, in list order
    bool found;
    Point expected;
  } cases[] = {
      {"the nearer end wins", {4, 0}, {0, 3}, true, {0, 3}},
      {"the nearer end wins when it comes first", {0, 3}, {4, 0}, true, {0, 3}},
      {"equal distances keep the earlier entity", {3, 0}, {0, -3}, true, {3, 0}},
      {"equal distances keep the earlier entity, other order", {0, -3}, {3, 0}, true, {0, -3}},
      {"outside the square though within a·√2", {11, 2}, {-2, 11}, false, {}},
      {"one inside, one outside", {11, 0}, {-9, 9}, true, {-9, 9}},
      {"on the edge of the square", {10, 0}, {50, 50}, true, {10, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntityScene scene;
    scene.AddLine(c.firstEnd, c.firstEnd + Point(200, 300));
    scene.AddLine(c.secondEnd, c.secondEnd + Point(-300, 200));
    const SnapSearch result = ObjectSnap(scene.list, Point(0, 0), 10);
    EXPECT_EQ(result.found, c.found);
    if (c.found) {
      EXPECT_EQ(result.point, c.expected);
      EXPECT_DOUBLE_EQ(result.distance, Distance(c.expected, Point(0, 0)));
    } else {
      EXPECT_DOUBLE_EQ(result.distance, 10 * kSqrt2);
    }
  }
}

TEST(ObjectSnap, SkipsWhatIsNotShown) {
  struct Case {
    const char* name;
    void (*hide)(LineEntity&, EntityScene&);
  } cases[] = {
      {"erased", [](LineEntity& l, EntityScene&) { l.flags |= EntityFlag::Erased; }},
      {"hidden", [](LineEntity& l, EntityScene&) { l.flags |= EntityFlag::Hidden; }},
      {"out of view", [](LineEntity& l, EntityScene&) { l.flags |= EntityFlag::OutOfView; }},
      {"frozen layer", [](LineEntity& l, EntityScene& s) { l.layer = &s.frozen; }},
      {"no layer", [](LineEntity& l, EntityScene&) { l.layer = nullptr; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntityScene scene;
    LineEntity* nearer = scene.AddLine(Point(1, 0), Point(100, 100));
    scene.AddLine(Point(0, 5), Point(-100, 100));
    c.hide(*nearer, scene);
    const SnapSearch result = ObjectSnap(scene.list, Point(0, 0), 10);
    ASSERT_TRUE(result.found);
    EXPECT_EQ(result.point, Point(0, 5));
  }
}

TEST(ObjectSnap, LockedLayersStillSnap) {
  EntityScene scene;
  scene.AddLine(Point(1, 0), Point(100, 100))->layer = &scene.locked;
  const SnapSearch result = ObjectSnap(scene.list, Point(0, 0), 10);
  ASSERT_TRUE(result.found);
  EXPECT_EQ(result.point, Point(1, 0));
}

TEST(IntersectionSnap, FindsCrossingsOfLaterEntitiesOnly) {
  EntityScene scene;
  scene.AddLine(Point(-50, 1), Point(50, 1));
  scene.AddLine(Point(2, -50), Point(2, 50));
  const SnapSearch result = IntersectionSnap(scene.list, Point(0, 0), 10);
  ASSERT_TRUE(result.found);
  EXPECT_EQ(result.point, Point(2, 1));
  EXPECT_DOUBLE_EQ(result.distance, std::sqrt(5.0));
}

TEST(IntersectionSnap, NearestCrossingWinsAndErasedEntitiesDoNotCross) {
  EntityScene scene;
  scene.AddLine(Point(-50, 0), Point(50, 0));
  scene.AddLine(Point(4, -50), Point(4, 50));
  scene.AddLine(Point(-3, -50), Point(-3, 50));
  scene.AddLine(Point(1, -50), Point(1, 50))->flags |= EntityFlag::Erased;
  const SnapSearch result = IntersectionSnap(scene.list, Point(0, 0), 10);
  ASSERT_TRUE(result.found);
  EXPECT_EQ(result.point, Point(-3, 0));
}

TEST(IntersectionSnap, CrossingOutsideTheSquareIsNotTaken) {
  EntityScene scene;
  scene.AddLine(Point(-50, 9), Point(50, 9));
  scene.AddLine(Point(11, -50), Point(11, 50));
  const SnapSearch result = IntersectionSnap(scene.list, Point(0, 0), 10);
  EXPECT_FALSE(result.found);
}

TEST(IntersectionSnap, AbortAbandonsTheSearch) {
  // 40 lines through the aperture give 780 pairs, more than one abort interval.
  EntityScene scene;
  for (int i = 0; i < 40; ++i) scene.AddLine(Point(-50, i - 50.0), Point(50, 50.0 - i));
  int asked = 0;
  const SnapSearch aborted = IntersectionSnap(scene.list, Point(0, 0), 10, [&] {
    ++asked;
    return true;
  });
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(aborted.aborted);
  EXPECT_FALSE(aborted.found);
  const SnapSearch finished = IntersectionSnap(scene.list, Point(0, 0), 10, [&] {
    ++asked;
    return false;
  });
  EXPECT_GT(asked, 1);
  EXPECT_FALSE(finished.aborted);
  EXPECT_TRUE(finished.found);
}

TEST(SnapCursor, IntersectionNearerThanTheObjectSnapWins) {
  // With one world unit per pixel and a 10-pixel aperture: the end point (3, 0) is 3 pixels
  // from the pen. The other line crosses the first `crossingOffset` pixels above that end.
  struct Case {
    const char* name;
    double crossingOffset;
    SnapKind kind;
    Point expected;
  } cases[] = {
      {"intersection 2 px from the end point", 2, SnapKind::Intersection, {3, 2}},
      {"intersection 4 px from the end point", 4, SnapKind::Object, {3, 0}},
      {"intersection exactly 3 px away: not nearer", 3, SnapKind::Object, {3, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntityScene scene;
    scene.AddLine(Point(3, 0), Point(3, 100));
    scene.AddLine(Point(-50, c.crossingOffset), Point(150, c.crossingOffset));
    SnapSettings settings;
    settings.objectSnap = true;
    settings.intersectionSnap = true;
    const CursorSnap snap =
        SnapCursor(Point(0, 0), settings, scene.list, 10, CursorStyle::Crosshair);
    EXPECT_EQ(snap.kind, c.kind);
    EXPECT_EQ(snap.world, c.expected);
  }
}

TEST(SnapCursor, StepsFollowTheSettings) {
  EntityScene scene;
  scene.AddLine(Point(8, 0), Point(8, 100));
  scene.AddLine(Point(-50, 3), Point(150, 3));
  const Point raw(14.9, 0.2);
  struct Case {
    const char* name;
    SnapSettings settings;
    CursorStyle style;
    SnapKind kind;
    Point expected;
  } cases[] = {
      {"nothing on", {}, CursorStyle::Crosshair, SnapKind::None, raw},
      {"grid only", {true, 10, false, false}, CursorStyle::Crosshair, SnapKind::None, {10, 0}},
      // The end point (8, 0) is 2 from the grid point but 6.9 from the raw point.
      {"object snap searches around the grid point",
       {true, 10, true, false},
       CursorStyle::Crosshair,
       SnapKind::Object,
       {8, 0}},
      {"object snap without grid misses",
       {false, 10, true, false},
       CursorStyle::Crosshair,
       SnapKind::None,
       raw},
      // Around (8, 0) the crossing (8, 3) is 3 away, not nearer than the end point's 2.
      {"intersection around the object point must beat it",
       {true, 10, true, true},
       CursorStyle::Crosshair,
       SnapKind::Object,
       {8, 0}},
      {"intersection alone",
       {true, 10, false, true},
       CursorStyle::Crosshair,
       SnapKind::Intersection,
       {8, 3}},
      {"pick box: grid only",
       {true, 10, true, true},
       CursorStyle::PickBox,
       SnapKind::None,
       {10, 0}},
      {"no cursor: grid only", {true, 10, true, true}, CursorStyle::None, SnapKind::None, {10, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CursorSnap snap = SnapCursor(raw, c.settings, scene.list, 5, c.style);
    EXPECT_EQ(snap.kind, c.kind);
    EXPECT_EQ(snap.world, c.expected);
    EXPECT_FALSE(snap.aborted);
  }
}

TEST(SnapCursor, AbortedIntersectionKeepsTheObjectPoint) {
  // Many pairs far from the pen, and one end point near it.
  EntityScene scene;
  for (int i = 0; i < 40; ++i) scene.AddLine(Point(100, i), Point(200, 100.0 - i));
  scene.AddLine(Point(1, 1), Point(-100, 200));
  SnapSettings settings;
  settings.objectSnap = true;
  settings.intersectionSnap = true;
  const CursorSnap snap = SnapCursor(Point(0, 0), settings, scene.list, 10, CursorStyle::Crosshair,
                                     [] { return true; });
  EXPECT_TRUE(snap.aborted);
  EXPECT_EQ(snap.kind, SnapKind::Object);
  EXPECT_EQ(snap.world, Point(1, 1));
}

TEST(Ortho, KeepsTheAxisOfTheLargerMovement) {
  struct Case {
    const char* name;
    Point base, pick, expected;
  } cases[] = {
      {"mostly horizontal", {0, 0}, {5, 2}, {5, 0}},
      {"mostly vertical", {0, 0}, {2, 5}, {0, 5}},
      {"equal movements fix y", {0, 0}, {3, 3}, {3, 0}},
      {"away from the origin", {10, 10}, {7, 20}, {10, 20}},
      {"negative movement", {1, 1}, {-4, 3}, {-4, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ApplyOrtho(c.base, c.pick), c.expected);
  }
}

}  // namespace
}  // namespace korvo
