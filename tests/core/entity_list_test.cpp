#include "core/entity_list.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "core/marker_entity.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "platform/message_box.h"

namespace korvo {
namespace {

const DrawingSettings& Defaults() {
  static const DrawingSettings settings;
  return settings;
}

// A line that counts its destructions, to see what a list deletes.
class CountedLine : public LineEntity {
 public:
  explicit CountedLine(int* deaths) : deaths_(deaths) {}
  ~CountedLine() override { ++*deaths_; }

 private:
  int* deaths_;
};

std::vector<Entity*> Forward(const EntityList& list) {
  std::vector<Entity*> members;
  for (ListPosition p = list.HeadPosition(); p; p = list.Next(p)) members.push_back(list.GetAt(p));
  return members;
}

std::vector<Entity*> Backward(const EntityList& list) {
  std::vector<Entity*> members;
  for (ListPosition p = list.TailPosition(); p; p = list.Prev(p)) members.push_back(list.GetAt(p));
  return members;
}

// Checks the list against the expected order in both directions and through the iterator.
void ExpectOrder(const EntityList& list, const std::vector<Entity*>& expected) {
  ASSERT_EQ(list.size(), expected.size());
  EXPECT_EQ(Forward(list), expected);
  std::vector<Entity*> reversed(expected.rbegin(), expected.rend());
  EXPECT_EQ(Backward(list), reversed);
  EXPECT_EQ(std::vector<Entity*>(list.begin(), list.end()), expected);
  std::vector<Entity*> viaDecrement;
  for (auto it = list.end(); it != list.begin();) viaDecrement.push_back(*--it);
  EXPECT_EQ(viaDecrement, reversed);
  EXPECT_EQ(list.Head(), expected.empty() ? nullptr : expected.front());
  EXPECT_EQ(list.Tail(), expected.empty() ? nullptr : expected.back());
}

TEST(EntityList, LinkingAtBothEndsAndInside) {
  EntityList list;
  auto* a = new LineEntity(0, 0, 1, 0, Defaults());
  auto* b = new LineEntity(0, 0, 2, 0, Defaults());
  auto* c = new LineEntity(0, 0, 3, 0, Defaults());
  auto* d = new LineEntity(0, 0, 4, 0, Defaults());
  auto* e = new LineEntity(0, 0, 5, 0, Defaults());
  const ListPosition pb = list.AddTail(b);
  list.AddHead(a);
  list.InsertBefore(ListPosition{}, e);  // no node: appends
  const ListPosition pe = list.Find(e);
  list.InsertBefore(pe, d);
  list.InsertBefore(list.Find(d), c);
  ExpectOrder(list, {a, b, c, d, e});
  list.InsertBefore(list.HeadPosition(), new LineEntity());
  EXPECT_EQ(list.size(), 6u);
  EXPECT_EQ(list.Find(b), pb);
  EXPECT_FALSE(list.Find(nullptr));

  list.RemoveAt(pb);  // unlinks without deleting
  EXPECT_FALSE(list.Find(b));
  EXPECT_EQ(list.size(), 5u);
  delete b;
}

TEST(EntityList, ThousandsOfNodesAcrossBlockBoundaries) {
  EntityList list;
  std::vector<Entity*> expected;
  for (int i = 0; i < 9000; ++i) {
    auto* line = new LineEntity(0, 0, i, 0, Defaults());
    // Every third goes to the front so that links cross blocks in both directions.
    if (i % 3 == 0) {
      list.AddHead(line);
      expected.insert(expected.begin(), line);
    } else {
      list.AddTail(line);
      expected.push_back(line);
    }
  }
  ExpectOrder(list, expected);

  // Remove every other member, and check that freed nodes are handed out again.
  std::vector<ListPosition> freed;
  std::vector<Entity*> removed;
  std::vector<Entity*> kept;
  int index = 0;
  for (ListPosition p = list.HeadPosition(); p;) {
    const ListPosition next = list.Next(p);
    if (index++ % 2 == 0) {
      removed.push_back(list.GetAt(p));
      list.RemoveAt(p);
      freed.push_back(p);
    } else {
      kept.push_back(list.GetAt(p));
    }
    p = next;
  }
  ExpectOrder(list, kept);
  for (Entity* entity : removed) delete entity;

  std::vector<ListPosition> reused;
  const std::vector<Entity*> targets(kept.begin(), kept.begin() + 100);
  for (Entity* target : targets) {
    auto* line = new LineEntity(1, 1, 2, 2, Defaults());
    reused.push_back(list.InsertBefore(list.Find(target), line));
    kept.insert(std::find(kept.begin(), kept.end(), target), line);
  }
  for (ListPosition p : reused) {
    EXPECT_NE(std::find(freed.begin(), freed.end(), p), freed.end());
  }
  ExpectOrder(list, kept);
}

TEST(EntityList, EmptiedListIsUsableAgain) {
  EntityList list;
  LineEntity a, b;
  const ListPosition pa = list.AddTail(&a);
  const ListPosition pb = list.AddTail(&b);
  list.RemoveAt(pa);
  list.RemoveAt(pb);
  ExpectOrder(list, {});
  list.AddTail(&b);
  list.AddHead(&a);
  ExpectOrder(list, {&a, &b});
  list.RemoveAll();  // not owned here
  EXPECT_TRUE(list.empty());
}

TEST(EntityList, DeleteAllAndDestructionDeleteTheMembers) {
  int deaths = 0;
  {
    EntityList list;
    for (int i = 0; i < 30; ++i) list.AddTail(new CountedLine(&deaths));
    list.DeleteAll();
    EXPECT_EQ(deaths, 30);
    EXPECT_TRUE(list.empty());
    list.AddTail(new CountedLine(&deaths));
  }
  EXPECT_EQ(deaths, 31);
}

TEST(EntityList, CopyFromReplacesWithClones) {
  int deaths = 0;
  EntityList target;
  target.AddTail(new CountedLine(&deaths));
  EntityList source;
  auto* line = new LineEntity(1, 2, 3, 4, Defaults());
  line->colorIndex = 5;
  auto* point = new PointEntity(Defaults(), 7, 8);
  source.AddTail(line);
  source.AddTail(point);

  target.CopyFrom(source);
  EXPECT_EQ(deaths, 1);
  ASSERT_EQ(target.size(), 2u);
  const LineEntity* lineCopy = target.Head()->AsLine();
  const PointEntity* pointCopy = target.Tail()->AsPoint();
  ASSERT_NE(lineCopy, nullptr);
  ASSERT_NE(pointCopy, nullptr);
  EXPECT_NE(lineCopy, line);
  EXPECT_EQ(lineCopy->start, Point(1, 2));
  EXPECT_EQ(lineCopy->end, Point(3, 4));
  EXPECT_EQ(lineCopy->colorIndex, 5);
  EXPECT_EQ(pointCopy->position, Point(7, 8));
  EXPECT_EQ(source.size(), 2u);
}

TEST(EntityList, AppendAllMovesTheMembers) {
  EntityList a, b;
  auto* x = new PointEntity(Defaults(), 1, 1);
  auto* y = new PointEntity(Defaults(), 2, 2);
  auto* z = new PointEntity(Defaults(), 3, 3);
  a.AddTail(x);
  b.AddTail(y);
  b.AddTail(z);
  a.AppendAll(b);
  ExpectOrder(a, {x, y, z});
  EXPECT_TRUE(b.empty());
  a.AppendAll(a);  // with itself: nothing happens
  EXPECT_EQ(a.size(), 3u);
}

TEST(EntityList, CloneGoesThroughTheFactory) {
  const LineEntity line(1, 2, 3, 4, Defaults());
  Entity* copy = EntityList::Clone(line);
  ASSERT_NE(copy, nullptr);
  ASSERT_NE(copy->AsLine(), nullptr);
  EXPECT_EQ(copy->AsLine()->end, Point(3, 4));
  delete copy;

  RecordingMessageBox messages;
  ScopedMessageBox scope(messages);
  const MarkerEntity marker;  // never stored, unknown to the factory
  EXPECT_EQ(EntityList::Clone(marker), nullptr);
  EXPECT_EQ(messages.Texts(), std::vector<std::u16string>{u"Undetermined element code: 255"});
}

TEST(EntityList, ExtentsOfAnEmptyListStayAtTheExtremes) {
  EntityList list;
  Point min(1, 1), max(2, 2);
  EXPECT_FALSE(list.GetExtents(min, max));
  EXPECT_EQ(min, Point(3.4028234663852886e38, 3.4028234663852886e38));
  EXPECT_EQ(max, Point(-3.4028234663852886e38, -3.4028234663852886e38));

  // A member without extents changes nothing either.
  MarkerEntity marker;
  list.AddTail(&marker);
  EXPECT_FALSE(list.GetExtents(min, max));
  list.RemoveAll();
}

TEST(EntityList, ExtentsCoverEveryMemberWhateverItsFlags) {
  EntityList list;
  list.AddTail(new LineEntity(0, 0, 1, 1, Defaults()));
  auto* erased = new LineEntity(-5, 2, -4, 3, Defaults());
  erased->flags = EntityFlag::Erased;
  list.AddTail(erased);
  Point min, max;
  ASSERT_TRUE(list.GetExtents(min, max));
  EXPECT_EQ(min, Point(-5, 0));
  EXPECT_EQ(max, Point(1, 3));
}

TEST(EntityList, NearestPointPrefersTheLaterMemberOnTies) {
  EntityList list;
  Point out(-99, -99);
  EXPECT_EQ(list.NearestPoint(Point(0, 0), out), 1.7976931348623157e308);

  list.AddTail(new LineEntity(0, 0, 10, 0, Defaults()));
  list.AddTail(new LineEntity(0, 2, 10, 2, Defaults()));
  list.AddTail(new LineEntity(0, 9, 10, 9, Defaults()));
  EXPECT_EQ(list.NearestPoint(Point(5, 1), out), 1.0);
  EXPECT_EQ(out, Point(5, 2));
  EXPECT_EQ(list.NearestPoint(Point(5, -1), out), 1.0);
  EXPECT_EQ(out, Point(5, 0));
}

TEST(EntityList, CountSaveableSkipsErased) {
  EntityList list;
  for (int i = 0; i < 5; ++i) list.AddTail(new PointEntity(Defaults(), i, 0));
  list.Head()->flags = EntityFlag::Erased;
  list.Tail()->flags = EntityFlag::Erased | EntityFlag::Selected;
  EXPECT_EQ(list.CountSaveable(), 3);
}

TEST(EntityList, OperationsOverAllMembers) {
  EntityList list;
  auto* line = new LineEntity(0, 0, 1, 0, Defaults());
  auto* point = new PointEntity(Defaults(), 5, 5);
  list.AddTail(line);
  list.AddTail(point);
  list.Translate(Point(1, 2));
  EXPECT_EQ(line->end, Point(2, 2));
  EXPECT_EQ(point->position, Point(6, 7));
  list.TranslateToOrigin(Point(1, 2));
  EXPECT_EQ(point->position, Point(5, 5));
  list.Scale(Scaling{Point(0, 0), 2, 2});
  EXPECT_EQ(point->position, Point(10, 10));

  list.SetSelectedAll(true);
  EXPECT_TRUE(line->IsSelected() && point->IsSelected());
  list.SetSelectedAll(false);
  EXPECT_FALSE(line->IsSelected() || point->IsSelected());

  EXPECT_TRUE(list.AnyCrossesRect(Point(1, 1), Point(-1, -1)));  // corners in any order
  EXPECT_FALSE(list.AnyCrossesRect(20, 20, 30, 30));

  const LineEntity probe(1, -1, 1, 1, Defaults());
  PointList out;
  EXPECT_EQ(list.IntersectWith(probe, out), 1);
  EXPECT_EQ(out, PointList({Point(1, 0)}));

  int visited = 0;
  EXPECT_FALSE(list.ForEach([&](Entity&) { return ++visited < 1; }));
  EXPECT_EQ(visited, 1);
  EXPECT_TRUE(list.ForEach([](Entity&) { return true; }));
}

}  // namespace
}  // namespace korvo
