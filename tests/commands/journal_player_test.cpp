#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "tests/commands/journal_harness.h"
#include "tests/support/scratch_folder.h"

namespace korvo::testing {
namespace {

TEST(JournalPlayer, BadJournalsStopAtTheirLine) {
  struct Case {
    const char* name;
    const char* journal;
    JournalStatus status;
    std::size_t eventLine;  // 1 for the first line after the size line
  } cases[] = {
      {"unknown command name", "command ZOOMALL\ncommand draw_NOTHING\n",
       JournalStatus::SyntaxError, 2},
      {"answer with no box open", "command ZOOMALL\nanswer yes\n", JournalStatus::SyntaxError, 2},
      {"dialog with no dialog open", "dialog ok X=1\n", JournalStatus::SyntaxError, 1},
      {"typed value without a dialog to take it", "point 1 2\ncommand ZOOMALL\n",
       JournalStatus::SyntaxError, 1},
      {"prompt differs", "command ZOOMWIN\nexpect-prompt \"Second corner?\"\n",
       JournalStatus::ExpectationFailed, 2},
      {"relative answer to a question without base", "command ZOOMWIN\nrelative 1 2\n",
       JournalStatus::SyntaxError, 2},
      {"no message shown", "expect-message \"Hello\"\n", JournalStatus::ExpectationFailed, 1},
      {"save to a folder that does not exist", "save /nonexistent/folder/x.KorvoDWG\n",
       JournalStatus::FileError, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalHarness run(c.journal);
    const JournalOutcome outcome = run.Run();
    EXPECT_EQ(outcome.status, c.status) << outcome.message;
    EXPECT_EQ(outcome.line, JournalHarness::LineOfEvent(c.eventLine));
    EXPECT_FALSE(outcome.message.empty());
  }
}

TEST(JournalPlayer, TypedValueAnswersTheDialogItOpens) {
  JournalHarness run("command ZOOMWIN\npoint 10 20\npoint 60 40\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().viewOrigin, Point(10, 20));
}

TEST(JournalPlayer, DialogLineAnswersADialogOpenedByCommand) {
  JournalHarness run(
      "command ZOOMWIN\n"
      "command DialogInput\n"
      "dialog ok X=10 Y=20\n"
      "command DialogInput\n"
      "dialog cancel\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  // The cancelled second corner leaves the view as it was.
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_EQ(run.session->engine().CurrentCommandId(), 0);
}

TEST(JournalPlayer, UnansweredDialogEndsTheRun) {
  JournalHarness run("command ZOOMWIN\ncommand DialogInput\ntap 1 1\n");
  const JournalOutcome outcome = run.Run();
  EXPECT_EQ(outcome.status, JournalStatus::SyntaxError);
  EXPECT_EQ(outcome.line, JournalHarness::LineOfEvent(3));
}

TEST(JournalPlayer, JournalEndCancelsTheWaitingCommand) {
  JournalHarness run("command ZOOMWIN\ntap 10 10\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.session->engine().CurrentCommandId(), 0);
  EXPECT_EQ(run.session->engine().ActiveCommandMenu(), 0);
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_FALSE(run.drawing().undo.IsGroupOpen());
}

// "key Escape" is the Escape key of the editor: it stops the running command there and
// then, rather than reaching the command as a key it ignores.
TEST(JournalPlayer, EscapeStopsTheRunningCommandAsTheEditorsKeyDoes) {
  JournalHarness run("command ZOOMWIN\ntap 10 20\nkey Escape\nexpect-prompt \"\"\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
}

TEST(JournalPlayer, TranscriptListsPromptChanges) {
  JournalHarness run("command ZOOMWIN\ntap 10 20\ntap 60 40\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.transcript.str(),
            "prompt: First corner? <0, 0>\n"
            "prompt:  10.00,  20.00\n"
            "prompt: Opposite corner? <100, 100>\n"
            "prompt:  60.00,  40.00\n"
            "prompt: \n");
}

// A command on the identifier of "modify_ERASE" that asks a Yes/No question.
void AskQuestion(JournalHarness& run, std::vector<MessageAnswer>& answers) {
  run.session->engine().RegisterCommand(CommandId::Erase, [&answers](CommandEngine& engine, int) {
    answers.push_back(
        engine.messageBox().Show(u"Delete it?", MessageButtons::YesNo, MessageIcon::Question));
  });
}

TEST(JournalPlayer, MessageBoxesTakeTheNextLine) {
  struct Case {
    const char* name;
    const char* journal;
    JournalStatus status;
    std::size_t eventLine;
    std::vector<MessageAnswer> answers;
  } cases[] = {
      {"answered",
       "command modify_ERASE\nanswer no\nexpect-message \"Delete it?\"\n",
       JournalStatus::Ran,
       0,
       {MessageAnswer::No}},
      {"not answered",
       "command modify_ERASE\ncommand ZOOMALL\n",
       JournalStatus::SyntaxError,
       2,
       {}},
      {"not answered at the end", "command modify_ERASE\n", JournalStatus::SyntaxError, 1, {}},
      {"a button the box does not have",
       "command modify_ERASE\nanswer ok\n",
       JournalStatus::SyntaxError,
       2,
       {}},
      {"another message expected",
       "command modify_ERASE\nanswer yes\nexpect-message \"Keep it?\"\n",
       JournalStatus::ExpectationFailed,
       3,
       {MessageAnswer::Yes}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<MessageAnswer> answers;
    JournalHarness run(c.journal);
    AskQuestion(run, answers);
    const JournalOutcome outcome = run.Run();
    EXPECT_EQ(outcome.status, c.status) << outcome.message;
    if (c.status != JournalStatus::Ran) {
      EXPECT_EQ(outcome.line, JournalHarness::LineOfEvent(c.eventLine));
    }
    EXPECT_EQ(answers, c.answers);
    EXPECT_NE(run.transcript.str().find("message: Delete it?\n"), std::string::npos);
  }
}

TEST(JournalPlayer, SavesAndScreenshots) {
  ScratchFolder folder;
  const std::filesystem::path drawing = folder.path() / "out.KorvoDWG";
  const std::filesystem::path picture = folder.path() / "view.bmp";
  JournalHarness run("command GRID\nsave \"" + drawing.string() + "\"\nscreenshot \"" +
                     picture.string() + "\"\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_TRUE(std::filesystem::exists(drawing));
  // 24-bit rows of 101 pixels padded to 304 bytes, after the 54 bytes of headers.
  EXPECT_EQ(std::filesystem::file_size(picture), 54u + 304u * 101u);
}

TEST(JournalPlayer, ScreenshotShowsTheCursorAndTheRubberFrame) {
  ScratchFolder folder;
  const std::filesystem::path picture = folder.path() / "frame.bmp";
  JournalHarness run("command ZOOMWIN\ntap 10 10\npress 50 50\nscreenshot \"" + picture.string() +
                     "\"\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  const auto bytes = ReadFileBytes(picture);
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 54u + 304u * 101u);
  // Rows are stored bottom-up, so file row y holds world y here; three bytes a pixel. The
  // background is black, and XOR with white shows white.
  auto pixel = [&](int x, int y) {
    const std::size_t at = 54 + static_cast<std::size_t>(y) * 304 + 3 * x;
    return (*bytes)[at] == 0xFF && (*bytes)[at + 1] == 0xFF && (*bytes)[at + 2] == 0xFF;
  };
  EXPECT_TRUE(pixel(0, 50)) << "crosshair row at world y 50";
  EXPECT_TRUE(pixel(50, 0)) << "crosshair column at world x 50";
  EXPECT_TRUE(pixel(10, 30)) << "left edge of the frame from (10, 10)";
  EXPECT_TRUE(pixel(30, 10)) << "bottom edge of the frame";
  EXPECT_FALSE(pixel(30, 50)) << "the frame's top edge and the crosshair row cancel out";
  EXPECT_FALSE(pixel(30, 30)) << "inside the frame";
}

}  // namespace
}  // namespace korvo::testing
