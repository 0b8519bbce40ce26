#include "plugin/plugin_commands.h"

#include <gtest/gtest.h>

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "platform/command_bar.h"
#include "platform/file_dialog.h"
#include "platform/program_folder.h"
#include "platform/utf16.h"
#include "tests/plugin/plugin_session.h"

namespace korvo::testing {
namespace {

TEST(PluginCommands, EveryMenuCommandHasATableNameAndAHandler) {
  PluginSession s("");
  EXPECT_EQ(PluginMenuCommands().size(), 15u);
  for (const PluginMenuCommand& command : PluginMenuCommands()) {
    SCOPED_TRACE(std::string(command.name.begin(), command.name.end()));
    EXPECT_TRUE(s.engine().HasHandler(command.id));
  }
  // The three editing commands close their undo group after ending; the others in the run.
  int closingAfterEnd = 0;
  for (const PluginMenuCommand& command : PluginMenuCommands())
    closingAfterEnd += command.closesAfterEnd ? 1 : 0;
  EXPECT_EQ(closingAfterEnd, 3);
}

TEST(PluginCommands, AMenuCommandLoadsTheCommandSetForEachRunAndEndsItself) {
  CountingLoader loader;
  PluginSession s("command draw_LINE\ncommand draw_LINE\n", loader);
  s.Play();
  EXPECT_EQ(loader.loads, 2);
  EXPECT_EQ(loader.releases, 2);
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  EXPECT_FALSE(s.engine().pluginRunning);
  EXPECT_FALSE(s.drawing().undo.IsGroupOpen());
  // Announced: the command bar recorded it.
  ASSERT_FALSE(s.session().commandBar().Entries().empty());
  EXPECT_EQ(s.session().commandBar().Entries().front().name, u"draw_LINE");
}

TEST(PluginCommands, DrawingSettingsRunsInsideAnotherCommandWithoutEndingIt) {
  CountingLoader loader;
  PluginSession s("command 1000\n", loader);
  int during = -1;
  bool groupOpen = false;
  s.AddProbe(PluginSession::kProbe, [&](CommandEngine& engine) {
    engine.BeginCommand(CommandId::DrawLine);
    engine.drawing().undo.RecordChange(UndoKind::SettingsChanged);
    engine.ExecuteCommand(CommandId::Settings);
    during = engine.CurrentCommandId();
    groupOpen = engine.drawing().undo.IsGroupOpen();
    engine.EndCommand();
  });
  s.Play();
  EXPECT_EQ(loader.loads, 1);
  EXPECT_EQ(during, CommandId::DrawLine);
  // The running command's undo group stays open for it.
  EXPECT_TRUE(groupOpen);
  for (const auto& entry : s.session().commandBar().Entries()) EXPECT_NE(entry.name, u"SETTINGS");
}

TEST(PluginCommands, DrawingSettingsDuringAQuestionLeavesTheQuestionWaiting) {
  PluginSession s("command 1000\ncommand SETTINGS\ndialog cancel\ntap 10 20\n");
  InputResult result = InputResult::Cancel;
  Point answer;
  s.AddProbe(PluginSession::kProbe, [&](CommandEngine& engine) {
    engine.BeginCommand(CommandId::DrawLine);
    result = GetPoint(engine, answer, StringId::PolylineStartPrompt,
                      StringId::PolylineStartDescription, kPointKeepWaiting);
    engine.EndCommand();
  });
  s.Play();
  EXPECT_EQ(result, InputResult::Picked);
  EXPECT_EQ(answer, Point(10, 20));
}

TEST(PluginCommands, DrawingSettingsAloneIsRecordedAmongTheRecentCommands) {
  PluginSession s("command SETTINGS\n");
  s.Play();
  ASSERT_FALSE(s.session().commandBar().Entries().empty());
  EXPECT_EQ(s.session().commandBar().Entries().front().name, u"SETTINGS");
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
}

TEST(PluginCommands, AScriptedCommandRunsThroughTheScriptModule) {
  // The script module is not part of this system: its absence is reported as any module's.
  PluginSession s("command 32922\nanswer ok\n");
  s.host().nextScript = u"Gear";
  s.Play();
  ASSERT_EQ(s.Messages().size(), 1u);
  EXPECT_EQ(s.Messages()[0],
            u"Loading " + Utf8ToUtf16((ProgramFolder() / "kcadsjs.kxp").string()) + u" failed!");
  EXPECT_EQ(s.host().scriptModule.handle(), nullptr);
  ASSERT_FALSE(s.session().commandBar().Entries().empty());
  EXPECT_EQ(s.session().commandBar().Entries().front().name, u"Gear");
}

// "Custom Tool" asks for the script file, then runs it through the script module, which is
// not part of this system: its absence is reported as any module's. The dialog starts at the
// script chosen last time.
TEST(PluginCommands, CustomToolAsksForTheScriptAndRunsIt) {
  PluginSession s("command tool_RUNSJSCRIPT\nanswer ok\ncommand tool_RUNSJSCRIPT\n");
  HeadlessFileDialog files;
  files.QueueAnswer(std::filesystem::path("/scripts/Gear.KorvoJS"));
  files.QueueAnswer(std::nullopt);
  s.host().fileDialog = &files;
  RegisterPluginCommands(s.engine(), s.host());
  s.Play();
  ASSERT_EQ(files.Requests().size(), 2u);
  const FileDialogRequest& first = files.Requests()[0];
  EXPECT_EQ(first.mode, FileDialogMode::Open);
  ASSERT_EQ(first.filters.size(), 1u);
  EXPECT_EQ(first.filters[0].pattern, u"*.KorvoJS");
  EXPECT_EQ(first.defaultExtension, u"KorvoJS");
  EXPECT_EQ(files.Requests()[1].proposed, std::filesystem::path("/scripts/Gear.KorvoJS"));
  // Cancelled the second time: nothing more was loaded or said.
  ASSERT_EQ(s.Messages().size(), 1u);
  EXPECT_EQ(s.Messages()[0],
            u"Loading " + Utf8ToUtf16((ProgramFolder() / "kcadsjs.kxp").string()) + u" failed!");
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  EXPECT_FALSE(s.drawing().undo.IsGroupOpen());
}

TEST(PluginCommands, CustomToolHasNoHandlerWithoutAFileDialog) {
  PluginSession s("");
  EXPECT_FALSE(s.engine().HasHandler(CommandId::RunScript));
}

TEST(PluginCommands, PolygonRunsItsScriptAndTheEditorStaysUsable) {
  // Without the script module the polygon ends in the module's message; the next command
  // still runs.
  PluginSession s(
      "command draw_POLYGON\nanswer ok\ncommand draw_FSOLID\ntap 10 10\ntap 50 10\n"
      "tap 50 50\ndefault\ncommand 32819\n");
  s.Play();
  ASSERT_EQ(s.Messages().size(), 1u);
  EXPECT_EQ(s.Messages()[0],
            u"Loading " + Utf8ToUtf16((ProgramFolder() / "kcadsjs.kxp").string()) + u" failed!");
  EXPECT_EQ(s.host().nextScript, u"draw_POLYGON");
  // The solid drawn after it.
  EXPECT_EQ(s.drawing().entities.size(), 1u);
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
}

}  // namespace
}  // namespace korvo::testing
