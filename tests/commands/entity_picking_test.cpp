#include "commands/entity_picking.h"

#include <vector>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/element_code.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "tests/commands/entity_scene.h"

namespace korvo {
namespace {

using testing::EntityScene;

// A pick box of 2 world units: entities within 2·√2 of the pick point can be hit.
constexpr double kTolerance = 2;

TEST(FindEntityAt, NearestWithinTheBoundLaterWinsTies) {
  struct Case {
    const char* name;
    double firstY, secondY;  // two horizontal lines from x = 0 to 10
    int expected;            // 0 none, 1 first, 2 second
  } cases[] = {
      {"overlapping lines: the later wins", 0, 0, 2},
      {"equally near on both sides: the later wins", -1, 3, 2},
      {"the nearer earlier line wins", 0.5, 3, 1},
      {"the nearer later line wins", 3, 2, 2},
      {"beyond the pick box but within its diagonal", 3.8, 50, 1},
      {"beyond the diagonal", 3.9, 50, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntityScene scene;
    LineEntity* first = scene.AddLine(Point(0, c.firstY), Point(10, c.firstY));
    LineEntity* second = scene.AddLine(Point(0, c.secondY), Point(10, c.secondY));
    const Entity* expected = c.expected == 1 ? first : c.expected == 2 ? second : nullptr;
    EXPECT_EQ(FindEntityAt(scene.list, Point(5, 1), kTolerance), expected);
  }
}

TEST(FindEntityAt, NeverHitsWhatCannotBeSelected) {
  struct Case {
    const char* name;
    void (*hide)(LineEntity&, EntityScene&);
  } cases[] = {
      {"erased", [](LineEntity& l, EntityScene&) { l.flags |= EntityFlag::Erased; }},
      {"hidden", [](LineEntity& l, EntityScene&) { l.flags |= EntityFlag::Hidden; }},
      {"out of view", [](LineEntity& l, EntityScene&) { l.flags |= EntityFlag::OutOfView; }},
      {"locked layer", [](LineEntity& l, EntityScene& s) { l.layer = &s.locked; }},
      {"frozen layer", [](LineEntity& l, EntityScene& s) { l.layer = &s.frozen; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntityScene scene;
    LineEntity* farther = scene.AddLine(Point(0, 2), Point(10, 2));
    LineEntity* nearest = scene.AddLine(Point(0, 0), Point(10, 0));
    c.hide(*nearest, scene);
    EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0), kTolerance), farther);
  }
}

TEST(FindEntityAt, FilterRejectsCandidates) {
  EntityScene scene;
  LineEntity* farther = scene.AddLine(Point(0, 2), Point(10, 2));
  LineEntity* nearest = scene.AddLine(Point(0, 0), Point(10, 0));
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0), kTolerance,
                         [&](const Entity& e) { return &e != nearest; }),
            farther);
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0), kTolerance, [](const Entity&) { return false; }),
            nullptr);
}

TEST(FindEntityAt, APartOfABlockReferenceSelectsTheReference) {
  EntityScene scene;
  LineEntity* outside = scene.AddLine(Point(0, 1), Point(10, 1));
  InsertEntity* reference = scene.AddReferenceTo(Point(0, 0), Point(10, 0));
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0), kTolerance), reference);
  // The loose line is nearer to this point; the reference's part does not win.
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 1.2), kTolerance), outside);
}

TEST(FindEntityAt, AttachedPartsAndNestedReferencesCount) {
  EntityScene scene;
  InsertEntity* reference = scene.AddReferenceTo(Point(100, 100), Point(110, 100));
  scene.AddLineTo(reference->attached, Point(0, 0), Point(10, 0));
  auto* nested = new InsertEntity();
  nested->layer = &scene.layer;
  scene.AddLineTo(nested->expanded, Point(0, 20), Point(10, 20));
  reference->expanded.AddTail(nested);
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0.5), kTolerance), reference);
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 20.5), kTolerance), reference);
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 10), kTolerance), nullptr);
}

TEST(FindEntityAt, ASegmentOfAPolylineSelectsThePolyline) {
  EntityScene scene;
  auto* polyline = new PolylineEntity(scene.settings);
  polyline->AppendVertex(0, 0, 0, 0, 0, 0, 0);
  polyline->AppendVertex(10, 0, 0, 0, 0, 0, 0);
  polyline->AppendVertex(10, 10, 0, 0, 0, 0, 0);
  polyline->RebuildSegments();
  scene.list.AddTail(polyline);
  EXPECT_EQ(FindEntityAt(scene.list, Point(10.5, 5), kTolerance), polyline);
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 5), kTolerance), nullptr);
}

TEST(FindEntityAt, AReferenceIsMeasuredOnlyThroughItsParts) {
  // An empty reference answers its insertion point to NearestPoint; picking ignores that.
  EntityScene scene;
  auto* empty = new InsertEntity();
  empty->layer = &scene.layer;
  empty->insertionPoint = Point(5, 0);
  scene.list.AddTail(empty);
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0), kTolerance), nullptr);
}

TEST(FindEntityAt, LockedOrErasedReferencesAreNotHitThroughTheirParts) {
  EntityScene scene;
  InsertEntity* locked = scene.AddReferenceTo(Point(0, 0), Point(10, 0));
  locked->layer = &scene.locked;
  InsertEntity* erased = scene.AddReferenceTo(Point(0, 1), Point(10, 1));
  erased->flags |= EntityFlag::Erased;
  EXPECT_EQ(FindEntityAt(scene.list, Point(5, 0.5), kTolerance), nullptr);
}

TEST(FindEntityAt, SearchesTheDrawingsEntities) {
  Drawing drawing;
  drawing.New();
  auto* line = new LineEntity(Point(0, 0), Point(10, 0), drawing.settings);
  drawing.entities.AddTail(line);
  ASSERT_NE(line->layer, nullptr);
  EXPECT_EQ(FindEntityAt(drawing, Point(3, 1), kTolerance), line);
}

TEST(WindowSelection, TouchedOrContainedUnselectedSelectableEntities) {
  EntityScene scene;
  LineEntity* inside = scene.AddLine(Point(1, 1), Point(2, 2));
  LineEntity* crossing = scene.AddLine(Point(-5, 3), Point(20, 3));
  scene.AddLine(Point(20, 20), Point(30, 30));  // outside
  scene.AddLine(Point(2, 5), Point(5, 2))->flags |= EntityFlag::Selected;
  scene.AddLine(Point(3, 3), Point(4, 4))->layer = &scene.locked;
  scene.AddLine(Point(3, 4), Point(4, 3))->flags |= EntityFlag::Erased;
  scene.AddLine(Point(1, 4), Point(4, 1))->layer = &scene.frozen;
  LineEntity* lastInside = scene.AddLine(Point(9, 9), Point(8, 8));
  const std::vector<Entity*> expected = {inside, crossing, lastInside};
  struct Case {
    const char* name;
    Point corner1, corner2;
  } cases[] = {
      {"left to right", {0, 0}, {10, 10}},
      {"right to left", {10, 10}, {0, 0}},
      {"other diagonal", {0, 10}, {10, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WindowSelectionCandidates(scene.list, c.corner1, c.corner2), expected);
  }
  EXPECT_EQ(WindowSelectionCandidates(scene.list, Point(0, 0), Point(10, 10),
                                      [&](const Entity& e) { return &e != crossing; }),
            (std::vector<Entity*>{inside, lastInside}));
}

TEST(SelectAll, ChangesOnlySelectableEntitiesNotYetInTheWantedState) {
  EntityScene scene;
  LineEntity* plain = scene.AddLine(Point(0, 0), Point(1, 1));
  LineEntity* selected = scene.AddLine(Point(0, 1), Point(1, 2));
  selected->flags |= EntityFlag::Selected;
  scene.AddLine(Point(0, 2), Point(1, 3))->layer = &scene.locked;
  scene.AddLine(Point(0, 3), Point(1, 4))->flags |= EntityFlag::Erased;
  EXPECT_EQ(SelectAllCandidates(scene.list, true), std::vector<Entity*>{plain});
  EXPECT_EQ(SelectAllCandidates(scene.list, false), std::vector<Entity*>{selected});
  EXPECT_TRUE(SelectAllCandidates(scene.list, true, [](const Entity&) { return false; }).empty());
}

}  // namespace
}  // namespace korvo
