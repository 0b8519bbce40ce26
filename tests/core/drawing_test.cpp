#include "core/drawing.h"

#include <gtest/gtest.h>

#include "core/line_entity.h"
#include "core/point_entity.h"
#include "text/line_type.h"

namespace korvo {
namespace {

TEST(Drawing, NewHasLayerZeroBuiltInLineTypesAndStandardStyle) {
  Drawing drawing;
  drawing.New();
  Layer* zero = drawing.layers.Find(u"0");
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(zero->colorIndex, 7);
  EXPECT_EQ(zero->lineType, &ContinuousLineType());
  EXPECT_EQ(zero->lineWeight, -3.0);
  EXPECT_EQ(drawing.settings.currentLayer, zero);
  EXPECT_EQ(drawing.lineTypes.Find(u"CONTINUOUS"), &ContinuousLineType());
  EXPECT_EQ(drawing.lineTypes.Find(u"ByBlock"), &ByBlockLineType());
  EXPECT_EQ(drawing.lineTypes.Find(u"bylayer"), &ByLayerLineType());
  EXPECT_EQ(drawing.lineTypes.size(), 3u);
  TextStyle* standard = drawing.textStyles.Find(u"STANDARD");
  ASSERT_NE(standard, nullptr);
  EXPECT_EQ(standard->height, 0.0);
  EXPECT_EQ(standard->widthFactor, 1.0);
  EXPECT_EQ(drawing.settings.currentTextStyle, standard);
  EXPECT_TRUE(drawing.entities.empty());
}

TEST(Drawing, ClearKeepsTheSharedLineTypesAlive) {
  Drawing drawing;
  drawing.New();
  drawing.lineTypes.Add(new LineType(u"DASHED", u"", u"2,-1"));
  drawing.Clear();
  EXPECT_TRUE(drawing.lineTypes.empty());
  EXPECT_EQ(ContinuousLineType().name, u"CONTINUOUS");
  drawing.New();
  EXPECT_EQ(drawing.lineTypes.size(), 3u);
}

TEST(Drawing, CompleteAfterOpenAddsLayerZeroAndMakesItCurrent) {
  Drawing drawing;
  drawing.Clear();
  auto* other = new Layer(u"OTHER", 1, &ContinuousLineType(), -3.0);
  drawing.layers.Add(other);
  drawing.CompleteAfterOpen();
  Layer* zero = drawing.layers.Find(u"0");
  ASSERT_NE(zero, nullptr);
  EXPECT_EQ(drawing.settings.currentLayer, zero);
  EXPECT_EQ(drawing.lineTypes.size(), 3u);
  EXPECT_NE(drawing.textStyles.Find(u"STANDARD"), nullptr);
  EXPECT_EQ(drawing.settings.currentTextStyle, drawing.textStyles.Find(u"STANDARD"));

  // With a layer "0" present, the file's current layer stays.
  drawing.settings.currentLayer = other;
  drawing.CompleteAfterOpen();
  EXPECT_EQ(drawing.settings.currentLayer, other);
  EXPECT_EQ(drawing.layers.size(), 2u);
}

class DrawingSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    drawing.New();
    a = new LineEntity(0, 0, 1, 1, drawing.settings);
    b = new PointEntity(drawing.settings, 2, 2);
    drawing.entities.AddTail(a);
    drawing.entities.AddTail(b);
  }
  // What the view does after it has repainted the highlight changes.
  void Redraw() {
    drawing.newlySelected.clear();
    drawing.newlyDeselected.clear();
  }

  Drawing drawing;
  Entity* a = nullptr;
  Entity* b = nullptr;
};

TEST_F(DrawingSelection, SelectMarksAndRecords) {
  drawing.Select(a);
  drawing.Select(a);  // already selected: nothing
  EXPECT_TRUE(a->IsSelected());
  EXPECT_EQ(drawing.selection, std::vector<Entity*>{a});
  EXPECT_TRUE(drawing.newlySelected.contains(a));
  EXPECT_TRUE(drawing.newlyDeselected.empty());
}

TEST_F(DrawingSelection, DeselectBeforeRedrawCancelsTheSelect) {
  drawing.Select(a);
  drawing.Deselect(a);
  EXPECT_FALSE(a->IsSelected());
  EXPECT_TRUE(drawing.selection.empty());
  EXPECT_TRUE(drawing.newlySelected.empty());
  EXPECT_TRUE(drawing.newlyDeselected.empty());
}

TEST_F(DrawingSelection, SelectOfNewlyDeselectedOnlyRemovesItFromThere) {
  drawing.Select(a);
  Redraw();
  drawing.Deselect(a);
  EXPECT_TRUE(drawing.newlyDeselected.contains(a));
  drawing.Select(a);
  EXPECT_TRUE(a->IsSelected());
  EXPECT_FALSE(drawing.newlyDeselected.contains(a));
  EXPECT_FALSE(drawing.newlySelected.contains(a));
  EXPECT_EQ(drawing.selection, std::vector<Entity*>{a});
}

TEST_F(DrawingSelection, DeselectOfUnselectedDoesNothing) {
  drawing.Deselect(b);
  EXPECT_TRUE(drawing.newlyDeselected.empty());
  // Selected by flag but not through Select: not in the selection, so nothing either.
  b->flags |= EntityFlag::Selected;
  drawing.Deselect(b);
  EXPECT_TRUE(b->IsSelected());
  EXPECT_TRUE(drawing.newlyDeselected.empty());
}

TEST_F(DrawingSelection, DeselectAllClearsEveryMember) {
  drawing.Select(a);
  drawing.Select(b);
  Redraw();
  drawing.DeselectAll();
  EXPECT_TRUE(drawing.selection.empty());
  EXPECT_FALSE(a->IsSelected());
  EXPECT_FALSE(b->IsSelected());
  EXPECT_EQ(drawing.newlyDeselected.size(), 2u);
}

TEST_F(DrawingSelection, ClearSelectionSkipsMembersWhoseFlagWasCleared) {
  drawing.Select(a);
  drawing.Select(b);
  Redraw();
  a->flags &= ~EntityFlag::Selected;
  drawing.ClearSelection();
  EXPECT_TRUE(drawing.selection.empty());
  EXPECT_FALSE(b->IsSelected());
  EXPECT_EQ(drawing.newlyDeselected, std::unordered_set<Entity*>{b});
}

TEST_F(DrawingSelection, EraseTakesTheEntityOutOfTheSelectionFirst) {
  drawing.Select(a);
  drawing.Select(b);
  ASSERT_TRUE(drawing.Erase(a));
  EXPECT_TRUE(a->IsErased());
  EXPECT_FALSE(a->IsSelected());
  EXPECT_EQ(drawing.selection, std::vector<Entity*>{b});
  // An erased entity leaves no highlight change to paint.
  EXPECT_FALSE(drawing.newlySelected.contains(a));
  EXPECT_FALSE(drawing.newlyDeselected.contains(a));
  // It stays in the list until its undo record is discarded.
  EXPECT_TRUE(drawing.entities.Find(a));
  EXPECT_TRUE(drawing.undo.CanUndo());
}

TEST_F(DrawingSelection, EraseRefusesWhatItCannotRecord) {
  struct Case {
    const char* name;
    Entity* entity;
  };
  LineEntity outside(0, 0, 1, 1, drawing.settings);
  b->flags |= EntityFlag::Erased;
  const Case cases[] = {{"null", nullptr}, {"not in the drawing", &outside}, {"already erased", b}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(drawing.Erase(c.entity));
  }
  EXPECT_FALSE(outside.IsErased());
  EXPECT_EQ(drawing.undo.Top(), 0);
}

TEST_F(DrawingSelection, EraseSelectedErasesEveryMemberAndEmptiesTheSelection) {
  auto* c = new PointEntity(drawing.settings, 5, 5);
  drawing.entities.AddTail(c);
  drawing.Select(b);
  drawing.Select(a);
  EXPECT_EQ(drawing.EraseSelected(), 2);
  drawing.undo.EndUndoGroup();
  EXPECT_TRUE(drawing.selection.empty());
  EXPECT_TRUE(drawing.newlySelected.empty());
  EXPECT_TRUE(drawing.newlyDeselected.empty());
  EXPECT_TRUE(a->IsErased() && b->IsErased());
  EXPECT_FALSE(a->IsSelected() || b->IsSelected());
  EXPECT_FALSE(c->IsErased());
  EXPECT_EQ(drawing.undo.GroupSize(0), 2u);

  drawing.undo.Undo();
  EXPECT_FALSE(a->IsErased() || b->IsErased());
  EXPECT_FALSE(a->IsSelected() || b->IsSelected());
  const std::vector<Entity*> order(drawing.entities.begin(), drawing.entities.end());
  EXPECT_EQ(order, (std::vector<Entity*>{a, b, c}));
}

TEST_F(DrawingSelection, DeleteUnlinksWithoutUndo) {
  drawing.Select(a);
  EXPECT_TRUE(drawing.Delete(a, drawing.entities.TailPosition()));  // a wrong hint is searched
  EXPECT_TRUE(drawing.selection.empty());
  EXPECT_TRUE(drawing.newlySelected.empty());
  EXPECT_EQ(drawing.entities.size(), 1u);
  EXPECT_EQ(drawing.undo.Top(), 0);
  LineEntity outside(0, 0, 1, 1, drawing.settings);
  EXPECT_FALSE(drawing.Delete(&outside));
}

TEST(Drawing, MakeUniqueBlockNameSkipsTakenNames) {
  Drawing drawing;
  drawing.New();
  EntityList none;
  drawing.blocks.CreateBlock(u"*FLD0", none, Point(), Point(), Size{});
  drawing.blocks.CreateBlock(u"*fld1", none, Point(), Point(), Size{});
  int counter = 0;
  EXPECT_EQ(drawing.MakeUniqueBlockName(u"*FLD", counter), u"*FLD2");
  EXPECT_EQ(counter, 3);
  EXPECT_EQ(drawing.MakeUniqueBlockName(u"*FLD", counter), u"*FLD3");
  EXPECT_EQ(counter, 4);
}

TEST(Drawing, IsLayerUsedIgnoresErasedEntities) {
  Drawing drawing;
  drawing.New();
  auto* walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
  drawing.layers.Add(walls);
  Layer* zero = drawing.layers.Find(u"0");
  EXPECT_FALSE(drawing.IsLayerUsed(zero));

  auto* line = new LineEntity(0, 0, 1, 1, drawing.settings);
  line->layer = walls;
  drawing.entities.AddTail(line);
  EXPECT_TRUE(drawing.IsLayerUsed(walls));
  EXPECT_FALSE(drawing.IsLayerUsed(zero));
  line->flags |= EntityFlag::Erased;
  EXPECT_FALSE(drawing.IsLayerUsed(walls));
}

}  // namespace
}  // namespace korvo
