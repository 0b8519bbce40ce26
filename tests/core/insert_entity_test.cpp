#include "core/insert_entity.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "core/arc_entity.h"
#include "core/block_definition.h"
#include "core/circle_entity.h"
#include "core/drawing_settings.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"
#include "tests/core/entity_test_support.h"

namespace korvo {
namespace {

using testing::BodyBytes;
using testing::ExpectPointNear;
using testing::ReadWholeBody;

// Parts need a layer to count as visible.
struct Fixture {
  Fixture() { settings.currentLayer = &layer; }
  Layer layer{u"0", 7, nullptr, -3.0};
  DrawingSettings settings;
};

LineEntity* AddLine(EntityList& list, const Point& a, const Point& b,
                    const DrawingSettings& settings) {
  auto* line = new LineEntity(a, b, settings);
  list.AddTail(line);
  return line;
}

const LineEntity& LineAt(const EntityList& list, int index) {
  auto it = list.begin();
  for (int i = 0; i < index; ++i) ++it;
  return *(*it)->AsLine();
}

TEST(InsertEntity, SetBlockMapsBlockPointsIntoTheDrawing) {
  struct Case {
    const char* name;
    Point base;
    Point insertion;
    double xScale, yScale, rotation;
    Point blockPoint;
    Point expected;
  } cases[] = {
      {"base (10,10), scale 2, quarter turn", {10, 10}, {0, 0}, 2, 2, kHalfPi, {11, 10}, {0, 2}},
      {"plain placement", {0, 0}, {5, 5}, 1, 1, 0, {1, 2}, {6, 7}},
      {"base point lands on the insertion point", {3, 4}, {-1, 2}, 5, 7, 1.0, {3, 4}, {-1, 2}},
      {"unequal factors about the base", {1, 1}, {0, 0}, 2, 3, 0, {2, 2}, {2, 3}},
      {"mirror then half turn", {0, 0}, {10, 0}, -1, 1, kPi, {2, 1}, {12, -1}},
  };
  Fixture f;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BlockDefinition block(u"B");
    block.basePoint = c.base;
    block.AddTail(new PointEntity(f.settings, c.blockPoint));
    InsertEntity insert(u"B", c.insertion, c.xScale, c.yScale, c.rotation, f.settings);
    insert.SetBlock(block);
    ASSERT_EQ(insert.expanded.size(), 1u);
    ExpectPointNear(insert.expanded.Head()->AsPoint()->position, c.expected);
    // The definition itself is left in block coordinates.
    EXPECT_EQ(block.Head()->AsPoint()->position, c.blockPoint);
  }
}

TEST(InsertEntity, SetBlockReplacesTheExpandedPartsAndKeepsAttached) {
  Fixture f;
  BlockDefinition block(u"B");
  AddLine(block, {0, 0}, {1, 0}, f.settings);
  InsertEntity insert(u"B", {0, 0}, 1, 1, 0, f.settings);
  AddLine(insert.attached, {0, 5}, {1, 5}, f.settings);
  insert.SetBlock(block);
  insert.SetBlock(block);
  EXPECT_EQ(insert.expanded.size(), 1u);
  EXPECT_EQ(insert.attached.size(), 1u);
  EXPECT_NE(insert.expanded.Head(), block.Head());
}

TEST(InsertEntity, MovingShiftsEveryPartWithoutExpandingAgain) {
  Fixture f;
  BlockDefinition block(u"B");
  LineEntity* original = AddLine(block, {0, 0}, {1, 0}, f.settings);
  InsertEntity insert(u"B", {2, 3}, 1, 1, 0, f.settings);
  insert.SetBlock(block);
  AddLine(insert.attached, {0, 5}, {1, 5}, f.settings);
  // A later change of the definition must not show up by moving.
  original->end = Point(100, 100);

  insert.Translate({5, 0});
  EXPECT_EQ(insert.insertionPoint, Point(7, 3));
  EXPECT_EQ(LineAt(insert.expanded, 0).start, Point(7, 3));
  EXPECT_EQ(LineAt(insert.expanded, 0).end, Point(8, 3));
  EXPECT_EQ(LineAt(insert.attached, 0).start, Point(5, 5));
  EXPECT_EQ(LineAt(insert.attached, 0).end, Point(6, 5));
}

TEST(InsertEntity, RotateAndScaleCarryTheFieldsAndBothLists) {
  Fixture f;
  InsertEntity insert(u"B", {1, 0}, 2, 3, 0.5, f.settings);
  AddLine(insert.expanded, {1, 0}, {2, 0}, f.settings);
  AddLine(insert.attached, {0, 1}, {0, 2}, f.settings);

  insert.Rotate(Rotation::About({0, 0}, kHalfPi));
  ExpectPointNear(insert.insertionPoint, {0, 1});
  EXPECT_DOUBLE_EQ(insert.rotation, 0.5 + kHalfPi);
  ExpectPointNear(LineAt(insert.expanded, 0).end, {0, 2});
  ExpectPointNear(LineAt(insert.attached, 0).end, {-2, 0});

  insert.Scale(Scaling{{0, 0}, -2, 4});
  EXPECT_EQ(insert.xScale, -4);
  EXPECT_EQ(insert.yScale, 12);
  ExpectPointNear(insert.insertionPoint, {0, 4});
  ExpectPointNear(LineAt(insert.expanded, 0).end, {0, 8});
  ExpectPointNear(LineAt(insert.attached, 0).end, {4, 0});
}

// A polyline in a block reference used to be rebuilt from its scaled vertices: a bar of
// width 1 came out 3 thick under an x scale of 3, and a ring of two half circles stayed a
// circle where a circle of the same block became an ellipse. Its segments are scaled as each
// segment scales, whether the reference is expanded so or scaled afterwards.
TEST(InsertEntity, PolylinePartRebuiltFromScaledVertices) {
  Fixture f;
  BlockDefinition block(u"B");
  auto* bar = new PolylineEntity(f.settings);
  bar->AppendVertex(Point(0, 0), 1, 1, 0, 0, 0);
  bar->AppendVertex(Point(10, 0), 1, 1, 0, 0, 0);
  bar->RebuildSegments();
  block.AddTail(bar);
  auto* ring = new PolylineEntity(f.settings);
  ring->AppendVertex(Point(-1, 5), 0, 0, 1, 0, 0);
  ring->AppendVertex(Point(1, 5), 0, 0, 1, 0, 0);
  ring->SetClosed(true);
  ring->RebuildSegments();
  block.AddTail(ring);
  block.AddTail(new CircleEntity(Point(0, 5), 1, f.settings));

  const auto check = [](const InsertEntity& insert, double sx, double sy) {
    auto it = insert.expanded.begin();
    const PolylineEntity& scaledBar = *(*it++)->AsPolyline();
    const PolylineEntity& scaledRing = *(*it++)->AsPolyline();
    const CircleEntity& circle = *(*it)->AsCircle();
    ASSERT_EQ(scaledBar.segmentList.size(), 1u);
    const auto& corners = scaledBar.segmentList.Head()->AsWideLineSegment()->outlineCorners;
    // The band runs along x: its thickness is the y factor times 1.
    EXPECT_NEAR(std::fabs(corners[Corner::StartLeft].y - corners[Corner::StartRight].y),
                std::fabs(sy), 1e-9);
    ASSERT_EQ(scaledRing.segmentList.size(), 2u);
    for (const Entity* segment : scaledRing.segmentList) {
      const ArcEntity& arc = *segment->AsArc();
      EXPECT_NEAR(arc.ratio, circle.ratio, 1e-6);
      EXPECT_NEAR(arc.radius, circle.radius, 1e-6);
      // The arc's points lie on the circle's image.
      for (double t : {arc.startAngle, (arc.startAngle + arc.endAngle) / 2, arc.endAngle}) {
        Point unused;
        EXPECT_LT(circle.NearestPoint(arc.Frame().PointAt(t), unused), 1e-6);
      }
    }
    EXPECT_NEAR(std::max(circle.radius * circle.ratio, circle.radius),
                std::max(std::fabs(sx), std::fabs(sy)), 1e-6);
  };
  {
    SCOPED_TRACE("expanded with x scale 3");
    InsertEntity insert(u"B", {0, 0}, 3, 1, 0, f.settings);
    insert.SetBlock(block);
    check(insert, 3, 1);
  }
  {
    SCOPED_TRACE("scaled by (3, 1) after expanding");
    InsertEntity insert(u"B", {0, 0}, 1, 1, 0, f.settings);
    insert.SetBlock(block);
    insert.Scale(Scaling{{0, 0}, 3, 1});
    check(insert, 3, 1);
  }
  {
    SCOPED_TRACE("mirrored and stretched");
    InsertEntity insert(u"B", {0, 0}, -2, 0.5, 0, f.settings);
    insert.SetBlock(block);
    check(insert, -2, 0.5);
  }
}

TEST(InsertEntity, CopyFromClonesBothListsAndOnlyAcceptsReferences) {
  Fixture f;
  InsertEntity source(u"Door", {1, 2}, 3, 4, 0.25, f.settings);
  source.flags = EntityFlag::Selected | EntityFlag::OutOfView;
  source.SetColorIndex(3);
  AddLine(source.expanded, {0, 0}, {1, 1}, f.settings);
  AddLine(source.attached, {2, 2}, {3, 3}, f.settings);

  InsertEntity copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.blockName, u"Door");
  EXPECT_EQ(copy.insertionPoint, Point(1, 2));
  EXPECT_EQ(copy.xScale, 3);
  EXPECT_EQ(copy.yScale, 4);
  EXPECT_EQ(copy.rotation, 0.25);
  EXPECT_EQ(copy.colorIndex, 3);
  EXPECT_EQ(copy.layer, &f.layer);
  EXPECT_EQ(copy.flags, EntityFlag::Selected);
  ASSERT_EQ(copy.expanded.size(), 1u);
  ASSERT_EQ(copy.attached.size(), 1u);
  EXPECT_NE(copy.expanded.Head(), source.expanded.Head());
  EXPECT_NE(copy.attached.Head(), source.attached.Head());
  EXPECT_EQ(LineAt(copy.expanded, 0).end, Point(1, 1));
  EXPECT_EQ(LineAt(copy.attached, 0).start, Point(2, 2));

  // Copying again replaces the lists rather than adding to them.
  copy.CopyFrom(source);
  EXPECT_EQ(copy.expanded.size(), 1u);
  EXPECT_EQ(copy.attached.size(), 1u);

  const LineEntity line({9, 9}, {8, 8}, f.settings);
  copy.CopyFrom(line);
  EXPECT_EQ(copy.blockName, u"Door");
  EXPECT_EQ(copy.expanded.size(), 1u);

  copy.CopyFrom(copy);
  EXPECT_EQ(copy.expanded.size(), 1u);
}

TEST(InsertEntity, ExtentsHoldBothLists) {
  Fixture f;
  InsertEntity insert(u"B", {50, 50}, 1, 1, 0, f.settings);
  Point min, max;
  EXPECT_FALSE(insert.GetExtents(min, max));

  AddLine(insert.attached, {-5, -5}, {-4, -3}, f.settings);
  ASSERT_TRUE(insert.GetExtents(min, max));
  EXPECT_EQ(min, Point(-5, -5));
  EXPECT_EQ(max, Point(-4, -3));

  // Attributes outside the block's body are drawn too.
  AddLine(insert.expanded, {1, 2}, {3, 0}, f.settings);
  ASSERT_TRUE(insert.GetExtents(min, max));
  EXPECT_EQ(min, Point(-5, -5));
  EXPECT_EQ(max, Point(3, 2));
}

TEST(InsertEntity, NearestPointsUseThePartsOrTheInsertionPoint) {
  Fixture f;
  InsertEntity insert(u"Missing", {3, 4}, 1, 1, 0, f.settings);
  Point out;
  EXPECT_DOUBLE_EQ(insert.NearestPoint({0, 0}, out), 5.0);
  EXPECT_EQ(out, Point(3, 4));
  EXPECT_DOUBLE_EQ(insert.NearestKeyPoint({0, 0}, out), 5.0);
  EXPECT_EQ(out, Point(3, 4));

  AddLine(insert.expanded, {10, 0}, {20, 0}, f.settings);
  AddLine(insert.attached, {0, 1}, {0, 3}, f.settings);
  // NearestPoint looks only at the expanded parts.
  EXPECT_DOUBLE_EQ(insert.NearestPoint({12, 1}, out), 1.0);
  EXPECT_EQ(out, Point(12, 0));
  EXPECT_DOUBLE_EQ(insert.NearestPoint({0, 0}, out), 10.0);
  EXPECT_EQ(out, Point(10, 0));
  // Key points come from both lists.
  EXPECT_DOUBLE_EQ(insert.NearestKeyPoint({1, 2}, out), 1.0);
  EXPECT_EQ(out, Point(0, 2));
  EXPECT_DOUBLE_EQ(insert.NearestKeyPoint({16, 0}, out), 1.0);
  EXPECT_EQ(out, Point(15, 0));
}

// The block of the intersection tests: a horizontal line and a circle in `expanded`, a
// vertical line in `attached`.
struct PartsFixture : Fixture {
  PartsFixture() : insert(u"B", {0, 0}, 1, 1, 0, settings) {
    AddLine(insert.expanded, {0, 0}, {10, 0}, settings);
    insert.expanded.AddTail(new CircleEntity({5, 0}, 3, settings));
    AddLine(insert.attached, {9, -5}, {9, 10}, settings);
  }
  InsertEntity insert;
};

TEST(InsertEntity, IntersectionsSumOverBothLists) {
  PartsFixture f;
  const LineEntity probe({0, -1}, {10, 9}, f.settings);  // y = x - 1
  const CircleEntity ring({8, 0}, 1.5, f.settings);
  struct Case {
    const char* name;
    int (*intersect)(const InsertEntity&, const Entity&, PointList&);
    const Entity* other;
    int expected;
  } cases[] = {
      {"line",
       [](const InsertEntity& i, const Entity& o, PointList& out) {
         return i.IntersectWithLine(*o.AsLine(), out);
       },
       &probe, 4},
      {"entry with a line",
       [](const InsertEntity& i, const Entity& o, PointList& out) {
         return i.IntersectWith(o, out);
       },
       &probe, 4},
      {"line asks the reference",
       [](const InsertEntity& i, const Entity& o, PointList& out) {
         return o.IntersectWith(i, out);
       },
       &probe, 4},
      {"circle",
       [](const InsertEntity& i, const Entity& o, PointList& out) {
         return i.IntersectWithCircle(*o.AsCircle(), out);
       },
       &ring, 6},
  };
  const Entity* parts[] = {f.insert.expanded.Head(), f.insert.expanded.Tail(),
                           f.insert.attached.Head()};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PointList out;
    EXPECT_EQ(c.intersect(f.insert, *c.other, out), c.expected);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(c.expected));
    for (const Point& p : out) {
      Point nearest;
      EXPECT_NEAR(c.other->NearestPoint(p, nearest), 0, 1e-6);
      double onPart = kMaxDouble;
      for (const Entity* part : parts) onPart = std::min(onPart, part->NearestPoint(p, nearest));
      EXPECT_NEAR(onPart, 0, 1e-6);
    }
  }
  PointList out;
  const PointEntity point(f.settings, Point(3, 0));
  EXPECT_EQ(f.insert.IntersectWithPoint(point, out), 0);
  EXPECT_TRUE(out.empty());
}

TEST(InsertEntity, IntersectSelfPairsVisibleParts) {
  PartsFixture f;
  PointList out;
  // line×circle 2, line×attached 1, circle×attached 0 (9 is beyond 5 + 3).
  EXPECT_EQ(f.insert.IntersectSelf(out), 3);
  EXPECT_EQ(out.size(), 3u);

  // A hidden part takes no part, on either side of a pair.
  f.insert.attached.Head()->flags |= EntityFlag::Erased;
  out.clear();
  EXPECT_EQ(f.insert.IntersectSelf(out), 2);
  f.insert.expanded.Head()->flags |= EntityFlag::Erased;
  out.clear();
  EXPECT_EQ(f.insert.IntersectSelf(out), 0);
}

TEST(InsertEntity, TypePropertiesByGroupCode) {
  Fixture f;
  InsertEntity insert(u"Door", {1, 2}, 3, 4, 0.5, f.settings);
  struct Case {
    const char* name;
    int code;
    PropertyValue expected;
  } cases[] = {
      {"block name", 2, std::u16string(u"Door")},
      {"insertion x", 10, 1.0},
      {"insertion y", 20, 2.0},
      {"insertion pair", PairCode(10, 20), Point(1, 2)},
      {"swapped pair", PairCode(20, 10), Point(1, 2)},
      {"x scale", 41, 3.0},
      {"y scale", 42, 4.0},
      {"rotation", 50, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PropertyValue value;
    ASSERT_TRUE(insert.GetProperty(c.code, value));
    EXPECT_EQ(value, c.expected);
  }
  PropertyValue value;
  EXPECT_FALSE(insert.GetProperty(11, value));
  EXPECT_FALSE(insert.GetProperty(43, value));

  EXPECT_TRUE(insert.SetProperty(2, std::u16string(u"Window")));
  EXPECT_FALSE(insert.SetProperty(2, std::u16string()));
  EXPECT_FALSE(insert.SetProperty(2, 7.0));
  EXPECT_EQ(insert.blockName, u"Window");
  EXPECT_TRUE(insert.SetProperty(PairCode(20, 10), Point(-1, -2)));
  EXPECT_EQ(insert.insertionPoint, Point(-1, -2));
  EXPECT_TRUE(insert.SetProperty(41, -1.0));
  EXPECT_TRUE(insert.SetProperty(42, 0.5));
  EXPECT_TRUE(insert.SetProperty(50, 2.0));
  EXPECT_FALSE(insert.SetProperty(50, 2));
  EXPECT_EQ(insert.xScale, -1.0);
  EXPECT_EQ(insert.yScale, 0.5);
  EXPECT_EQ(insert.rotation, 2.0);
  // Setting does not expand: the parts stay as they were.
  EXPECT_TRUE(insert.expanded.empty());
}

TEST(InsertEntity, CastsAnswerTheReference) {
  InsertEntity insert;
  const Entity& entity = insert;
  EXPECT_EQ(entity.GetElementCode(), 7);
  EXPECT_EQ(entity.AsInsert(), &insert);
  EXPECT_EQ(entity.AsPolyline(), nullptr);
  EXPECT_EQ(entity.AsLine(), nullptr);
  EXPECT_EQ(insert.xScale, 1.0);
  EXPECT_EQ(insert.yScale, 1.0);
  EXPECT_EQ(insert.rotation, 0.0);
  EXPECT_TRUE(insert.blockName.empty());
}

// Body of a reference to "B" at (1, 2), scales 2 and 3, rotation 0.5, both lists empty.
const std::vector<uint8_t> kEmptyListsBody = {
    0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF,  // guarded length 1
    0xFF, 0xFE, 0xFF, 0x01, 0x42, 0x00,              // "B" in UTF-16
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // insertion x 1
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // insertion y 2
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,  // x scale 2
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x40,  // y scale 3
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F,  // rotation 0.5
    0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,  // the always-empty list
    0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,  // attached
};

TEST(InsertEntity, BodyWithEmptyListsIsByteExact) {
  Fixture f;
  InsertEntity insert(u"B", {1, 2}, 2, 3, 0.5, f.settings);
  EXPECT_EQ(BodyBytes(insert), kEmptyListsBody);

  InsertEntity read;
  ReadWholeBody(read, kEmptyListsBody);
  EXPECT_EQ(read.blockName, u"B");
  EXPECT_EQ(read.insertionPoint, Point(1, 2));
  EXPECT_EQ(read.xScale, 2);
  EXPECT_EQ(read.yScale, 3);
  EXPECT_EQ(read.rotation, 0.5);
  testing::ExpectTruncatedBodiesFail(read, kEmptyListsBody);
}

TEST(InsertEntity, OlderBodiesHaveNoAttachedList) {
  const std::vector<uint8_t> older(kEmptyListsBody.begin(), kEmptyListsBody.end() - 8);
  for (int version : {0, 1}) {
    SCOPED_TRACE(version);
    InsertEntity read;
    ArchiveReader reader(older);
    reader.version = version;
    read.ReadBody(reader);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(read.rotation, 0.5);
  }
}

TEST(InsertEntity, NameLengthThatDiffersFromItsCountIsRefused) {
  std::vector<uint8_t> bytes = kEmptyListsBody;
  bytes[0] = 0x02;  // count 2 ...
  bytes[4] = 0xFD;  // ... properly guarded, but the string holds one character
  InsertEntity read;
  ArchiveReader reader(bytes);
  try {
    read.ReadBody(reader);
    ADD_FAILURE() << "a mismatched name length was accepted";
  } catch (const ArchiveError& error) {
    EXPECT_EQ(error.kind(), ArchiveErrorKind::BadClass);
  }
}

}  // namespace
}  // namespace korvo
