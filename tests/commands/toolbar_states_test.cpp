#include "commands/toolbar_states.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/command_id.h"
#include "commands/toolbar_model.h"
#include "core/drawing.h"
#include "core/line_entity.h"
#include "tests/support/scratch_folder.h"

namespace korvo {
namespace {

std::vector<std::u16string> Names(const std::vector<ToolbarItem>& items) {
  std::vector<std::u16string> names;
  for (const ToolbarItem& item : items) names.emplace_back(item.CommandName());
  return names;
}

class ToolbarStatesTest : public ::testing::Test {
 protected:
  // A recent toolbar of ten visible buttons from the command texts, without images.
  ToolbarModel Load(const std::vector<std::string>& commands) {
    std::string text = "192 192 192\n";
    for (const std::string& command : commands)
      text += "none.bmp\n" + command + "\n" + command + "\n";
    std::ofstream(folder_ / "Recent.mnu", std::ios::binary) << text;
    ToolbarModel model(10);
    EXPECT_EQ(model.LoadToolbar(folder_ / "Recent.mnu", 24), ToolbarLoad::Loaded);
    return model;
  }

  testing::ScratchFolder folder_;
};

TEST_F(ToolbarStatesTest, RecentCommandMovesToSevenThenUndoAndRedoToOne) {
  const std::vector<std::string> eleven = {"-draw_LINE", "-draw_ARC3PT", "-draw_CIRCLERAD", "-GRID",
                                           "-ZOOMALL",   "-LAYERS",      "-STYLES",         "-UNDO",
                                           "-REDO",      "-SETTINGS",    "-draw_TEXT"};
  struct Case {
    const char* name;
    int id;
    const char16_t* script;
    std::vector<std::u16string> visible;
  } cases[] = {
      {"listed command",
       CommandId::DrawCircleRadius,
       u"",
       {u"draw_LINE", u"REDO", u"UNDO", u"draw_ARC3PT", u"GRID", u"ZOOMALL", u"LAYERS", u"STYLES",
        u"draw_CIRCLERAD", u"SETTINGS"}},
      {"command in the overflow",
       CommandId::DrawText,
       u"",
       {u"draw_ARC3PT", u"REDO", u"UNDO", u"draw_CIRCLERAD", u"GRID", u"ZOOMALL", u"LAYERS",
        u"STYLES", u"draw_TEXT", u"SETTINGS"}},
      {"command without a button leaves the toolbar unchanged",
       CommandId::Move,
       u"",
       {u"draw_LINE", u"draw_ARC3PT", u"draw_CIRCLERAD", u"GRID", u"ZOOMALL", u"LAYERS", u"STYLES",
        u"UNDO", u"REDO", u"SETTINGS"}},
      {"never recorded: the palette",
       CommandId::CommandPalette,
       u"",
       {u"draw_LINE", u"draw_ARC3PT", u"draw_CIRCLERAD", u"GRID", u"ZOOMALL", u"LAYERS", u"STYLES",
        u"UNDO", u"REDO", u"SETTINGS"}},
      {"never recorded: undo itself",
       CommandId::Undo,
       u"",
       {u"draw_LINE", u"draw_ARC3PT", u"draw_CIRCLERAD", u"GRID", u"ZOOMALL", u"LAYERS", u"STYLES",
        u"UNDO", u"REDO", u"SETTINGS"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ToolbarModel recent = Load(eleven);
    RecordRecentCommand(recent, c.id, c.script);
    EXPECT_EQ(Names(recent.Visible()), c.visible);
    EXPECT_EQ(recent.Count(), eleven.size());
  }
}

TEST_F(ToolbarStatesTest, CommandRunTwiceKeepsItsSingleButton) {
  ToolbarModel recent = Load({"-draw_LINE", "-draw_ARC3PT", "-UNDO", "-REDO", "-GRID", "-ZOOMALL",
                              "-LAYERS", "-STYLES", "-SETTINGS", "-draw_TEXT"});
  RecordRecentCommand(recent, CommandId::ZoomAll);
  const std::vector<std::u16string> once = Names(recent.Visible());
  RecordRecentCommand(recent, CommandId::ZoomAll);
  EXPECT_EQ(Names(recent.Visible()), once);
  EXPECT_EQ(std::count(once.begin(), once.end(), u"ZOOMALL"), 1);
  EXPECT_EQ(once[7], u"ZOOMALL");
}

TEST_F(ToolbarStatesTest, ScriptedCommandGoesByItsScriptName) {
  ToolbarModel recent = Load({"-draw_LINE", "-UNDO", "-REDO", "@Gear", "-GRID"});
  RecordRecentCommand(recent, CommandId::RunScriptCommand, u"gear");
  EXPECT_EQ(Names(recent.Visible()),
            (std::vector<std::u16string>{u"draw_LINE", u"REDO", u"UNDO", u"GRID", u"Gear"}));
}

TEST_F(ToolbarStatesTest, StatesFollowSelectionUndoAndModes) {
  ToolbarModel bar = Load({"-modify_MOVE", "-modify_ERASE", "-draw_COPY", "-draw_LINE", "-UNDO",
                           "-REDO", "-GRID", "-GRIDSNAP", "-ORTHOSNAP", "-OBJECTSNAP"});
  Drawing drawing;
  drawing.New();
  auto* line = new LineEntity(0, 0, 1, 1, drawing.settings);
  drawing.entities.AddTail(line);

  const auto enabled = [&](std::size_t i) { return bar.ItemAt(i)->enabled; };
  const auto checked = [&](std::size_t i) { return bar.ItemAt(i)->checked; };

  // An entity alone is not enough: the editing buttons wait for a selection.
  EXPECT_TRUE(UpdateToolbarStates(bar, drawing));
  EXPECT_FALSE(enabled(0));
  EXPECT_FALSE(enabled(1));
  EXPECT_FALSE(enabled(2));
  EXPECT_TRUE(enabled(3));
  EXPECT_FALSE(enabled(4));
  EXPECT_FALSE(enabled(5));
  EXPECT_FALSE(UpdateToolbarStates(bar, drawing));

  drawing.Select(line);
  EXPECT_TRUE(UpdateToolbarStates(bar, drawing));
  EXPECT_TRUE(enabled(0));
  EXPECT_TRUE(enabled(1));
  EXPECT_TRUE(enabled(2));
  drawing.ClearSelection();
  UpdateToolbarStates(bar, drawing);
  EXPECT_FALSE(enabled(0));

  drawing.undo.RecordChange(UndoKind::SettingsChanged);
  drawing.settings.gridOn = 1;
  drawing.settings.gridSnap = 0;
  drawing.settings.orthoSnap = 1;
  drawing.undo.EndUndoGroup();
  UpdateToolbarStates(bar, drawing);
  EXPECT_TRUE(enabled(4));
  EXPECT_FALSE(enabled(5));
  EXPECT_TRUE(checked(6));
  EXPECT_FALSE(checked(7));
  EXPECT_TRUE(checked(8));
  EXPECT_FALSE(checked(9));  // object snap is not shown on the toolbars
}

}  // namespace
}  // namespace korvo
