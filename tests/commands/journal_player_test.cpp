#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "commands/command_id.h"
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

}  // namespace
}  // namespace korvo::testing
