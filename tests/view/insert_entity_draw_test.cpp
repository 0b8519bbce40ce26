#include <gtest/gtest.h>

#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "tests/support/canvas.h"
#include "tests/support/color_count.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::Canvas;

constexpr uint32_t kRed = 0x0000FF;  // layer "0" of the canvas
constexpr uint32_t kGreen = 0x00FF00;

using testing::CountColor;

LineEntity* AddLine(EntityList& list, double y, const DrawingSettings& settings) {
  auto* line = new LineEntity(1, y, 10, y, settings);
  list.AddTail(line);
  return line;
}

TEST(InsertEntityDraw, ByBlockColorPassesThroughNestedReferences) {
  Canvas canvas;
  InsertEntity outer(u"OUTER", {}, 1, 1, 0, canvas.settings);
  outer.SetColorIndex(3);
  auto* inner = new InsertEntity(u"INNER", {}, 1, 1, 0, canvas.settings);
  inner->SetColorIndex(0);
  inner->lineType = &ByBlockLineType();
  inner->lineWeight = LineWeight::ByBlock;
  outer.expanded.AddTail(inner);
  AddLine(inner->expanded, 3, canvas.settings)->SetColorIndex(0);
  AddLine(outer.attached, 6, canvas.settings)->SetColorIndex(0);
  AddLine(outer.attached, 9, canvas.settings);  // by layer: red

  auto rc = canvas.Context();
  EXPECT_TRUE(outer.Draw(*rc));
  EXPECT_EQ(CountColor(canvas.bitmap, kGreen), 20);
  EXPECT_EQ(CountColor(canvas.bitmap, kRed), 10);
  // What the nested reference took from its parent was only lent for the drawing.
  EXPECT_EQ(inner->colorIndex, 0);
  EXPECT_EQ(inner->lineType, &ByBlockLineType());
  EXPECT_EQ(inner->lineWeight, LineWeight::ByBlock);
  EXPECT_EQ(rc->parentInsert, nullptr);
}

TEST(InsertEntityDraw, ByBlockColorOfAByLayerParentIsItsLayers) {
  Canvas canvas;
  InsertEntity outer(u"OUTER", {}, 1, 1, 0, canvas.settings);  // colour by layer: red
  auto* inner = new InsertEntity(u"INNER", {}, 1, 1, 0, canvas.settings);
  inner->SetColorIndex(0);
  outer.expanded.AddTail(inner);
  AddLine(inner->expanded, 3, canvas.settings)->SetColorIndex(0);
  auto rc = canvas.Context();
  EXPECT_TRUE(outer.Draw(*rc));
  EXPECT_EQ(CountColor(canvas.bitmap, kRed), 10);
  EXPECT_EQ(inner->colorIndex, 0);
}

TEST(InsertEntityDraw, SelectionOfTheReferenceDecidesForItsParts) {
  struct Case {
    const char* name;
    bool referenceSelected;
    bool partSelected;
    int pixels;  // a thin selected line shows dotted: every other pixel
  } cases[] = {
      {"selected reference, parts not", true, false, 5},
      {"reference not, part selected", false, true, 10},
      {"neither", false, false, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    InsertEntity insert(u"B", {}, 1, 1, 0, canvas.settings);
    if (c.referenceSelected) insert.flags |= EntityFlag::Selected;
    LineEntity* expandedPart = AddLine(insert.expanded, 3, canvas.settings);
    LineEntity* attachedPart = AddLine(insert.attached, 6, canvas.settings);
    for (LineEntity* part : {expandedPart, attachedPart}) {
      if (c.partSelected) part->flags |= EntityFlag::Selected;
      part->flags |= 0x10;  // a bit nobody uses must survive too
    }
    auto rc = canvas.Context();
    EXPECT_TRUE(insert.Draw(*rc));
    EXPECT_EQ(CountColor(canvas.bitmap, kRed), 2 * c.pixels);
    const unsigned expected = 0x10 | (c.partSelected ? EntityFlag::Selected : 0);
    EXPECT_EQ(expandedPart->flags, expected);
    EXPECT_EQ(attachedPart->flags, expected);
  }
}

TEST(InsertEntityDraw, EmptyReferenceShowsASquareOnlyWhenSelected) {
  struct Case {
    const char* name;
    bool selected;
    int pixels;
  } cases[] = {{"unselected", false, 0}, {"selected", true, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas;
    InsertEntity insert(u"MISSING", {8, 8}, 1, 1, 0, canvas.settings);
    if (c.selected) insert.flags |= EntityFlag::Selected;
    // Mode 3 draws selected entities with their own solid brush.
    auto rc = canvas.Context(DrawMode::All);
    EXPECT_TRUE(insert.Draw(*rc));
    EXPECT_EQ(CountColor(canvas.bitmap, kRed), c.pixels);
    EXPECT_EQ(canvas.CountNot(0), c.pixels);
  }
}

DrawVerdict RejectSecondLine(const Entity& entity, void* seen, void*) {
  const bool second = ++*static_cast<int*>(seen) == 2 && entity.AsLine();
  return second ? DrawVerdict::Abort : DrawVerdict::Draw;
}

TEST(InsertEntityDraw, AnAbortedPartStopsTheReferenceAndRestoresItsState) {
  Canvas canvas;
  InsertEntity insert(u"B", {}, 1, 1, 0, canvas.settings);
  insert.SetColorIndex(0);
  insert.flags |= EntityFlag::Selected;
  AddLine(insert.expanded, 3, canvas.settings);
  LineEntity* aborted = AddLine(insert.expanded, 6, canvas.settings);
  AddLine(insert.attached, 9, canvas.settings);
  int seen = 0;
  RenderContext rc(canvas.dc, {0, 0, 15, 15}, canvas.settings, DrawMode::Normal, RejectSecondLine,
                   &seen);
  InsertEntity parent(u"P", {}, 1, 1, 0, canvas.settings);
  parent.SetColorIndex(3);
  rc.parentInsert = &parent;
  EXPECT_FALSE(insert.Draw(rc));
  EXPECT_EQ(seen, 2);  // the attached line was not asked for
  EXPECT_EQ(canvas.CountNot(0), 5);
  EXPECT_EQ(aborted->flags, 0);
  EXPECT_EQ(insert.colorIndex, 0);
  EXPECT_EQ(rc.parentInsert, &parent);
}

TEST(InsertEntityDraw, HiddenReferenceDrawsNone) {
  Canvas canvas;
  InsertEntity insert(u"B", {}, 1, 1, 0, canvas.settings);
  AddLine(insert.expanded, 3, canvas.settings);
  insert.flags |= EntityFlag::Erased;
  auto rc = canvas.Context();
  EXPECT_TRUE(insert.Draw(*rc));
  insert.flags &= ~EntityFlag::Erased;
  canvas.layer.SetFrozen(true);
  EXPECT_TRUE(insert.Draw(*rc));
  EXPECT_EQ(canvas.CountNot(0), 0);
}

}  // namespace
}  // namespace korvo
