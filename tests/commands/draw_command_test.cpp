#include <gtest/gtest.h>

#include <string>

#include "commands/command_engine.h"
#include "core/drawing.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;

// Each journal leaves a command showing what it is building while the pen is down.
struct Case {
  const char* name;
  const char* journal;
};
constexpr Case kPreviewCases[] = {
    {"solid, second point", "command draw_FSOLID\ntap 10 10\npress 60 60\nmove 80 40\n"},
    {"solid, third point", "command draw_FSOLID\ntap 10 10\ntap 60 10\npress 60 60\nmove 70 90\n"},
    {"solid, fourth point",
     "command draw_FSOLID\ntap 10 10\ntap 60 10\ntap 60 60\npress 20 70\nmove 10 90\n"},
    {"rectangle", "command draw_RECTANGLE\ndialog ok\ntap 10 10\npress 60 60\nmove 90 120\n"},
    {"donut",
     "command draw_DONUT\ndialog ok \"Inside diameter\"=10 \"Outside diameter\"=30\n"
     "press 60 60\nmove 90 120\n"},
    {"polyline, line", "command draw_POLYLINE\ntap 10 10\npress 60 60\nmove 90 120\n"},
    {"polyline, arc by centre",
     "command draw_POLYLINE\ntap 10 10\ncommand 32914\ntap 40 10\npress 60 60\nmove 40 70\n"},
    {"text, height", "command draw_TEXT\ndialog ok Text=Abc\ntap 20 20\npress 20 40\nmove 20 60\n"},
    {"text, angle",
     "command draw_TEXT\ndialog ok Text=Abc Height=20\ntap 20 20\ndefault\npress 60 60\n"
     "move 90 90\n"},
};

// Probe 1001 looks at the window while the preview is shown; once cancelled it leaves no
// trace.
TEST(DrawCommandPreview, ShownWhileThePenMovesAndGoneAfterCancel) {
  for (const Case& c : kPreviewCases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string(c.journal) + "command 1001\ncommand 32819\n");
    bool shown = false;
    s.AddProbe(1001, [&](CommandEngine& e) { shown = !(e.view().window() == s.windowBefore()); });
    s.Play();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(s.session().view().window() == s.windowBefore());
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  }
}

// The grid toggled while the preview is shown repaints the window and wipes the preview;
// taking it off afterwards must not draw it back as a stray picture, neither when the pen
// moves on nor when the command ends.
TEST(DrawCommandPreview, ARepaintWhileShownLeavesNoGhost) {
  for (const Case& c : kPreviewCases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string(c.journal) +
                     "command GRID\nmove 70 110\ncommand GRID\ncommand 32819\n");
    s.Play();
    EXPECT_TRUE(s.session().view().window() == s.windowBefore());
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  }
}

}  // namespace
}  // namespace korvo
