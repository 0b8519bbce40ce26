#include "core/entity_index.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/line_entity.h"
#include "core/marker_entity.h"

namespace korvo {
namespace {

// A drawing whose index is asked after every change, so that it follows the list rather
// than being built afresh.
class EntityIndexTest : public ::testing::Test {
 protected:
  EntityIndexTest() { drawing_.New(); }

  // A short horizontal line at (x, y) .. (x + 1, y).
  LineEntity* Line(double x, double y) {
    return new LineEntity(Point(x, y), Point(x + 1, y), drawing_.settings);
  }
  std::vector<Entity*> Near(double x, double y, double half = 0.5) {
    std::vector<Entity*> found;
    drawing_.index().Query(Point(x - half, y - half), Point(x + half, y + half), found);
    return found;
  }
  std::vector<Entity*> Everything() {
    std::vector<Entity*> found;
    drawing_.index().Query(Point(-1e9, -1e9), Point(1e9, 1e9), found);
    return found;
  }
  std::vector<Entity*> InListOrder() {
    return std::vector<Entity*>(drawing_.entities.begin(), drawing_.entities.end());
  }

  Drawing drawing_;
};

TEST_F(EntityIndexTest, FindsOnlyWhatMeetsTheRectangleBordersIncluded) {
  LineEntity* a = Line(0, 0);
  LineEntity* b = Line(10, 0);
  drawing_.entities.AddTail(a);
  drawing_.entities.AddTail(b);
  EXPECT_EQ(Near(0.5, 0), std::vector<Entity*>{a});
  EXPECT_EQ(Near(11.5, 0, 0.5), std::vector<Entity*>{b});  // touches the end only
  EXPECT_TRUE(Near(5, 5).empty());
  EXPECT_EQ(Near(5, 0, 20), (std::vector<Entity*>{a, b}));
}

TEST_F(EntityIndexTest, FollowsEveryChangeOfTheListInListOrder) {
  EntityList& list = drawing_.entities;
  std::vector<LineEntity*> lines;
  for (int i = 0; i < 6; ++i) {
    lines.push_back(Line(0, 0));  // all coincident: only the order tells them apart
    list.AddTail(lines.back());
  }
  ASSERT_EQ(Near(0.5, 0), InListOrder());  // built here

  struct Case {
    const char* name;
    std::function<void()> change;
  } cases[] = {
      {"add at the head", [&] { list.AddHead(Line(0, 0)); }},
      {"add at the tail", [&] { list.AddTail(Line(0, 0)); }},
      {"insert in between", [&] { list.InsertBefore(list.Next(list.HeadPosition()), Line(0, 0)); }},
      {"swap", [&] { list.SwapEntities(list.HeadPosition(), list.TailPosition()); }},
      {"remove",
       [&] {
         Entity* head = list.Head();
         list.RemoveAt(list.HeadPosition());
         delete head;
       }},
      {"replace",
       [&] {
         Entity* tail = list.Tail();
         list.SetAt(list.TailPosition(), Line(0, 0));
         delete tail;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.change();
    EXPECT_EQ(Near(0.5, 0), InListOrder());
  }
}

TEST_F(EntityIndexTest, ManyInsertionsAtOnePlaceKeepTheOrder) {
  EntityList& list = drawing_.entities;
  list.AddTail(Line(0, 0));
  list.AddTail(Line(0, 0));
  ASSERT_EQ(Near(0.5, 0).size(), 2u);
  // Each insertion halves the gap before the tail until the ranks must be renumbered.
  for (int i = 0; i < 100; ++i) list.InsertBefore(list.TailPosition(), Line(0, 0));
  for (int i = 0; i < 100; ++i) list.InsertBefore(list.Next(list.HeadPosition()), Line(0, 0));
  EXPECT_EQ(Near(0.5, 0), InListOrder());
}

TEST_F(EntityIndexTest, DrawingOrderChangesAndTheirUndoAreFollowed) {
  std::vector<Entity*> lines;
  for (int i = 0; i < 5; ++i) {
    lines.push_back(Line(0, 0));
    drawing_.entities.AddTail(lines.back());
  }
  ASSERT_EQ(Near(0.5, 0), InListOrder());
  drawing_.BringToFront(std::vector<Entity*>{lines[1]});
  // The marker left behind is erased and has no box: it is answered everywhere.
  std::vector<Entity*> expected = InListOrder();
  EXPECT_EQ(Near(0.5, 0), expected);
  EXPECT_EQ(Near(50, 50).size(), 1u);
  EXPECT_NE(Near(50, 50)[0]->AsMarker(), nullptr);
  drawing_.undo.Undo();
  EXPECT_EQ(Near(0.5, 0), InListOrder());
}

TEST_F(EntityIndexTest, InPlaceChangesAreSeenOnceTheDrawingIsMarkedModified) {
  LineEntity* line = Line(0, 0);
  drawing_.entities.AddTail(line);
  ASSERT_EQ(Near(0.5, 0).size(), 1u);
  line->Translate(Point(100, 0));
  drawing_.SetModifiedFlag(true);
  EXPECT_TRUE(Near(0.5, 0).empty());
  EXPECT_EQ(Near(100.5, 0), std::vector<Entity*>{line});
  line->Translate(Point(-50, 0));
  drawing_.NoteEntitiesChanged();
  EXPECT_EQ(Near(50.5, 0), std::vector<Entity*>{line});
}

TEST_F(EntityIndexTest, UnanswerableRectanglesAndUnboxableEntitiesGetEverything) {
  LineEntity* near = Line(0, 0);
  LineEntity* huge = new LineEntity(Point(0, 0), Point(1e300, 0), drawing_.settings);
  LineEntity* broken = new LineEntity(Point(std::nan(""), 0), Point(1, 0), drawing_.settings);
  drawing_.entities.AddTail(near);
  drawing_.entities.AddTail(huge);
  drawing_.entities.AddTail(broken);
  // Beyond single precision or not a number: asked every time.
  EXPECT_EQ(Near(-50, -50), (std::vector<Entity*>{huge, broken}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<Entity*> found;
  drawing_.index().Query(Point(nan, 0), Point(1, 1), found);
  EXPECT_EQ(found, InListOrder());
  drawing_.index().Query(Point(1, 1), Point(0, 0), found);  // low above high
  EXPECT_EQ(found, InListOrder());
}

TEST_F(EntityIndexTest, AnEmptiedListStartsAfresh) {
  drawing_.entities.AddTail(Line(0, 0));
  ASSERT_EQ(Everything().size(), 1u);
  drawing_.entities.DeleteAll();
  EXPECT_TRUE(Everything().empty());
  LineEntity* line = Line(3, 3);
  drawing_.entities.AddTail(line);
  EXPECT_EQ(Near(3.5, 3), std::vector<Entity*>{line});
  drawing_.Clear();
  EXPECT_TRUE(Everything().empty());
}

}  // namespace
}  // namespace korvo
