#include "core/undo_stack.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/block_binding.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "tests/core/drawing_state.h"
#include "text/line_type.h"

namespace korvo {
namespace {

using testing::CountMarkers;
using testing::DrawingState;
using testing::StateOf;

// A small drawing with something of every kind an undo record refers to: two lines and a
// point, a block reference, a second layer and a second text style.
struct Scene {
  Scene() {
    drawing.New();
    walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
    drawing.layers.Add(walls);
    title = new TextStyle(u"TITLE", kDefaultFontName, 2.5, 1.0, 0, 0);
    drawing.textStyles.Add(title);
    first = Add(new LineEntity(0, 0, 10, 0, drawing.settings));
    second = Add(new LineEntity(0, 5, 10, 5, drawing.settings));
    point = Add(new PointEntity(drawing.settings, 3, 3));
    EntityList parts;
    parts.AddTail(new LineEntity(0, 0, 1, 1, drawing.settings));
    block = drawing.blocks.CreateBlock(u"B", parts, Point(), Point(), Size{1, 1});
    auto* reference = new InsertEntity(u"B", Point(20, 20), 1, 1, 0, drawing.settings);
    reference->SetBlock(*block);
    insert = Add(reference);
  }
  Entity* Add(Entity* entity) {
    drawing.entities.AddTail(entity);
    return entity;
  }
  UndoStack& undo() { return drawing.undo; }

  Drawing drawing;
  Layer* walls;
  TextStyle* title;
  Entity* first;
  Entity* second;
  Entity* point;
  Entity* insert;
  BlockDefinition* block;
};

// One command per kind of record: it records and changes the drawing as a command would.
struct Case {
  const char* name;
  void (*command)(Scene&);
  int removedWhenAppliedDiscarded;  // list nodes freed when the group is discarded applied
  int removedWhenUndoneDiscarded;   // ... and when it is discarded undone
};

const Case kCases[] = {
    {"settings changed",
     [](Scene& s) {
       s.undo().RecordChange(UndoKind::SettingsChanged);
       s.drawing.settings.gridOn = 1;
       s.drawing.settings.orthoSnap = 1;
       s.drawing.settings.viewOrigin = Point(5, 5);
       s.drawing.settings.currentColorIndex = 3;
     },
     0, 0},
    {"two lines erased",
     [](Scene& s) {
       s.drawing.Erase(s.first);
       s.drawing.Erase(s.second);
     },
     2, 0},
    {"line added",
     [](Scene& s) {
       Entity* line = s.Add(new LineEntity(1, 1, 2, 2, s.drawing.settings));
       s.undo().RecordEntityChange(UndoKind::EntityAdded, line);
     },
     0, 1},
    {"line moved and recoloured",
     [](Scene& s) {
       s.undo().RecordEntityChange(UndoKind::EntityModified, s.first);
       s.first->Translate(Point(2, 3));
       s.first->SetColorIndex(1);
     },
     0, 0},
    {"block reference moved",
     [](Scene& s) {
       s.undo().RecordEntityChange(UndoKind::EntityModified, s.insert);
       s.insert->Translate(Point(-4, 1));
     },
     0, 0},
    {"drawing order changed",
     [](Scene& s) {
       Entity* front[] = {s.first};
       Entity* back[] = {s.point};
       s.drawing.BringToFront(front);
       s.drawing.SendToBack(back);
     },
     2, 2},
    {"text style table replaced",
     [](Scene& s) {
       s.undo().RecordChange(UndoKind::TextStylesReplaced);
       TextStyleTable& styles = s.drawing.textStyles;
       s.title->height = 5;
       s.title->name = u"HEADING";
       auto* note = new TextStyle(u"NOTE", kDefaultFontName, 1, 0.8, 0.25, TextStyle::kBackwards);
       // STANDARD is left out of the table: the record keeps it.
       for (TextStyle* style : std::vector<TextStyle*>(styles.begin(), styles.end()))
         styles.Remove(style, TableRemoval::Keep);
       styles.Add(note);
       styles.Add(s.title);
       s.drawing.settings.currentTextStyle = note;
     },
     0, 0},
    {"layer renamed and recoloured",
     [](Scene& s) {
       s.undo().RecordChange(UndoKind::LayerModified, s.walls);
       s.drawing.layers.Remove(s.walls, TableRemoval::Keep);
       s.walls->name = u"BRICKS";
       s.walls->SetColorIndex(3);
       s.drawing.layers.Add(s.walls);
     },
     0, 0},
    {"layer 0 frozen in place",
     [](Scene& s) {
       Layer* zero = s.drawing.layers.Find(u"0");
       s.undo().RecordChange(UndoKind::LayerModified, zero);
       zero->SetFrozen(true);
       zero->lineWeight = 0.5;
     },
     0, 0},
    {"layer added",
     [](Scene& s) {
       auto* layer = new Layer(u"NEW", 2, &ContinuousLineType(), -3.0);
       s.drawing.layers.Add(layer);
       s.undo().RecordChange(UndoKind::LayerAdded, layer);
     },
     0, 0},
    {"text style added",
     [](Scene& s) {
       auto* style = new TextStyle(u"NOTE", kDefaultFontName, 1, 1, 0, 0);
       s.drawing.textStyles.Add(style);
       s.undo().RecordChange(UndoKind::TextStyleAdded, style);
     },
     0, 0},
    {"line type added",
     [](Scene& s) {
       auto* type = new LineType(u"DASHED", u"", u"2,-1");
       s.drawing.lineTypes.Add(type);
       s.undo().RecordChange(UndoKind::LineTypeAdded, type);
     },
     0, 0},
    {"current layer changed",
     [](Scene& s) {
       s.undo().RecordChange(UndoKind::CurrentLayerChanged);
       s.drawing.settings.currentLayer = s.walls;
     },
     0, 0},
    {"layer removed",
     [](Scene& s) {
       s.drawing.layers.Remove(s.walls, TableRemoval::Keep);
       s.undo().RecordChange(UndoKind::LayerRemoved, s.walls);
     },
     0, 0},
    {"block added",
     [](Scene& s) {
       EntityList parts;
       parts.AddTail(new PointEntity(s.drawing.settings, 1, 2));
       BlockDefinition* added =
           s.drawing.blocks.CreateBlock(u"C", parts, Point(), Point(), Size{1, 1});
       s.undo().RecordChange(UndoKind::BlockAdded, added);
     },
     0, 0},
    {"block removed",
     [](Scene& s) {
       s.drawing.blocks.RemoveBlock(s.block, TableRemoval::Keep);
       s.undo().RecordChange(UndoKind::BlockRemoved, s.block);
     },
     0, 0},
    {"block reloaded",
     [](Scene& s) {
       s.undo().RecordChange(UndoKind::BlockReloaded, s.block);
       s.block->DeleteAll();
       s.block->AddTail(new LineEntity(0, 0, 4, 4, s.drawing.settings));
       s.block->basePoint = Point(1, 1);
       RebindBlock(s.drawing.entities, *s.block);
     },
     0, 0},
};

TEST(UndoStack, UndoRedoUndoGivesBackTheSameObjectsInTheSameOrder) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    const DrawingState before = StateOf(scene.drawing);
    c.command(scene);
    scene.undo().EndUndoGroup();
    const DrawingState after = StateOf(scene.drawing);
    ASSERT_FALSE(after == before) << "the command changed nothing";
    ASSERT_TRUE(scene.undo().CanUndo());

    ASSERT_TRUE(scene.undo().Undo());
    EXPECT_TRUE(StateOf(scene.drawing) == before);
    EXPECT_FALSE(scene.undo().CanUndo());
    ASSERT_TRUE(scene.undo().Redo());
    EXPECT_TRUE(StateOf(scene.drawing) == after);
    ASSERT_TRUE(scene.undo().Undo());
    EXPECT_TRUE(StateOf(scene.drawing) == before);
    ASSERT_TRUE(scene.undo().Redo());
    EXPECT_TRUE(StateOf(scene.drawing) == after);
  }
}

// Discarding releases what only the history kept alive; it never changes what the drawing
// holds. The sanitizer build checks that every released object is deleted exactly once.
TEST(UndoStack, DiscardingAGroupLeavesTheDrawingAsItIs) {
  for (const Case& c : kCases) {
    for (GroupState state : {GroupState::Applied, GroupState::Undone}) {
      SCOPED_TRACE(c.name);
      SCOPED_TRACE(state == GroupState::Applied ? "applied" : "undone");
      Scene scene;
      c.command(scene);
      scene.undo().EndUndoGroup();
      if (state == GroupState::Undone) scene.undo().Undo();
      const DrawingState kept = StateOf(scene.drawing);
      const std::size_t nodes = scene.drawing.entities.size();

      scene.undo().BeginUndoGroup();  // the next command
      EXPECT_TRUE(StateOf(scene.drawing) == kept);
      const int removed = state == GroupState::Applied ? c.removedWhenAppliedDiscarded
                                                       : c.removedWhenUndoneDiscarded;
      EXPECT_EQ(nodes - scene.drawing.entities.size(), static_cast<std::size_t>(removed));
      EXPECT_EQ(CountMarkers(scene.drawing), 0);
      scene.undo().EndUndoGroup();
      EXPECT_FALSE(scene.undo().CanUndo());
      EXPECT_FALSE(scene.undo().CanRedo());
    }
  }
}

TEST(UndoStack, ClearingTheDrawingDiscardsTheHistory) {
  for (const Case& c : kCases) {
    for (bool undone : {false, true}) {
      SCOPED_TRACE(c.name);
      Scene scene;
      c.command(scene);
      if (undone) scene.undo().Undo();
      scene.drawing.New();
      EXPECT_EQ(scene.undo().Current(), 0);
      EXPECT_EQ(scene.undo().Top(), 0);
      EXPECT_FALSE(scene.undo().IsGroupOpen());
    }
  }
}

TEST(UndoStack, CountersOfTheOneStepHistory) {
  Scene scene;
  UndoStack& undo = scene.undo();
  struct Step {
    const char* name;
    void (*action)(Scene&);
    int current, top;
    bool canUndo, canRedo;
  };
  const Step steps[] = {
      {"new drawing", [](Scene&) {}, 0, 0, false, false},
      {"first record opens the group",
       [](Scene& s) { s.undo().RecordEntityChange(UndoKind::EntityModified, s.first); }, 1, 1, true,
       false},
      {"command ends", [](Scene& s) { s.undo().EndUndoGroup(); }, 1, 1, true, false},
      {"undo", [](Scene& s) { s.undo().Undo(); }, 0, 1, false, true},
      {"undo again does nothing", [](Scene& s) { EXPECT_FALSE(s.undo().Undo()); }, 0, 1, false,
       true},
      {"redo", [](Scene& s) { s.undo().Redo(); }, 1, 1, true, false},
      {"redo again does nothing", [](Scene& s) { EXPECT_FALSE(s.undo().Redo()); }, 1, 1, true,
       false},
      {"next command reuses the one group",
       [](Scene& s) { s.undo().RecordEntityChange(UndoKind::EntityModified, s.second); }, 1, 1,
       true, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.action(scene);
    EXPECT_EQ(undo.Current(), step.current);
    EXPECT_EQ(undo.Top(), step.top);
    EXPECT_EQ(undo.CanUndo(), step.canUndo);
    EXPECT_EQ(undo.CanRedo(), step.canRedo);
  }
  EXPECT_EQ(undo.GroupSize(0), 1u);
}

TEST(UndoStack, ErasingALineThenMovingAnotherDeletesTheErasedLine) {
  Scene scene;
  scene.drawing.Erase(scene.first);
  scene.undo().EndUndoGroup();
  EXPECT_EQ(scene.drawing.entities.Find(scene.first), scene.drawing.entities.HeadPosition());

  scene.undo().RecordEntityChange(UndoKind::EntityModified, scene.second);
  scene.second->Translate(Point(1, 0));
  scene.undo().EndUndoGroup();
  // `first` is gone: only the pointer is compared.
  EXPECT_FALSE(scene.drawing.entities.Find(scene.first));
  EXPECT_EQ(scene.drawing.entities.size(), 3u);

  const DrawingState moved = StateOf(scene.drawing);
  scene.undo().Undo();
  EXPECT_FALSE(scene.undo().CanUndo());
  EXPECT_EQ(scene.drawing.entities.size(), 3u);  // the erase is not undone
  scene.undo().Redo();
  EXPECT_TRUE(StateOf(scene.drawing) == moved);
}

TEST(UndoStack, ACommandThatChangesNothingKeepsRedo) {
  Scene scene;
  scene.drawing.Erase(scene.first);
  scene.undo().EndUndoGroup();
  scene.undo().Undo();
  // A command that was cancelled before recording: it only closes its (unopened) group.
  scene.undo().EndUndoGroup();
  EXPECT_TRUE(scene.undo().CanRedo());
  EXPECT_TRUE(scene.undo().Redo());
  EXPECT_TRUE(scene.first->IsErased());
}

TEST(UndoStack, AnEmptyGroupStepsBack) {
  Scene scene;
  scene.undo().BeginUndoGroup();
  EXPECT_EQ(scene.undo().Current(), 1);
  EXPECT_FALSE(scene.undo().CanUndo());
  scene.undo().EndUndoGroup();
  EXPECT_EQ(scene.undo().Current(), 0);
  EXPECT_EQ(scene.undo().Top(), 0);

  // After a command, an empty group still takes the previous command's history with it.
  scene.drawing.Erase(scene.first);
  scene.undo().EndUndoGroup();
  scene.undo().BeginUndoGroup();
  scene.undo().EndUndoGroup();
  EXPECT_EQ(scene.undo().Current(), 0);
  EXPECT_EQ(scene.undo().Top(), 0);
  EXPECT_FALSE(scene.drawing.entities.Find(scene.first));
}

TEST(UndoStack, RecordsThatDoNotFitAreNotMadeAndOpenNoGroup) {
  Scene scene;
  LineEntity stray(0, 0, 1, 1, scene.drawing.settings);
  struct Row {
    const char* name;
    bool recorded;
  };
  UndoStack& undo = scene.undo();
  const Row rows[] = {
      {"kind 0", undo.RecordChange(static_cast<UndoKind>(0), scene.first)},
      {"kind 16", undo.RecordChange(static_cast<UndoKind>(16))},
      {"entity kind given a layer", undo.RecordChange(UndoKind::EntityErased, scene.walls)},
      {"layer kind given an entity", undo.RecordChange(UndoKind::LayerAdded, scene.first)},
      {"entity not in the drawing", undo.RecordEntityChange(UndoKind::EntityModified, &stray)},
      {"entity at another node", undo.RecordChange(UndoKind::EntityErased, scene.first,
                                                   scene.drawing.entities.TailPosition())},
      {"drawing order without a marker",
       undo.RecordChange(UndoKind::DrawingOrderChanged, scene.first,
                         scene.drawing.entities.HeadPosition())},
      {"block kind without a block", undo.RecordChange(UndoKind::BlockRemoved)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(row.recorded);
  }
  EXPECT_FALSE(undo.IsGroupOpen());
  EXPECT_EQ(undo.Top(), 0);
}

TEST(UndoStack, RecordListChangeRecordsEachEntityFoundInTheDrawing) {
  Scene scene;
  LineEntity stray(0, 0, 1, 1, scene.drawing.settings);
  std::vector<Entity*> chosen = {scene.point, &stray, scene.first};
  EXPECT_EQ(scene.undo().RecordListChange(UndoKind::EntityModified, chosen), 2);
  for (Entity* entity : chosen) {
    if (entity != &stray) entity->Translate(Point(7, 7));
  }
  scene.undo().EndUndoGroup();
  scene.undo().Undo();
  EXPECT_EQ(scene.first->AsLine()->start, Point(0, 0));
  EXPECT_EQ(scene.point->AsPoint()->position, Point(3, 3));
}

TEST(UndoStack, UndoAndRedoMarkTheDrawingModifiedAndResendTheModes) {
  Scene scene;
  int resent = 0;
  scene.undo().SetModesRestoredListener([&] { ++resent; });
  scene.undo().RecordChange(UndoKind::SettingsChanged);
  scene.drawing.settings.objectSnap = 1;
  scene.undo().EndUndoGroup();
  scene.drawing.SetModifiedFlag(false);
  scene.undo().Undo();
  EXPECT_TRUE(scene.drawing.IsModified());
  EXPECT_EQ(scene.drawing.settings.objectSnap, 0);
  EXPECT_EQ(resent, 1);
  scene.drawing.SetModifiedFlag(false);
  scene.undo().Redo();
  EXPECT_TRUE(scene.drawing.IsModified());
  EXPECT_EQ(scene.drawing.settings.objectSnap, 1);
  EXPECT_EQ(resent, 2);
}

TEST(UndoStack, UndoClosesAGroupStillOpen) {
  Scene scene;
  scene.drawing.Erase(scene.first);
  ASSERT_TRUE(scene.undo().IsGroupOpen());
  EXPECT_TRUE(scene.undo().Undo());
  EXPECT_FALSE(scene.undo().IsGroupOpen());
  EXPECT_FALSE(scene.first->IsErased());
}

TEST(UndoStack, RedoOfAnAddedBlockBindsTheReferencesToIt) {
  Scene scene;
  // A reference drawn before its block existed has no parts.
  auto* early = new InsertEntity(u"C", Point(0, 0), 1, 1, 0, scene.drawing.settings);
  scene.Add(early);
  EntityList parts;
  parts.AddTail(new LineEntity(0, 0, 2, 0, scene.drawing.settings));
  BlockDefinition* added = scene.drawing.blocks.CreateBlock(u"C", parts, Point(), Point(), {});
  scene.undo().RecordChange(UndoKind::BlockAdded, added);
  scene.undo().EndUndoGroup();
  ASSERT_TRUE(early->expanded.empty());
  scene.undo().Undo();
  EXPECT_EQ(scene.drawing.blocks.Find(u"C"), nullptr);
  scene.undo().Redo();
  EXPECT_EQ(scene.drawing.blocks.Find(u"c"), added);
  EXPECT_EQ(early->expanded.size(), 1u);
}

TEST(UndoStack, TheModifiedRecordKeepsTheSelection) {
  Scene scene;
  scene.undo().RecordEntityChange(UndoKind::EntityModified, scene.first);
  scene.first->Translate(Point(1, 1));
  scene.undo().EndUndoGroup();
  scene.drawing.Select(scene.first);
  scene.undo().Undo();
  EXPECT_TRUE(scene.first->IsSelected());
  EXPECT_EQ(scene.drawing.selection, std::vector<Entity*>{scene.first});
  scene.drawing.ClearSelection();
  scene.undo().Redo();
  EXPECT_FALSE(scene.first->IsSelected());
}

TEST(UndoStack, UndoingAnAddLeavesTheSelectionWithoutTheEntity) {
  Scene scene;
  Entity* line = scene.Add(new LineEntity(1, 1, 2, 2, scene.drawing.settings));
  scene.undo().RecordEntityChange(UndoKind::EntityAdded, line);
  scene.undo().EndUndoGroup();
  scene.drawing.Select(line);
  scene.undo().Undo();
  EXPECT_TRUE(scene.drawing.selection.empty());
  EXPECT_FALSE(line->IsSelected());
  EXPECT_FALSE(scene.drawing.newlySelected.contains(line));
}

}  // namespace
}  // namespace korvo

namespace korvo {
namespace {

// One command: moves `entity` right by one unit.
void MoveRight(Scene& scene, Entity* entity) {
  scene.undo().RecordEntityChange(UndoKind::EntityModified, entity);
  entity->Translate(Point(1, 0));
  scene.undo().EndUndoGroup();
}

double StartX(const Entity* line) {
  return line->AsLine()->start.x;
}

TEST(UndoLevels, AreKeptBetweenOneAndTheMaximum) {
  struct Row {
    const char* name;
    int asked;
    int kept;
  };
  const Row rows[] = {{"below one", -3, 1},
                      {"zero", 0, 1},
                      {"one", 1, 1},
                      {"many", 50, 50},
                      {"the maximum", UndoStack::kMaxLevels, UndoStack::kMaxLevels},
                      {"beyond", UndoStack::kMaxLevels + 1, UndoStack::kMaxLevels}};
  for (const Row& c : rows) {
    SCOPED_TRACE(c.name);
    Scene scene;
    scene.undo().SetLevels(c.asked);
    EXPECT_EQ(scene.undo().Levels(), c.kept);
  }
}

TEST(UndoLevels, WalkBackAndForthThroughTheGroups) {
  Scene scene;
  scene.undo().SetLevels(3);
  for (int i = 0; i < 3; ++i) MoveRight(scene, scene.first);
  EXPECT_EQ(StartX(scene.first), 3);
  EXPECT_EQ(scene.undo().Current(), 3);
  for (double expected : {2.0, 1.0, 0.0}) {
    ASSERT_TRUE(scene.undo().Undo());
    EXPECT_EQ(StartX(scene.first), expected);
  }
  EXPECT_FALSE(scene.undo().CanUndo());
  for (double expected : {1.0, 2.0, 3.0}) {
    ASSERT_TRUE(scene.undo().Redo());
    EXPECT_EQ(StartX(scene.first), expected);
  }
  EXPECT_FALSE(scene.undo().CanRedo());
}

TEST(UndoLevels, AFullHistoryDropsItsOldestGroup) {
  Scene scene;
  scene.undo().SetLevels(2);
  for (int i = 0; i < 3; ++i) MoveRight(scene, scene.first);
  EXPECT_EQ(scene.undo().Current(), 2);
  EXPECT_EQ(scene.undo().Top(), 2);
  scene.undo().Undo();
  scene.undo().Undo();
  EXPECT_FALSE(scene.undo().Undo());
  EXPECT_EQ(StartX(scene.first), 1);  // the first move stays
}

TEST(UndoLevels, ANewGroupDropsTheRedoGroups) {
  Scene scene;
  scene.undo().SetLevels(5);
  for (int i = 0; i < 3; ++i) MoveRight(scene, scene.first);
  scene.undo().Undo();
  scene.undo().Undo();
  MoveRight(scene, scene.second);
  EXPECT_EQ(scene.undo().Current(), 2);
  EXPECT_EQ(scene.undo().Top(), 2);
  EXPECT_FALSE(scene.undo().CanRedo());
  scene.undo().Undo();
  scene.undo().Undo();
  EXPECT_EQ(StartX(scene.first), 0);
  EXPECT_EQ(StartX(scene.second), 0);
}

TEST(UndoLevels, AnErasedEntityIsDeletedWhenItsGroupIsDropped) {
  Scene scene;
  scene.undo().SetLevels(2);
  scene.drawing.Erase(scene.first);
  scene.undo().EndUndoGroup();
  scene.drawing.Erase(scene.second);
  scene.undo().EndUndoGroup();
  EXPECT_EQ(scene.drawing.entities.size(), 4u);
  MoveRight(scene, scene.point);
  EXPECT_FALSE(scene.drawing.entities.Find(scene.first));
  EXPECT_TRUE(scene.drawing.entities.Find(scene.second));
  scene.undo().Undo();
  scene.undo().Undo();
  EXPECT_FALSE(scene.second->IsErased());
  // Dropping both redo groups: the erase was undone, so the entity stays.
  MoveRight(scene, scene.point);
  EXPECT_TRUE(scene.drawing.entities.Find(scene.second));
  EXPECT_EQ(scene.drawing.entities.size(), 3u);
}

TEST(UndoLevels, FewerLevelsDropTheOldestAppliedGroupsFirst) {
  Scene scene;
  scene.undo().SetLevels(4);
  for (int i = 0; i < 4; ++i) MoveRight(scene, scene.first);
  scene.undo().Undo();
  scene.undo().SetLevels(2);  // three applied and one undone: two applied go
  EXPECT_EQ(scene.undo().Current(), 1);
  EXPECT_EQ(scene.undo().Top(), 2);
  scene.undo().SetLevels(1);  // the applied one goes, the undone one stays
  EXPECT_EQ(scene.undo().Current(), 0);
  EXPECT_EQ(scene.undo().Top(), 1);
  scene.undo().Redo();
  EXPECT_EQ(StartX(scene.first), 4);
  ASSERT_TRUE(scene.undo().Undo());
  EXPECT_EQ(StartX(scene.first), 3);
  EXPECT_FALSE(scene.undo().CanUndo());
}

// A style that two groups may put back is deleted once, by the last of them to go.
TEST(UndoLevels, AStyleHeldByTwoGroupsIsDeletedOnce) {
  Scene scene;
  scene.undo().SetLevels(2);
  auto* note = new TextStyle(u"NOTE", kDefaultFontName, 1, 1, 0, 0);
  scene.drawing.textStyles.Add(note);
  scene.undo().RecordChange(UndoKind::TextStyleAdded, note);
  scene.undo().EndUndoGroup();
  scene.undo().RecordChange(UndoKind::TextStylesReplaced);
  note->height = 3;
  scene.undo().EndUndoGroup();
  scene.undo().Undo();
  scene.undo().Undo();
  EXPECT_EQ(scene.drawing.textStyles.Find(u"NOTE"), nullptr);
  MoveRight(scene, scene.first);  // drops both groups; the sanitizer build sees the delete
  EXPECT_FALSE(scene.undo().CanRedo());
}

// The oldest group goes while a newer one can still put a removed style back.
TEST(UndoLevels, AStyleRemovedByALaterGroupSurvivesTheOlderGroup) {
  Scene scene;
  scene.undo().SetLevels(2);
  scene.undo().RecordChange(UndoKind::TextStylesReplaced);
  scene.title->height = 4;
  scene.undo().EndUndoGroup();
  scene.undo().RecordChange(UndoKind::TextStylesReplaced);
  scene.drawing.textStyles.Remove(scene.title, TableRemoval::Keep);
  scene.undo().EndUndoGroup();
  MoveRight(scene, scene.first);  // drops the first group
  scene.undo().Undo();
  scene.undo().Undo();
  TextStyle* title = scene.drawing.textStyles.Find(u"TITLE");
  ASSERT_EQ(title, scene.title);
  EXPECT_EQ(title->height, 4);
}

}  // namespace
}  // namespace korvo
