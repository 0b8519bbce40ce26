#include "commands/cut_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/point_entity.h"
#include "tests/commands/cut_shapes.h"
#include "tests/commands/journal_session.h"

namespace korvo {
namespace {

using testing::JournalSession;
using testing::cut::LiveShapes;
using Shapes = std::vector<std::string>;

// What a cutting command left: the drawing after it, after UNDO and after REDO, and whether
// the window it left matched a full repaint of that drawing (no highlight, no XOR leftover).
struct Outcome {
  Shapes after;
  Shapes undone;
  Shapes redone;
  bool windowClean = false;
  std::size_t records = 0;
};

constexpr int kAfter = JournalSession::kProbe + 1;
constexpr int kUndone = JournalSession::kProbe + 2;
constexpr int kRedone = JournalSession::kProbe + 3;

// Appended to a command's journal: look, undo, look, redo, look.
const std::string kUndoRedo =
    "command 1001\ncommand UNDO\ncommand 1002\ncommand REDO\n"
    "command 1003\n";

void AddOutcomeProbes(JournalSession& s, Outcome& outcome) {
  s.AddProbe(kAfter, [&outcome](CommandEngine& engine) {
    outcome.after = LiveShapes(engine.drawing());
    outcome.records = engine.drawing().undo.GroupSize(0);
    View& view = engine.view();
    const Bitmap shown = view.window();
    view.InvalidatePicture(PictureBitmap::Delete);
    view.RepaintNow();
    outcome.windowClean = shown == view.window();
  });
  s.AddProbe(kUndone,
             [&outcome](CommandEngine& engine) { outcome.undone = LiveShapes(engine.drawing()); });
  s.AddProbe(kRedone,
             [&outcome](CommandEngine& engine) { outcome.redone = LiveShapes(engine.drawing()); });
}

std::vector<std::u16string> Messages(const JournalSession& s) {
  std::vector<std::u16string> texts;
  for (const auto& message : s.player().messageBox().Messages()) {
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    texts.push_back(message.text);
  }
  return texts;
}

struct BreakCase {
  const char* name;
  const char* journal;  // after the object was picked at (50, 100)
  Shapes after;
  std::vector<std::u16string> messages;
};

TEST(BreakCommand, BreaksThePickedObjectBetweenItsPoints) {
  const BreakCase cases[] = {
      {"two points: the end piece follows the start piece",
       "expect-prompt \"First break point? <done>\"\ntap 60 100\n"
       "expect-prompt \"Second break point? <no point>\"\ntap 90 100\n"
       "expect-prompt \"Select object to break? <done>\"\ndefault\n",
       {"line 20,100 60,100", "line 90,100 180,100", "circle 100,40 r20"},
       {}},
      {"no second point: split at the first",
       "tap 60 100\ndefault\nexpect-prompt \"Select object to break? <done>\"\ndefault\n",
       {"line 20,100 60,100", "line 60,100 180,100", "circle 100,40 r20"},
       {}},
      {"from the start point: the end piece takes the line's place",
       "tap 20 100\ntap 70 100\ndefault\n",
       {"line 70,100 180,100", "circle 100,40 r20"},
       {}},
      {"points beside the line fall onto it",
       "tap 60 103\ntap 90 97\ndefault\n",
       {"line 20,100 60,100", "line 90,100 180,100", "circle 100,40 r20"},
       {}},
      {"then the circle: it keeps the arc from the second point round to the first",
       "tap 60 100\ntap 90 100\ntap 120 40\ntap 120 40\ntap 100 60\ndefault\n",
       {"line 20,100 60,100", "line 90,100 180,100", "arc 100,40 r20 90..360"},
       {}},
      {"a point cannot be broken",
       "default\n",
       {"line 20,100 180,100", "circle 100,40 r20", "code 16"},
       {u"Selected object cannot be broken!"}},
  };
  for (const BreakCase& c : cases) {
    SCOPED_TRACE(c.name);
    const bool refused = !c.messages.empty();
    JournalSession s(
        std::string("command tool_BREAK\n") + "expect-prompt \"Select object to break? <done>\"\n" +
        (refused ? "tap 150 150\nanswer ok\n" : "tap 50 100\n") + c.journal + kUndoRedo);
    s.AddLine({20, 100}, {180, 100});
    s.drawing().entities.AddTail(new CircleEntity(Point(100, 40), 20, s.drawing().settings));
    s.drawing().entities.AddTail(new PointEntity(s.drawing().settings, Point(150, 150)));
    const Shapes before = LiveShapes(s.drawing());
    Outcome outcome;
    AddOutcomeProbes(s, outcome);
    s.Play();
    Shapes expected = c.after;
    if (!refused) expected.push_back("code 16");
    EXPECT_EQ(outcome.after, expected);
    EXPECT_TRUE(outcome.windowClean);
    EXPECT_EQ(Messages(s), c.messages);
    EXPECT_EQ(outcome.undone, refused ? expected : before);
    EXPECT_EQ(outcome.redone, expected);
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
  }
}

TEST(BreakCommand, AnswersOtherThanAPointEndItAndTakeTheHighlightOff) {
  const struct {
    const char* name;
    const char* journal;
  } cases[] = {
      {"done at the first point", "default\n"},
      {"cancel at the first point", "command 32819\n"},
      {"cancel at the second point", "tap 60 100\ncommand 32819\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command tool_BREAK\ntap 50 100\n") + c.journal +
                     "command 1001\n");
    s.AddLine({20, 100}, {180, 100});
    const Shapes before = LiveShapes(s.drawing());
    bool running = true;
    Bitmap window(0, 0);
    s.AddProbe(kAfter, [&](CommandEngine& engine) {
      running = engine.CurrentCommandId() != 0;
      window = engine.view().window();
    });
    s.Play();
    EXPECT_FALSE(running);
    EXPECT_EQ(LiveShapes(s.drawing()), before);
    EXPECT_EQ(window, s.windowBefore());
    EXPECT_FALSE(s.drawing().undo.CanUndo());
  }
}

struct TrimCase {
  const char* name;
  const char* journal;  // after the edges at x = 60 and x = 140 were chosen
  Shapes after;
  std::vector<std::u16string> messages;
};

TEST(TrimCommand, CutsTheTappedPieceBetweenTheEdges) {
  const TrimCase cases[] = {
      {"between two edges",
       "tap 100 100\n",
       {"line 20,100 60,100", "line 140,100 180,100", "line 60,20 60,180", "line 140,20 140,180",
        "line 20,150 50,150"},
       {}},
      {"outside both edges",
       "tap 30 100\n",
       {"line 60,100 180,100", "line 60,20 60,180", "line 140,20 140,180", "line 20,150 50,150"},
       {}},
      {"one after the other",
       "tap 100 100\ntap 160 100\n",
       {"line 20,100 60,100", "line 60,20 60,180", "line 140,20 140,180", "line 20,150 50,150"},
       {}},
      {"an object crossing no edge",
       "tap 30 150\nanswer ok\n",
       {"line 20,100 180,100", "line 60,20 60,180", "line 140,20 140,180", "line 20,150 50,150"},
       {u"Object does not intersect an edge!"}},
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command tool_TRIM\n") +
                     "expect-prompt \"Select object? <no more>\"\ntap 60 50\ntap 140 50\n"
                     "default\nexpect-prompt \"Select object to trim? <no more>\"\n" +
                     c.journal +
                     "expect-prompt \"Select object to trim? <no more>\"\ndefault\n"
                     "expect-prompt \"Select object? <no more>\"\ncommand 32819\n" +
                     kUndoRedo);
    s.AddLine({20, 100}, {180, 100});
    s.AddLine({60, 20}, {60, 180});
    s.AddLine({140, 20}, {140, 180});
    s.AddLine({20, 150}, {50, 150});
    const Shapes before = LiveShapes(s.drawing());
    Outcome outcome;
    AddOutcomeProbes(s, outcome);
    s.Play();
    const bool changed = c.messages.empty();
    EXPECT_EQ(outcome.after, c.after);
    EXPECT_TRUE(outcome.windowClean);
    EXPECT_EQ(Messages(s), c.messages);
    EXPECT_EQ(outcome.undone, changed ? before : c.after);
    EXPECT_EQ(outcome.redone, c.after);
    EXPECT_TRUE(s.drawing().selection.empty());
    for (const Entity* entity : s.drawing().entities) EXPECT_FALSE(entity->IsSelected());
  }
}

TEST(TrimCommand, EdgesCutAsChosenEvenWhenTrimmedThemselves) {
  JournalSession s(
      "command tool_TRIM\ntap 100 100\ntap 60 50\ndefault\ntap 60 40\n"
      "tap 100 100\ndefault\ncommand 32819\n" +
      kUndoRedo);
  s.AddLine({20, 100}, {180, 100});
  s.AddLine({60, 20}, {60, 180});
  s.AddLine({140, 20}, {140, 180});
  const Shapes before = LiveShapes(s.drawing());
  Outcome outcome;
  AddOutcomeProbes(s, outcome);
  s.Play();
  EXPECT_EQ(outcome.after,
            (Shapes{"line 20,100 60,100", "line 60,100 60,180", "line 140,20 140,180"}));
  EXPECT_TRUE(Messages(s).empty());
  EXPECT_TRUE(outcome.windowClean);
  EXPECT_EQ(outcome.undone, before);
  EXPECT_EQ(outcome.redone, outcome.after);
}

TEST(TrimCommand, ACircleLosesTheArcOnTheTapsSide) {
  JournalSession s("command tool_TRIM\ntap 30 100\ndefault\ntap 100 125\ndefault\ncommand 32819\n" +
                   kUndoRedo);
  s.AddLine({20, 100}, {180, 100});
  s.drawing().entities.AddTail(new CircleEntity(Point(100, 100), 20, s.drawing().settings));
  const Shapes before = LiveShapes(s.drawing());
  Outcome outcome;
  AddOutcomeProbes(s, outcome);
  s.Play();
  EXPECT_EQ(outcome.after, (Shapes{"line 20,100 180,100", "arc 100,100 r20 180..360"}));
  EXPECT_TRUE(outcome.windowClean);
  EXPECT_EQ(outcome.undone, before);
  EXPECT_EQ(outcome.redone, outcome.after);
}

struct ChamferCase {
  const char* name;
  const char* journal;  // after "command tool_CHAMFER"
  Shapes after;
  std::vector<std::u16string> messages;
  double firstDistance;  // in the drawing settings afterwards
};

TEST(ChamferCommand, ChamfersTwoLinesWithTheDialogsDistances) {
  const Shapes untouched{"line 20,100 100,100", "line 100,100 100,180", "line 20,40 100,40"};
  const ChamferCase cases[] = {
      {"trimmed to the chamfer, the joining line added",
       "expect-prompt \"Select first line? <options>\"\ntap 50 100\n"
       "expect-prompt \"Select second line? <select first>\"\ntap 100 150\n"
       "expect-prompt \"Select first line? <options>\"\n",
       {"line 20,100 80,100", "line 100,130 100,180", "line 20,40 100,40", "line 80,100 100,130"},
       {},
       20},
      {"without trim the lines stay whole",
       "tap 50 100\ntap 100 150\n",
       {"line 20,100 100,100", "line 100,100 100,180", "line 20,40 100,40", "line 80,100 100,130"},
       {},
       20},
      {"parallel lines", "tap 50 100\ntap 50 40\n", untouched, {u"Lines are parallel"}, 20},
      {"a distance beyond the line",
       "tap 50 100\ntap 100 150\n",
       untouched,
       {u"Distance is too large"},
       90},
      {"options again from the first prompt",
       "default\ndialog ok \"First chamfer distance\"=10 \"Second chamfer distance\"=10\n"
       "tap 50 100\ntap 100 150\n",
       {"line 20,100 90,100", "line 100,110 100,180", "line 20,40 100,40", "line 90,100 100,110"},
       {},
       10},
      {"select first again from the second prompt",
       "tap 20 40\nexpect-prompt \"Select second line? <select first>\"\ndefault\n"
       "expect-prompt \"Select first line? <options>\"\ntap 50 100\ntap 100 150\n",
       {"line 20,100 80,100", "line 100,130 100,180", "line 20,40 100,40", "line 80,100 100,130"},
       {},
       20},
  };
  for (const ChamferCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = c.name;
    const std::string trim = name == "without trim the lines stay whole" ? " Trim=No" : "";
    const std::string first = name == "a distance beyond the line" ? "90" : "20";
    JournalSession s("command tool_CHAMFER\ndialog ok \"First chamfer distance\"=" + first +
                     " \"Second chamfer distance\"=30" + trim + "\n" + c.journal +
                     (c.messages.empty() ? "" : "answer ok\n") + "command 32819\n" + kUndoRedo);
    s.AddLine({20, 100}, {100, 100});
    s.AddLine({100, 100}, {100, 180});
    s.AddLine({20, 40}, {100, 40});
    Outcome outcome;
    AddOutcomeProbes(s, outcome);
    s.Play();
    EXPECT_EQ(outcome.after, c.after);
    EXPECT_TRUE(outcome.windowClean);
    std::vector<std::u16string> texts;
    for (const auto& message : s.player().messageBox().Messages()) {
      EXPECT_EQ(message.icon, MessageIcon::Stop);
      texts.push_back(message.text);
    }
    EXPECT_EQ(texts, c.messages);
    EXPECT_EQ(outcome.undone, untouched);
    EXPECT_EQ(outcome.redone, c.after);
    EXPECT_EQ(s.drawing().settings.factorA, c.firstDistance);
  }
}

TEST(ChamferCommand, CancellingTheDialogEndsTheCommandAndUndoRestoresTheDistances) {
  JournalSession s(
      "command tool_CHAMFER\ndialog cancel\ncommand 1001\n"
      "command tool_CHAMFER\ndialog ok \"First chamfer distance\"=5\ncommand 32819\n"
      "command UNDO\n");
  s.AddLine({20, 100}, {100, 100});
  bool running = true;
  double afterCancel = 0;
  s.AddProbe(kAfter, [&](CommandEngine& engine) {
    running = engine.CurrentCommandId() != 0;
    afterCancel = engine.drawing().settings.factorA;
  });
  s.Play();
  EXPECT_FALSE(running);
  EXPECT_EQ(afterCancel, 1.0);
  EXPECT_EQ(s.drawing().settings.factorA, 1.0);
  EXPECT_FALSE(s.drawing().undo.CanUndo());
}

}  // namespace
}  // namespace korvo
