#include <gtest/gtest.h>

#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/line_entity.h"
#include "platform/command_bar.h"
#include "platform/command_menus.h"
#include "tests/commands/journal_harness.h"

namespace korvo::testing {
namespace {

// A host command on `id` that asks one point question after another (no base, a default)
// and keeps every answer, until Enter or Cancel.
void AskUntilDone(JournalHarness& run, int id, std::vector<InputResult>& answers) {
  run.session->engine().RegisterCommand(id, [&answers](CommandEngine& engine, int commandId) {
    engine.BeginCommand(commandId);
    for (;;) {
      Point p;
      const InputResult result =
          GetPoint(engine, Point(), Point(7, 8), p, StringId::ViewFirstCornerPrompt,
                   StringId::ViewFirstCornerDescription, kPointNoBase | kPointKeepWaiting);
      answers.push_back(result);
      if (result == InputResult::Enter || result == InputResult::Cancel) break;
    }
    engine.EndCommand();
  });
}

TEST(CommandEngineJournal, TransparentToggleKeepsTheCommandWaiting) {
  JournalHarness run(
      "command ZOOMWIN\n"
      "expect-prompt \"First corner? <0, 0>\"\n"
      "command GRID\n"
      "expect-prompt \"First corner? <0, 0>\"\n"
      "tap 10 20\n"
      "tap 60 40\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().gridOn, 1);
  EXPECT_EQ(run.settings().viewOrigin, Point(10, 20));
  EXPECT_EQ(run.session->frame().MenuChecks().at(CommandId::Grid), true);
}

TEST(CommandEngineJournal, ToggleInsideACommandIsUndoneWithIt) {
  JournalHarness run(
      "command ZOOMWIN\ncommand GRID\ntap 10 20\ntap 60 40\n"
      "command UNDO\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().gridOn, 0);
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  // Undoing a settings record sends the mode states again.
  EXPECT_EQ(run.session->frame().MenuChecks().at(CommandId::Grid), false);
}

TEST(CommandEngineJournal, ToggleOnItsOwnIsItsOwnUndoStep) {
  JournalHarness run("command GRIDSNAP\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().gridSnap, 1);
  EXPECT_FALSE(run.drawing().undo.IsGroupOpen());
  EXPECT_TRUE(run.drawing().undo.CanUndo());
  ASSERT_FALSE(run.session->commandBar().Entries().empty());
  EXPECT_EQ(run.session->commandBar().Entries().front().name, u"GRIDSNAP");
}

TEST(CommandEngineJournal, InterruptingCommandCancelsTheWaitingOne) {
  std::vector<InputResult> answers;
  JournalHarness run(
      "command modify_MOVE\n"
      "command ZOOMWIN\n"
      "expect-prompt \"First corner? <0, 0>\"\n"
      "tap 10 20\ntap 60 40\n");
  AskUntilDone(run, CommandId::Move, answers);
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(answers[0], InputResult::Cancel);
  EXPECT_EQ(run.settings().viewOrigin, Point(10, 20));
}

TEST(CommandEngineJournal, InputControlWhileWaiting) {
  struct Case {
    const char* name;
    const char* journal;
    std::vector<InputResult> answers;
  } cases[] = {
      {"OK answers Enter", "command modify_MOVE\ncommand 1\n", {InputResult::Enter}},
      {"Stop cancels", "command modify_MOVE\ncommand 32819\n", {InputResult::Cancel}},
      {"EnterDefault",
       "command modify_MOVE\ncommand EnterDefault\ncommand 32819\n",
       {InputResult::Default, InputResult::Cancel}},
      {"Exit answers Enter, then closes",
       "command modify_MOVE\ncommand 57665\ntap 1 1\n",
       {InputResult::Enter}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<InputResult> answers;
    JournalHarness run(c.journal);
    AskUntilDone(run, CommandId::Move, answers);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    EXPECT_EQ(answers, c.answers);
  }
}

TEST(CommandEngineJournal, ExitWhileWaitingQuitsAfterTheCommand) {
  std::vector<InputResult> answers;
  JournalHarness run("command modify_MOVE\ncommand 57665\ncommand ZOOMWIN\n");
  AskUntilDone(run, CommandId::Move, answers);
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(answers, std::vector<InputResult>{InputResult::Enter});
  EXPECT_TRUE(run.session->queue().QuitRequested());
  // The session quit before the journal's last line could start a command.
  EXPECT_EQ(run.session->promptLine().Text(), u"");
}

TEST(CommandEngineJournal, BeginAndEndShowTheCommand) {
  std::vector<int> menus;
  std::vector<bool> pressed;
  JournalHarness run("command ZOOMWIN\n");
  run.session->menus().SetListener([&menus](int bar) { menus.push_back(bar); });
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(menus, (std::vector<int>{kCommandMenuBar, kMainMenuBar}));
  EXPECT_FALSE(run.session->frame().IsButtonPressed(CommandId::ZoomWindow));
  ASSERT_FALSE(run.session->commandBar().Entries().empty());
  EXPECT_EQ(run.session->commandBar().Entries().front().name, u"ZOOMWIN");
  EXPECT_EQ(run.session->engine().ActiveCommandMenu(), 0);
}

TEST(CommandEngineJournal, ButtonStatesUpdateTheCommandBar) {
  struct Case {
    const char* name;
    bool withLine;
  } cases[] = {{"empty drawing", false}, {"one line", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalHarness run("command ZOOMWIN\nexpect-prompt \"First corner? <0, 0>\"\n",
                       [&c](Drawing& d) {
                         JournalHarness::OneUnitAPixel(d);
                         if (c.withLine)
                           d.entities.AddTail(new LineEntity(Point(1, 1), Point(5, 5), d.settings));
                       });
    CommandBar& bar = run.session->commandBar();
    bar.MoveToFront(u"modify_MOVE");
    bool pressedWhileWaiting = false;
    run.session->promptLine().AddListener([&](std::u16string_view text) {
      if (text == u"First corner? <0, 0>")
        pressedWhileWaiting = bar.Find(u"ZOOMWIN") && bar.Find(u"ZOOMWIN")->checked &&
                              run.session->frame().IsButtonPressed(CommandId::ZoomWindow);
    });
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    EXPECT_TRUE(pressedWhileWaiting);
    EXPECT_FALSE(bar.Find(u"ZOOMWIN")->checked);
    EXPECT_EQ(bar.Find(u"modify_MOVE")->enabled, c.withLine);
    EXPECT_FALSE(bar.Find(u"UNDO")->enabled);
    EXPECT_FALSE(bar.Find(u"REDO")->enabled);
  }
}

TEST(CommandEngineJournal, CommandStatesFollowTheInput) {
  EditorSession session;
  CommandEngine& engine = session.engine();
  EXPECT_FALSE(engine.IsCommandEnabled(CommandId::Stop));
  EXPECT_FALSE(engine.IsCommandEnabled(CommandId::EnterDefault));
  EXPECT_FALSE(engine.IsCommandEnabled(CommandId::Move));
  EXPECT_FALSE(engine.IsCommandEnabled(CommandId::Undo));
  EXPECT_FALSE(engine.IsCommandEnabled(CommandId::SelectAll));
  EXPECT_TRUE(engine.IsCommandEnabled(CommandId::ZoomAll));
  engine.inputState = InputState::Waiting;
  engine.defaultAllowed = true;
  engine.selectingMany = true;
  EXPECT_TRUE(engine.IsCommandEnabled(CommandId::Stop));
  EXPECT_TRUE(engine.IsCommandEnabled(CommandId::EnterDefault));
  EXPECT_FALSE(engine.IsCommandEnabled(CommandId::DialogInput));
  EXPECT_TRUE(engine.IsCommandEnabled(CommandId::SelectAll));
}

TEST(CommandEngineJournal, UndoLevelsComeFromTheProfile) {
  testing::MemoryProfile profile;
  profile.SetInt(u"SETTINGS", u"UndoLevels", 3);
  EditorSessionOptions options;
  options.profile = &profile;
  EditorSession session(options);
  EXPECT_EQ(session.drawing().undo.Levels(), 3);
  EditorSession plain;
  EXPECT_EQ(plain.drawing().undo.Levels(), 1);
}

TEST(InteractiveZoomJournal, DefaultTogglesTheDirection) {
  JournalHarness run(
      "command ZOOMIN\n"
      "expect-prompt \"Zoom in at? <zoom out>\"\n"
      "tap 50 50\n"
      "default\n"
      "expect-prompt \"Zoom out at? <zoom in>\"\n"
      "tap 50 50\n"
      "command 32819\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  // In by 0.5 about (50, 50), then out by 2 about the same point: the limits again.
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_EQ(run.settings().viewExtent.width, 100);
  EXPECT_FALSE(run.session->view().zoomInMode);
  EXPECT_EQ(run.session->engine().CurrentCommandId(), 0);
}

TEST(InteractiveZoomJournal, ZoomInAboutAPoint) {
  JournalHarness run("command ZOOMIN\ntap 40 40\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().viewOrigin, Point(15, 15));
  EXPECT_EQ(run.settings().viewExtent.width, 50);
}

}  // namespace
}  // namespace korvo::testing
