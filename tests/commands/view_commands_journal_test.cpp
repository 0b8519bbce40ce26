#include <gtest/gtest.h>

#include <string>

#include "tests/commands/journal_harness.h"
#include "tests/commands/journal_session.h"

namespace korvo::testing {
namespace {

struct WindowCase {
  const char* name;
  const char* journal;
  Point origin;
  Size extent;
};

TEST(ZoomWindowJournal, CornersInEitherOrderGiveTheSameWindow) {
  const WindowCase cases[] = {
      {"lower-left first", "command ZOOMWIN\ntap 10 20\ntap 60 40\n", {10, 20}, {50, 20}},
      {"upper-right first", "command ZOOMWIN\ntap 60 40\ntap 10 20\n", {10, 20}, {50, 20}},
      {"upper-left first", "command ZOOMWIN\ntap 10 40\ntap 60 20\n", {10, 20}, {50, 20}},
      {"typed corners", "command ZOOMWIN\npoint 10 20\npoint 60.5 40\n", {10, 20}, {50.5, 20}},
      // Corners that differ in one coordinate only still give a window: the other ratio fits.
      {"a flat window", "command ZOOMWIN\ntap 10 20\ntap 60 20\n", {10, 20}, {50, 0}},
      {"an upright window", "command ZOOMWIN\ntap 30 60\ntap 30 20\n", {30, 20}, {0, 40}},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.name);
    JournalHarness run(c.journal);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    EXPECT_EQ(run.settings().viewOrigin, c.origin);
    EXPECT_EQ(run.settings().viewExtent.width, c.extent.width);
    EXPECT_EQ(run.settings().viewExtent.height, c.extent.height);
    EXPECT_EQ(run.session->engine().CurrentCommandId(), 0);
  }
}

TEST(ZoomWindowJournal, PromptsShowTheCurrentWindowAsDefaults) {
  JournalHarness run(
      "command ZOOMWIN\n"
      "expect-prompt \"First corner? <0, 0>\"\n"
      "default\n"
      "expect-prompt \"Opposite corner? <100, 100>\"\n"
      "tap 50 50\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_EQ(run.settings().viewExtent.width, 50);
  EXPECT_EQ(run.session->promptLine().Text(), u"");
}

TEST(ZoomAllJournal, ShowsExactlyTheLimits) {
  JournalHarness run("command ZOOMWIN\ntap 10 10\ntap 20 20\ncommand ZOOMALL\n", [](Drawing& d) {
    JournalHarness::OneUnitAPixel(d);
    d.settings.limitsMax = Point(420, 297);
  });
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_EQ(run.settings().viewExtent.width, 420);
  EXPECT_EQ(run.settings().viewExtent.height, 297);
}

TEST(UndoJournal, UndoAndRedoOfAZoomWindow) {
  JournalHarness run(
      "command ZOOMWIN\ntap 10 20\ntap 60 40\n"
      "command UNDO\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_EQ(run.settings().viewExtent.width, 100);
  EXPECT_TRUE(run.drawing().undo.CanRedo());

  JournalHarness redo(
      "command ZOOMWIN\ntap 10 20\ntap 60 40\n"
      "command UNDO\ncommand REDO\n");
  EXPECT_EQ(redo.Run().status, JournalStatus::Ran) << redo.outcome.message;
  EXPECT_EQ(redo.settings().viewOrigin, Point(10, 20));
  EXPECT_EQ(redo.settings().viewExtent.width, 50);
}

}  // namespace
}  // namespace korvo::testing

namespace korvo::testing {
namespace {

// Regression: an entity brought back by undo or redo kept the out-of-view mark of wherever
// the window was when it left, so after a pan it stayed invisible and could not be picked.
TEST(UndoJournal, ObjectsBroughtBackAfterAPanCanBePicked) {
  struct Case {
    const char* name;
    const char* edit;
    const char* back;  // undo or redo after the pans
    double tapX;       // on the object brought back, clear of the others
  } cases[] = {
      {"erase, undo", "command modify_ERASE\ncommand 32911\ndefault\n", "command UNDO\n", 730},
      {"move, undo",
       "command modify_MOVE\ncommand 32911\ndefault\ntap 150 100\ntap 50 100\ndefault\n",
       "command UNDO\n", 730},
      {"copy, undo, redo",
       "command draw_COPY\ncommand 32911\ndefault\ntap 150 100\ntap 190 100\ndefault\ndefault\n"
       "command UNDO\n",
       "command REDO\n", 790},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Four pans bring world x 600 to 799 into view.
    std::string pans;
    for (int i = 0; i < 4; ++i)
      pans += "press-screen 180 100\nmove-screen 30 100\nrelease-screen 30 100\n";
    JournalSession s(std::string(c.edit) + pans + c.back + "command modify_ERASE\ntap " +
                     std::to_string(c.tapX) + " 40\ndefault\n");
    s.AddLine({20, 40}, {180, 40});
    // Beyond the first picture, which reaches one window past each side of the view.
    s.AddLine({700, 40}, {760, 40});
    s.Play();
    EXPECT_EQ(s.drawing().settings.viewOrigin, Point(600, 0));
    // The far line, or its copy: the last entity of the list.
    EXPECT_TRUE(s.drawing().entities.GetAt(s.drawing().entities.TailPosition())->IsErased());
  }
}

}  // namespace
}  // namespace korvo::testing
