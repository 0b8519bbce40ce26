#include "core/block_binding.h"

#include <string>

#include <gtest/gtest.h>

#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/text_entity.h"
#include "core/vertex_entity.h"
#include "platform/text_format.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// A drawing whose blocks are made by the tests.
struct Fixture {
  Fixture() { drawing.New(); }

  BlockDefinition* AddBlock(std::u16string name, const Point& base = {}) {
    auto* block = new BlockDefinition(std::move(name));
    block->basePoint = base;
    drawing.blocks.Add(block);
    return block;
  }
  LineEntity* AddLine(EntityList& list, const Point& a, const Point& b) {
    auto* line = new LineEntity(a, b, drawing.settings);
    list.AddTail(line);
    return line;
  }
  InsertEntity* AddInsert(EntityList& list, std::u16string name, const Point& at = {}) {
    auto* insert = new InsertEntity(std::move(name), at, 1, 1, 0, drawing.settings);
    list.AddTail(insert);
    return insert;
  }

  Drawing drawing;
};

const LineEntity* FirstLine(const EntityList& list) {
  for (const Entity* entity : list) {
    if (const LineEntity* line = entity->AsLine()) return line;
  }
  return nullptr;
}

InsertEntity* FirstInsert(const EntityList& list) {
  for (Entity* entity : list) {
    if (InsertEntity* insert = entity->AsInsert()) return insert;
  }
  return nullptr;
}

TEST(ResolveBlockReferences, ExpandsEmptyReferencesAndLeavesUnknownNamesEmpty) {
  Fixture f;
  BlockDefinition* door = f.AddBlock(u"Door", {1, 1});
  f.AddLine(*door, {1, 1}, {2, 1});
  InsertEntity* found = f.AddInsert(f.drawing.entities, u"DOOR", {10, 0});
  InsertEntity* missing = f.AddInsert(f.drawing.entities, u"Window", {20, 0});
  // Already expanded: left as it is.
  InsertEntity* done = f.AddInsert(f.drawing.entities, u"door");
  f.AddLine(done->expanded, {7, 7}, {8, 8});

  BlockResolutionReport report;
  ResolveBlockReferences(f.drawing.entities, f.drawing.blocks, report);
  ASSERT_EQ(found->expanded.size(), 1u);
  EXPECT_EQ(FirstLine(found->expanded)->start, Point(10, 0));
  EXPECT_EQ(FirstLine(found->expanded)->end, Point(11, 0));
  EXPECT_TRUE(missing->expanded.empty());
  ASSERT_EQ(done->expanded.size(), 1u);
  EXPECT_EQ(FirstLine(done->expanded)->start, Point(7, 7));
  EXPECT_TRUE(report.selfReferencing.empty());
  EXPECT_FALSE(report.tooDeep);
}

TEST(ResolveBlockReferences, ExpandsNestedAndAttachedReferences) {
  Fixture f;
  BlockDefinition* bolt = f.AddBlock(u"BOLT");
  f.AddLine(*bolt, {0, 0}, {1, 0});
  BlockDefinition* plate = f.AddBlock(u"PLATE");
  f.AddInsert(*plate, u"BOLT", {10, 0});
  InsertEntity* top = f.AddInsert(f.drawing.entities, u"PLATE", {100, 0});
  InsertEntity* label = f.AddInsert(top->attached, u"BOLT", {0, 50});

  BlockResolutionReport report;
  ResolveBlockReferences(f.drawing.entities, f.drawing.blocks, report);
  InsertEntity* nested = FirstInsert(top->expanded);
  ASSERT_NE(nested, nullptr);
  ASSERT_EQ(nested->expanded.size(), 1u);
  EXPECT_EQ(FirstLine(nested->expanded)->start, Point(110, 0));
  EXPECT_EQ(FirstLine(nested->expanded)->end, Point(111, 0));
  ASSERT_EQ(label->expanded.size(), 1u);
  EXPECT_EQ(FirstLine(label->expanded)->start, Point(0, 50));
  // The definition's own reference is not touched by resolving the drawing.
  EXPECT_TRUE(FirstInsert(*plate)->expanded.empty());
}

// Regression: a block that contains a reference to itself expanded without end.
TEST(ResolveBlockReferences, SelfReferenceIsCutAndReported) {
  struct Case {
    const char* name;
    bool direct;
  } cases[] = {{"block holds a reference to itself", true},
               {"two blocks hold references to each other", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    BlockDefinition* a = f.AddBlock(u"A");
    f.AddLine(*a, {0, 0}, {1, 0});
    if (c.direct) {
      f.AddInsert(*a, u"a", {5, 0});
    } else {
      f.AddInsert(*a, u"B", {5, 0});
      BlockDefinition* b = f.AddBlock(u"B");
      f.AddInsert(*b, u"A", {0, 5});
    }
    InsertEntity* top = f.AddInsert(f.drawing.entities, u"A");

    BlockResolutionReport report;
    ResolveBlockReferences(f.drawing.entities, f.drawing.blocks, report);
    ASSERT_EQ(top->expanded.size(), 2u);
    InsertEntity* inner = FirstInsert(top->expanded);
    if (!c.direct) {
      ASSERT_EQ(inner->expanded.size(), 1u);
      inner = FirstInsert(inner->expanded);
    }
    EXPECT_TRUE(inner->expanded.empty());
    ASSERT_EQ(report.selfReferencing.size(), 1u);
    EXPECT_EQ(report.selfReferencing[0], u"A");

    // Inside the definition itself the first repetition is already cut.
    BlockResolutionReport inside;
    ResolveBlockReferences(*a, f.drawing.blocks, inside);
    ASSERT_EQ(inside.selfReferencing.size(), 1u);
    EXPECT_EQ(inside.selfReferencing[0], u"A");
  }
}

TEST(ResolveBlockReferences, NestingBeyondTheLimitIsLeftEmpty) {
  struct Case {
    const char* name;
    int blocks;
    bool tooDeep;
  } cases[] = {
      {"as deep as allowed", kMaxBlockNesting, false},
      {"deeper than allowed", kMaxBlockNesting + 6, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    // B0 holds a reference to B1, B1 to B2, and so on; the last holds a line.
    for (int i = 0; i < c.blocks; ++i) {
      BlockDefinition* block = f.AddBlock(FormatMessage(u"B%d", {int64_t{i}}));
      if (i + 1 < c.blocks) {
        f.AddInsert(*block, FormatMessage(u"B%d", {int64_t{i + 1}}));
      } else {
        f.AddLine(*block, {0, 0}, {1, 0});
      }
    }
    InsertEntity* top = f.AddInsert(f.drawing.entities, u"B0");
    BlockResolutionReport report;
    ResolveBlockReferences(f.drawing.entities, f.drawing.blocks, report);
    EXPECT_EQ(report.tooDeep, c.tooDeep);
    EXPECT_TRUE(report.selfReferencing.empty());
    int depth = 0;
    const EntityList* level = &top->expanded;
    while (const InsertEntity* nested = FirstInsert(*level)) {
      level = &nested->expanded;
      ++depth;
    }
    EXPECT_EQ(FirstLine(*level) != nullptr, !c.tooDeep);
    EXPECT_EQ(depth, c.tooDeep ? kMaxBlockNesting : c.blocks - 1);
  }
}

TEST(ResolveBlockReferences, ExpansionStopsAtThePartLimit) {
  struct Case {
    const char* name;
    std::size_t limit;
    bool tooLarge;
  } cases[] = {{"room for all", 1u << 12, false}, {"room for part", 1000, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    // B0 to B8 each hold two references to the next, B9 a line: 2 + 4 + ... + 512
    // references and 512 lines under one reference to B0, 1534 parts in all.
    for (int i = 0; i < 10; ++i) {
      BlockDefinition* block = f.AddBlock(FormatMessage(u"B%d", {int64_t{i}}));
      if (i + 1 < 10) {
        f.AddInsert(*block, FormatMessage(u"B%d", {int64_t{i + 1}}));
        f.AddInsert(*block, FormatMessage(u"B%d", {int64_t{i + 1}}), {1, 0});
      } else {
        f.AddLine(*block, {0, 0}, {1, 0});
      }
    }
    f.AddInsert(f.drawing.entities, u"B0");
    BlockResolutionReport report;
    report.partLimit = c.limit;
    ResolveBlockReferences(f.drawing.entities, f.drawing.blocks, report);
    EXPECT_EQ(report.tooLarge, c.tooLarge);
    EXPECT_LE(report.partsMade, c.limit);
    if (!c.tooLarge) {
      EXPECT_EQ(report.partsMade, 1534u);
    }
  }
}

TEST(RebindBlock, ExpandsMatchingReferencesAgainAtAnyDepth) {
  Fixture f;
  BlockDefinition* bolt = f.AddBlock(u"BOLT");
  LineEntity* boltLine = f.AddLine(*bolt, {0, 0}, {1, 0});
  BlockDefinition* plate = f.AddBlock(u"PLATE");
  f.AddInsert(*plate, u"bolt", {10, 0});
  InsertEntity* direct = f.AddInsert(f.drawing.entities, u"Bolt", {0, 0});
  InsertEntity* holder = f.AddInsert(f.drawing.entities, u"PLATE", {100, 0});
  InsertEntity* label = f.AddInsert(holder->attached, u"BOLT", {0, 50});
  BlockResolutionReport report;
  ResolveBlockReferences(f.drawing.entities, f.drawing.blocks, report);

  // Redefine the block, then rebind.
  boltLine->end = Point(0, 3);
  f.AddLine(*bolt, {0, 0}, {-1, 0});
  RebindBlock(f.drawing.entities, *bolt);
  EXPECT_EQ(direct->expanded.size(), 2u);
  EXPECT_EQ(FirstLine(direct->expanded)->end, Point(0, 3));
  InsertEntity* nested = FirstInsert(holder->expanded);
  ASSERT_EQ(nested->expanded.size(), 2u);
  EXPECT_EQ(FirstLine(nested->expanded)->end, Point(110, 3));
  EXPECT_EQ(FirstLine(label->expanded)->end, Point(0, 53));
  // The holder itself is not expanded again: it still holds one reference.
  EXPECT_EQ(holder->expanded.size(), 1u);
}

TEST(RebindBlock, ReferenceInsideItsOwnBlockIsLeftAlone) {
  Fixture f;
  BlockDefinition* a = f.AddBlock(u"A");
  f.AddLine(*a, {0, 0}, {1, 0});
  InsertEntity* self = f.AddInsert(*a, u"A");
  RebindBlock(*a, *a);
  EXPECT_TRUE(self->expanded.empty());
}

TEST(RebindBlock, ABlockNamedLikeThePolylinesLeavesThemAlone) {
  Fixture f;
  BlockDefinition* block = f.AddBlock(u"#PLINE");
  f.AddLine(*block, {0, 0}, {1, 0});
  auto* polyline = new PolylineEntity(f.drawing.settings);
  polyline->AppendVertex(Point(0, 0), 0, 0, 0, 0, 0);
  polyline->AppendVertex(Point(5, 5), 0, 0, 0, 0, 0);
  f.drawing.entities.AddTail(polyline);
  polyline->RebuildSegments();
  ASSERT_EQ(polyline->expanded.size(), 1u);
  const Entity* segment = polyline->expanded.Head();
  RebindBlock(f.drawing.entities, *block);
  RenameBlockReferences(f.drawing.entities, u"#PLINE", u"OTHER");
  ASSERT_EQ(polyline->expanded.size(), 1u);
  EXPECT_EQ(polyline->expanded.Head(), segment);
  EXPECT_EQ(polyline->blockName, u"#PLINE");
}

TEST(RenameBlockReferences, RenamesMatchingNamesAtAnyDepth) {
  Fixture f;
  InsertEntity* direct = f.AddInsert(f.drawing.entities, u"old");
  InsertEntity* other = f.AddInsert(f.drawing.entities, u"KEEP");
  InsertEntity* nested = f.AddInsert(other->expanded, u"OLD");
  InsertEntity* attached = f.AddInsert(other->attached, u"Old");
  InsertEntity* deeper = f.AddInsert(direct->attached, u"OLD");
  RenameBlockReferences(f.drawing.entities, u"OLD", u"New");
  EXPECT_EQ(direct->blockName, u"New");
  EXPECT_EQ(other->blockName, u"KEEP");
  EXPECT_EQ(nested->blockName, u"New");
  EXPECT_EQ(attached->blockName, u"New");
  EXPECT_EQ(deeper->blockName, u"New");
}

TEST(Drawing, RenameBlockVisitsEveryDefinition) {
  Fixture f;
  InsertEntity* top = f.AddInsert(f.drawing.entities, u"OLD");
  InsertEntity* inFirst = f.AddInsert(*f.AddBlock(u"FIRST"), u"old");
  InsertEntity* inSecond = f.AddInsert(*f.AddBlock(u"SECOND"), u"OLD");
  f.drawing.RenameBlock(u"Old", u"NEW");
  EXPECT_EQ(top->blockName, u"NEW");
  EXPECT_EQ(inFirst->blockName, u"NEW");
  EXPECT_EQ(inSecond->blockName, u"NEW");
}

// A source drawing with its own layer and line type, and one reference whose parts use them.
struct ImportFixture : Fixture {
  ImportFixture() {
    source.New();
    dashed = new LineType(u"DASHED", u"- -", u"2,-1");
    source.lineTypes.Add(dashed);
    walls = new Layer(u"WALLS", 3, dashed, 0.5);
    source.layers.Add(walls);
    line = AddLine(source.entities, {0, 0}, {1, 0});
    line->layer = walls;
    line->lineType = dashed;
    insert = new InsertEntity(u"B", {}, 1, 1, 0, source.settings);
    insert->lineType = &ByLayerLineType();
    source.entities.AddTail(insert);
    part = AddLine(insert->expanded, {0, 0}, {0, 1});
    part->layer = walls;
    part->lineType = dashed;
    slant = new TextStyle(u"SLANT", u"TXT", 2.5, 0.8, 0.2, 0);
    source.textStyles.Add(slant);
    // A text inside the reference's attached list, in a style only the source has.
    text = new TextEntity({0, 0}, 1, 0, 1, 0, 0, 0, u"A", source.settings);
    text->style = slant;
    insert->attached.AddTail(text);
  }
  Drawing source;
  TextStyle* slant;
  TextEntity* text;
  LineType* dashed;
  Layer* walls;
  LineEntity* line;
  InsertEntity* insert;
  LineEntity* part;
};

TEST(ImportTables, MissingEntriesAreCopiedAndSharedByAllEntities) {
  ImportFixture f;
  ImportTables(f.source.entities, f.drawing.layers, f.drawing.lineTypes, f.drawing.textStyles);
  Layer* imported = f.drawing.layers.Find(u"walls");
  LineType* importedType = f.drawing.lineTypes.Find(u"dashed");
  ASSERT_NE(imported, nullptr);
  ASSERT_NE(importedType, nullptr);
  EXPECT_NE(imported, f.walls);
  EXPECT_NE(importedType, f.dashed);
  EXPECT_EQ(imported->colorIndex, 3);
  EXPECT_EQ(imported->lineWeight, 0.5);
  // The copied layer must not point into the other drawing's line types.
  EXPECT_EQ(imported->lineType, importedType);
  EXPECT_EQ(importedType->pattern, f.dashed->pattern);
  EXPECT_EQ(f.line->layer, imported);
  EXPECT_EQ(f.line->lineType, importedType);
  EXPECT_EQ(f.part->layer, imported);
  EXPECT_EQ(f.part->lineType, importedType);
  TextStyle* importedStyle = f.drawing.textStyles.Find(u"Slant");
  ASSERT_NE(importedStyle, nullptr);
  EXPECT_NE(importedStyle, f.slant);
  EXPECT_EQ(importedStyle->widthFactor, 0.8);
  EXPECT_EQ(f.text->style, importedStyle);
  // Built-in line types are the same objects everywhere.
  EXPECT_EQ(f.insert->lineType, &ByLayerLineType());
  EXPECT_EQ(f.insert->layer, f.drawing.layers.Find(u"0"));
}

TEST(ImportTables, ExistingEntriesAreUsedAsTheyAre) {
  ImportFixture f;
  auto* own = new Layer(u"Walls", 5, &ContinuousLineType(), -3.0);
  f.drawing.layers.Add(own);
  const std::size_t layerCount = f.drawing.layers.size();
  ImportTables(f.source.entities, f.drawing.layers, f.drawing.lineTypes, f.drawing.textStyles);
  EXPECT_EQ(f.drawing.layers.size(), layerCount);
  EXPECT_EQ(f.line->layer, own);
  EXPECT_EQ(own->colorIndex, 5);
  // The line type was still missing, so it came along.
  EXPECT_NE(f.drawing.lineTypes.Find(u"DASHED"), nullptr);
}

TEST(RebindTables, FoundNamesAreReplacedAndMissingOnesKept) {
  ImportFixture f;
  auto* own = new Layer(u"walls", 5, &ContinuousLineType(), -3.0);
  f.drawing.layers.Add(own);
  const std::size_t lineTypeCount = f.drawing.lineTypes.size();
  RebindTables(f.source.entities, f.drawing.layers, f.drawing.lineTypes, f.drawing.textStyles);
  EXPECT_EQ(f.line->layer, own);
  EXPECT_EQ(f.part->layer, own);
  EXPECT_EQ(f.line->lineType, f.dashed);
  EXPECT_EQ(f.part->lineType, f.dashed);
  EXPECT_EQ(f.drawing.lineTypes.size(), lineTypeCount);
  EXPECT_EQ(f.text->style, f.slant);
  EXPECT_EQ(f.drawing.textStyles.Find(u"SLANT"), nullptr);

  auto* ownStyle = new TextStyle(u"slant", u"TXT", 0, 1, 0, 0);
  f.drawing.textStyles.Add(ownStyle);
  RebindTables(f.source.entities, f.drawing.layers, f.drawing.lineTypes, f.drawing.textStyles);
  EXPECT_EQ(f.text->style, ownStyle);
}

TEST(Drawing, IsLayerUsedLooksIntoReferencesAndDefinitions) {
  Fixture f;
  auto* walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
  f.drawing.layers.Add(walls);
  InsertEntity* top = f.AddInsert(f.drawing.entities, u"X");
  InsertEntity* nested = f.AddInsert(top->attached, u"Y");
  LineEntity* part = f.AddLine(nested->expanded, {0, 0}, {1, 1});
  part->layer = walls;
  EXPECT_TRUE(f.drawing.IsLayerUsed(walls));
  top->flags |= EntityFlag::Erased;
  EXPECT_FALSE(f.drawing.IsLayerUsed(walls));

  // Only a definition uses the layer: removing it would leave the definition dangling.
  BlockDefinition* block = f.AddBlock(u"UNUSED");
  f.AddLine(*block, {0, 0}, {1, 0})->layer = walls;
  EXPECT_TRUE(f.drawing.IsLayerUsed(walls));
}

// A polyline's vertices are saved with their own layer, which need not be the polyline's.
TEST(Drawing, IsLayerUsedLooksIntoPolylineVertices) {
  Fixture f;
  auto* walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
  f.drawing.layers.Add(walls);
  auto* polyline = new PolylineEntity(f.drawing.settings);
  polyline->AppendVertex(Point(0, 0), 0, 0, 0, 0, 0)->layer = walls;
  polyline->AppendVertex(Point(5, 5), 0, 0, 0, 0, 0);
  polyline->RebuildSegments();
  f.drawing.entities.AddTail(polyline);
  ASSERT_NE(polyline->layer, walls);
  EXPECT_TRUE(f.drawing.IsLayerUsed(walls));
}

}  // namespace
}  // namespace korvo
