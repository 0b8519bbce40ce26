// The definition files shipped in data/ offer every command a full session handles, and every
// button they list loads with its image.

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/editor_session.h"
#include "commands/toolbar_model.h"
#include "platform/toolbar_definition.h"
#include "platform/utf16.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_runner.h"

namespace korvo {
namespace {

const std::filesystem::path kData = std::filesystem::path(KORVOCAD_SOURCE_DIR) / "data";

struct FileCase {
  const char* name;
  const char* file;
  std::size_t capacity;
};
constexpr FileCase kFiles[] = {
    {"small recent", "tbs/Recent.mnu", 10},       {"large recent", "tbl/Recent.mnu", 10},
    {"small assistant", "tbs/Assistant.mnu", 10}, {"large assistant", "tbl/Assistant.mnu", 10},
    {"small prompt", "tbs/Prompt.mnu", 3},        {"large prompt", "tbl/Prompt.mnu", 3},
    {"small palette", "cps/KorvoCAD.mnu", 1000},  {"large palette", "cpl/KorvoCAD.mnu", 1000},
};

TEST(ToolbarFiles, EveryRecordLoadsWithItsImage) {
  for (const FileCase& c : kFiles) {
    SCOPED_TRACE(c.name);
    const ToolbarDefinition definition = ReadToolbarDefinition(kData / c.file);
    ASSERT_EQ(definition.error, ToolbarDefinitionError::None);
    EXPECT_TRUE(definition.colourValid);
    ToolbarModel model(c.capacity);
    ASSERT_EQ(model.LoadToolbar(kData / c.file, 24), ToolbarLoad::Loaded);
    // Nothing was left out as unknown, and every image is there.
    EXPECT_EQ(model.Count(), definition.records.size());
    for (std::size_t i = 0; i < model.Count(); ++i) {
      SCOPED_TRACE(Utf16ToUtf8(model.ItemAt(i)->CommandName()));
      EXPECT_FALSE(model.ItemAt(i)->image.empty());
      EXPECT_TRUE(model.ItemAt(i)->CanTap());
    }
  }
}

TEST(ToolbarFiles, PromptToolbarHoldsTheQuestionButtonsAndTheSwitch) {
  for (const char* file : {"tbs/Prompt.mnu", "tbl/Prompt.mnu"}) {
    SCOPED_TRACE(file);
    ToolbarModel prompt(3);
    ASSERT_EQ(prompt.LoadToolbar(kData / file, 24), ToolbarLoad::Loaded);
    std::set<int> ids;
    for (const ToolbarItem& item : prompt.Visible())
      ids.insert(ResolveToolbarCommand(item.commandText).id);
    EXPECT_EQ(ids, (std::set<int>{CommandId::DialogInput, CommandId::EnterDefault,
                                  CommandId::NestedCommandBar}));
  }
}

// Every identifier of the command table that a full session runs has a button on one of the
// toolbars or in the palette of each screen size.
TEST(ToolbarFiles, EveryHandledCommandHasAButton) {
  EditorSession session;
  PluginHost host;
  RegisterPluginCommands(session.engine(), host);
  // Handled by the engine itself rather than by a registered handler, or by the shell.
  const std::set<int> builtIn = {
      CommandId::EnterDefault,   CommandId::DialogInput, CommandId::NestedCommandBar,
      CommandId::CommandPalette, CommandId::Grid,        CommandId::GridSnap,
      CommandId::OrthoSnap,      CommandId::ObjectSnap,  CommandId::IntersectionSnap};
  for (const char* folder : {"tbs/cps", "tbl/cpl"}) {
    SCOPED_TRACE(folder);
    const std::string toolbars(folder, 3);
    const std::string palette(folder + 4, 3);
    std::set<int> offered;
    for (const std::string& file : {toolbars + "/Recent.mnu", toolbars + "/Assistant.mnu",
                                    toolbars + "/Prompt.mnu", palette + "/KorvoCAD.mnu"}) {
      ToolbarModel model(1000);
      ASSERT_EQ(model.LoadToolbar(kData / file, 24), ToolbarLoad::Loaded) << file;
      for (std::size_t i = 0; i < model.Count(); ++i)
        offered.insert(ResolveToolbarCommand(model.ItemAt(i)->commandText).id);
    }
    for (const CommandRow& row : CommandTable::Rows()) {
      if (!session.engine().HasHandler(row.id) && builtIn.count(row.id) == 0) continue;
      SCOPED_TRACE(Utf16ToUtf8(row.name));
      EXPECT_EQ(offered.count(row.id), 1u);
    }
  }
}

}  // namespace
}  // namespace korvo
