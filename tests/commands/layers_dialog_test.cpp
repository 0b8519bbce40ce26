#include "commands/layers_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "platform/message_box.h"
#include "tests/core/drawing_state.h"

namespace korvo {
namespace {

using testing::DrawingState;
using testing::StateOf;

// Layers "0" (current), WALLS with a line on it and DOORS with a line on it.
struct Scene {
  Scene() {
    drawing.New();
    walls = new Layer(u"WALLS", 1, &ContinuousLineType(), -3.0);
    doors = new Layer(u"DOORS", 2, &ContinuousLineType(), 0.35);
    drawing.layers.Add(walls);
    drawing.layers.Add(doors);
    wall = AddLine(walls, 0);
    door = AddLine(doors, 5);
    library.push_back(std::make_unique<LineType>(u"CENTER", u"____ _ ", u"4,-1,1,-1"));
  }
  LineEntity* AddLine(Layer* layer, double y) {
    auto* line = new LineEntity(0, y, 10, y, drawing.settings);
    line->layer = layer;
    drawing.entities.AddTail(line);
    return line;
  }
  // The dialog; the line type dialog it opens answers with `lineTypeAnswer`.
  LayersDialogModel Model() {
    return LayersDialogModel(drawing, messages, std::move(library),
                             [this](LineTypeDialogModel& dialog) {
                               return lineTypeAnswer ? lineTypeAnswer(dialog) : false;
                             });
  }
  std::size_t RowOf(const LayersDialogModel& model, std::u16string_view name) {
    const auto row = model.FindRow(name);
    EXPECT_TRUE(row.has_value());
    return row.value_or(0);
  }

  Drawing drawing;
  Layer* walls;
  Layer* doors;
  LineEntity* wall;
  LineEntity* door;
  LineTypeLibrary library;
  RecordingMessageBox messages;
  std::function<bool(LineTypeDialogModel&)> lineTypeAnswer;
};

// Everything as StateOf has it, the layer table's order included: undo and redo must give
// the table back in its order, which numbers the layers in the file.
DrawingState Canonical(const Drawing& drawing) {
  return StateOf(drawing);
}

// Confirms, then checks that undo gives back the drawing as it was and redo the confirmed one.
void ConfirmUndoRedo(Scene& scene, LayersDialogModel& model) {
  const DrawingState before = Canonical(scene.drawing);
  model.Confirm();
  scene.drawing.undo.EndUndoGroup();
  const DrawingState after = Canonical(scene.drawing);
  ASSERT_TRUE(scene.drawing.undo.Undo());
  EXPECT_TRUE(Canonical(scene.drawing) == before) << "undo";
  ASSERT_TRUE(scene.drawing.undo.Redo());
  EXPECT_TRUE(Canonical(scene.drawing) == after) << "redo";
}

TEST(LayersDialog, RowActionsChangeOnlyTheCopies) {
  struct Case {
    const char* name;
    const char16_t* row;
    LayerColumn column;
    bool acted;
    uint8_t flags;  // of the row's copy afterwards
    const char16_t* current;
  } cases[] = {
      {"freezing the current layer does nothing", u"0", LayerColumn::Frozen, false, 0, u"0"},
      {"freezing another layer", u"WALLS", LayerColumn::Frozen, true, Layer::kFrozen, u"0"},
      {"locking the current layer", u"0", LayerColumn::Locked, true, Layer::kLocked, u"0"},
      {"making the current layer current does nothing", u"0", LayerColumn::Current, false, 0, u"0"},
      {"making another layer current", u"DOORS", LayerColumn::Current, true, 0, u"DOORS"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    const DrawingState original = StateOf(scene.drawing);
    LayersDialogModel model = scene.Model();
    const std::size_t row = scene.RowOf(model, c.row);
    EXPECT_EQ(model.RowAction(row, c.column), c.acted);
    EXPECT_EQ(model.Row(row).flags, c.flags);
    EXPECT_EQ(model.Row(*model.CurrentRow()).name, c.current);
    EXPECT_TRUE(StateOf(scene.drawing) == original);
  }
}

TEST(LayersDialog, MakingAFrozenLayerCurrentUnfreezesIt) {
  Scene scene;
  scene.walls->SetFrozen(true);
  LayersDialogModel model = scene.Model();
  const std::size_t row = scene.RowOf(model, u"WALLS");
  ASSERT_TRUE(model.RowAction(row, LayerColumn::Current));
  EXPECT_FALSE(model.Row(row).IsFrozen());
  ConfirmUndoRedo(scene, model);
  EXPECT_EQ(scene.drawing.settings.currentLayer, scene.walls);
  EXPECT_FALSE(scene.walls->IsFrozen());
}

TEST(LayersDialog, NamesAreCheckedBeforeANewLayerOrARename) {
  struct Case {
    const char* name;
    std::u16string text;
    bool newEnabled;
    std::vector<std::u16string> messages;
  } cases[] = {
      {"empty", u"", false, {}},
      {"the exact name of a layer", u"WALLS", false, {}},
      {"another layer's name in other letters",
       u"walls",
       true,
       {u"Layer name \"walls\" is already in use."}},
      {"only blanks", u"   ", true, {u"A name of only blanks cannot be used."}},
      {"too long", std::u16string(256, u'x'), true, {u"A name may hold at most 255 characters."}},
      {"a character a file cannot carry",
       u"A/B",
       true,
       {u"A name cannot hold control characters or any of < > / \\ \" : ; ? * | = `"}},
      {"a control character",
       u"A\tB",
       true,
       {u"A name cannot hold control characters or any of < > / \\ \" : ; ? * | = `"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    LayersDialogModel model = scene.Model();
    model.SetEditText(c.text);
    EXPECT_EQ(model.CanNew(), c.newEnabled);
    EXPECT_FALSE(model.New());
    EXPECT_EQ(model.RowCount(), 3u);
    EXPECT_EQ(scene.messages.Texts(), c.messages);
  }
}

TEST(LayersDialog, RenamingToAnotherLayersNameKeepsBothNames) {
  Scene scene;
  LayersDialogModel model = scene.Model();
  ASSERT_TRUE(model.SelectRow(scene.RowOf(model, u"WALLS")));
  model.SetEditText(u"DOORS");
  EXPECT_FALSE(model.CanRename());  // the very name: the button is disabled
  model.SetEditText(u"Doors");
  ASSERT_TRUE(model.CanRename());
  EXPECT_FALSE(model.Rename());
  EXPECT_EQ(scene.messages.Texts(),
            std::vector<std::u16string>{u"Layer name \"Doors\" is already in use."});
  EXPECT_TRUE(model.FindRow(u"WALLS").has_value());
  EXPECT_TRUE(model.FindRow(u"DOORS").has_value());
}

TEST(LayersDialog, RenameNeedsASelectionAndAChange) {
  Scene scene;
  LayersDialogModel model = scene.Model();
  model.SetEditText(u"ROOF");
  EXPECT_FALSE(model.CanRename());
  ASSERT_TRUE(model.SelectRow(scene.RowOf(model, u"WALLS")));
  EXPECT_TRUE(model.CanRename());
  model.SetEditText(u"WALLS");
  EXPECT_FALSE(model.CanRename());
  // A change of letter case alone is a rename.
  model.SetEditText(u"Walls");
  ASSERT_TRUE(model.Rename());
  EXPECT_EQ(model.Row(scene.RowOf(model, u"Walls")).name, u"Walls");
}

TEST(LayersDialog, ConfirmingWithoutAChangeRecordsNothing) {
  Scene scene;
  // A previous command's step stays undoable.
  scene.drawing.Erase(scene.door);
  scene.drawing.undo.EndUndoGroup();
  LayersDialogModel model = scene.Model();
  model.SelectRow(0);
  model.SetEditText(u"ANYTHING");
  model.Confirm();
  scene.drawing.undo.EndUndoGroup();
  EXPECT_EQ(scene.drawing.undo.Top(), 1);
  ASSERT_TRUE(scene.drawing.undo.Undo());
  EXPECT_FALSE(scene.door->IsErased());
}

TEST(LayersDialog, DeletingALayerAndCancellingKeepsItAndItsEntities) {
  Scene scene;
  const DrawingState original = StateOf(scene.drawing);
  {
    LayersDialogModel model = scene.Model();
    ASSERT_TRUE(model.RowAction(scene.RowOf(model, u"WALLS"), LayerColumn::Delete));
    EXPECT_FALSE(model.FindRow(u"WALLS").has_value());
  }  // cancelled: never confirmed
  EXPECT_TRUE(StateOf(scene.drawing) == original);
  EXPECT_EQ(scene.drawing.undo.Top(), 0);
}

TEST(LayersDialog, DeletingALayerRemovesWhatLiesOnItUndoably) {
  Scene scene;
  LayersDialogModel model = scene.Model();
  ASSERT_TRUE(model.RowAction(scene.RowOf(model, u"WALLS"), LayerColumn::Delete));
  ConfirmUndoRedo(scene, model);
  EXPECT_EQ(scene.drawing.layers.Find(u"WALLS"), nullptr);
  EXPECT_TRUE(scene.wall->IsErased());
  EXPECT_FALSE(scene.door->IsErased());
  // Discarding the applied step deletes the layer for good; nothing may point to it then.
  scene.drawing.undo.Reset();
  EXPECT_EQ(scene.drawing.layers.size(), 2u);
}

TEST(LayersDialog, RefusesToDeleteTheCurrentLayerOrOneUsedInABlock) {
  Scene scene;
  EntityList parts;
  auto* part = new LineEntity(0, 0, 1, 1, scene.drawing.settings);
  part->layer = scene.doors;
  parts.AddTail(part);
  scene.drawing.blocks.CreateBlock(u"B", parts, Point(), Point(), Size{1, 1});
  LayersDialogModel model = scene.Model();
  EXPECT_FALSE(model.RowAction(scene.RowOf(model, u"0"), LayerColumn::Delete));
  EXPECT_FALSE(model.RowAction(scene.RowOf(model, u"DOORS"), LayerColumn::Delete));
  EXPECT_EQ(scene.messages.Texts(),
            (std::vector<std::u16string>{
                u"The current layer cannot be deleted.",
                u"Layer \"DOORS\" is used inside a block and cannot be deleted."}));
  EXPECT_EQ(model.RowCount(), 3u);
}

TEST(LayersDialog, ANewLayerMadeCurrentIsOneStep) {
  Scene scene;
  LayersDialogModel model = scene.Model();
  model.SetEditText(u"ROOF");
  ASSERT_TRUE(model.New());
  const std::size_t roof = scene.RowOf(model, u"ROOF");
  EXPECT_EQ(model.SelectedRow(), roof);
  EXPECT_EQ(model.Row(roof).colorIndex, 7);
  EXPECT_EQ(model.Row(roof).lineWeight, -3.0);
  EXPECT_EQ(model.Row(roof).lineType, &ContinuousLineType());
  EXPECT_EQ(model.Row(roof).flags, 0);
  ASSERT_TRUE(model.RowAction(roof, LayerColumn::Current));
  ConfirmUndoRedo(scene, model);
  Layer* added = scene.drawing.layers.Find(u"ROOF");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(scene.drawing.settings.currentLayer, added);
}

TEST(LayersDialog, SwappingTwoNamesSurvivesUndoAndRedo) {
  Scene scene;
  LayersDialogModel model = scene.Model();
  const auto rename = [&](std::u16string_view from, std::u16string to) {
    ASSERT_TRUE(model.SelectRow(scene.RowOf(model, from)));
    model.SetEditText(std::move(to));
    ASSERT_TRUE(model.Rename());
  };
  rename(u"WALLS", u"SPARE");
  rename(u"DOORS", u"WALLS");
  rename(u"SPARE", u"DOORS");
  ConfirmUndoRedo(scene, model);
  EXPECT_EQ(scene.drawing.layers.Find(u"WALLS"), scene.doors);
  EXPECT_EQ(scene.drawing.layers.Find(u"DOORS"), scene.walls);
  EXPECT_EQ(scene.drawing.layers.size(), 3u);
  ASSERT_TRUE(scene.drawing.undo.Undo());
  EXPECT_EQ(scene.drawing.layers.Find(u"WALLS"), scene.walls);
  EXPECT_EQ(scene.drawing.layers.Find(u"DOORS"), scene.doors);
  EXPECT_EQ(scene.drawing.layers.size(), 3u);
}

// Deleting one layer and renaming the next: undo puts both back in their places, so the
// table (and the file's numbering) reads as before, and redo as confirmed.
TEST(LayersDialog, UndoKeepsTheTablesOrderThroughDeletesAndRenames) {
  Scene scene;
  scene.drawing.layers.Add(new Layer(u"AXES", 3, &ContinuousLineType(), -3.0));
  LayersDialogModel model = scene.Model();
  ASSERT_TRUE(model.RowAction(scene.RowOf(model, u"WALLS"), LayerColumn::Delete));
  ASSERT_TRUE(model.SelectRow(scene.RowOf(model, u"DOORS")));
  model.SetEditText(u"OPENINGS");
  ASSERT_TRUE(model.Rename());
  ConfirmUndoRedo(scene, model);
  std::vector<std::u16string> names;
  for (const Layer* layer : scene.drawing.layers) names.push_back(layer->name);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"0", u"OPENINGS", u"AXES"}));
}

TEST(LayersDialog, TheLineTypeDialogRestylesTheCopy) {
  struct Case {
    const char* name;
    const char16_t* lineType;
    bool fromLibrary;
  } cases[] = {
      {"a type the drawing holds", u"CONTINUOUS", false},
      {"a type of the library", u"CENTER", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    std::vector<std::u16string> offered;
    scene.lineTypeAnswer = [&](LineTypeDialogModel& dialog) {
      // The layers dialog offers no by-layer or by-block values.
      for (const LineType* type : dialog.LineTypes()) offered.push_back(type->name);
      EXPECT_FALSE(dialog.HasColorButtons());
      EXPECT_EQ(dialog.ColorText(), u"1");
      dialog.SelectLineType(c.lineType);
      dialog.SetColorText(u"4");
      dialog.SetLineWeightText(u"0.5");
      return dialog.Accept();
    };
    LayersDialogModel model = scene.Model();
    const std::size_t row = scene.RowOf(model, u"WALLS");
    ASSERT_TRUE(model.RowAction(row, LayerColumn::LineType));
    EXPECT_EQ(offered, (std::vector<std::u16string>{u"CONTINUOUS", u"CENTER"}));
    EXPECT_EQ(model.Row(row).colorIndex, 4);
    EXPECT_EQ(model.Row(row).lineWeight, 0.5);
    // Not yet in the drawing: a cancelled dialog must leave it as it was.
    EXPECT_EQ(scene.drawing.lineTypes.Find(u"CENTER"), nullptr);
    ConfirmUndoRedo(scene, model);
    LineType* held = scene.drawing.lineTypes.Find(c.lineType);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(scene.walls->lineType, held);
    EXPECT_EQ(scene.walls->colorIndex, 4);
    ASSERT_TRUE(scene.drawing.undo.Undo());
    EXPECT_EQ(scene.drawing.lineTypes.Find(u"CENTER"), nullptr);
  }
}

TEST(LayersDialog, ACancelledLineTypeDialogChangesNothing) {
  Scene scene;
  scene.lineTypeAnswer = [](LineTypeDialogModel& dialog) {
    dialog.SetColorText(u"4");
    return false;
  };
  LayersDialogModel model = scene.Model();
  const std::size_t row = scene.RowOf(model, u"WALLS");
  EXPECT_FALSE(model.RowAction(row, LayerColumn::LineType));
  EXPECT_EQ(model.Row(row).colorIndex, 1);
}

}  // namespace
}  // namespace korvo
