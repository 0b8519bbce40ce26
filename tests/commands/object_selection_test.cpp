#include "commands/object_selection.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "commands/command_engine.h"
#include "commands/string_table.h"
#include "platform/command_menus.h"
#include "tests/commands/journal_session.h"
#include "view/view.h"

namespace korvo {
namespace {

using testing::JournalSession;

// What a selection prompt left behind, taken as it returned.
struct SelectionRun {
  std::optional<InputResult> result;
  std::vector<Entity*> selection;
  PickedPoints picked;
  std::size_t newlySelected = 0;
  std::size_t newlyDeselected = 0;
  bool selectingMany = true;
  CursorStyle cursorStyle = CursorStyle::PickBox;
};

// "command 1000" runs SelectObjects as a command would.
SelectionRun& ProbeSelection(JournalSession& s, SelectionRun& run, SelectionMode mode,
                             EntityFilter filter = {}) {
  s.AddProbe(JournalSession::kProbe, [&run, mode, filter](CommandEngine& engine) {
    engine.BeginCommand(JournalSession::kProbe, kSelectionMenuBar);
    run.result = SelectObjects(engine, StringId::SelectObjectsPrompt, mode, &run.picked, filter);
    const Drawing& drawing = engine.drawing();
    run.selection = drawing.selection;
    run.newlySelected = drawing.newlySelected.size();
    run.newlyDeselected = drawing.newlyDeselected.size();
    run.selectingMany = engine.selectingMany;
    run.cursorStyle = engine.view().cursorStyle();
    engine.EndCommand();
  });
  return run;
}

TEST(ObjectSelection, ATapTogglesTheObjectUnderThePickBox) {
  struct Case {
    const char* name;
    const char* taps;
    bool selected;
  } cases[] = {
      {"once", "tap 100 100\n", true},
      {"twice", "tap 100 100\ntap 100 100\n", false},
      {"three times", "tap 100 100\ntap 102 98\ntap 100 100\n", true},
      {"beside it, within the pick box", "tap 100 106\n", true},
      {"on nothing", "tap 100 140\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command 1000\n") + c.taps + "default\n");
    LineEntity* line = s.AddLine({20, 100}, {180, 100});
    SelectionRun run;
    ProbeSelection(s, run, SelectionMode::Many);
    s.Play();
    EXPECT_EQ(run.result, InputResult::Default);
    EXPECT_EQ(line->IsSelected(), c.selected);
    EXPECT_EQ(run.selection, c.selected ? std::vector<Entity*>{line} : std::vector<Entity*>{});
    // Nothing painted meanwhile: the maps hold the net change, which for two taps is none.
    EXPECT_EQ(run.newlySelected, c.selected ? 1u : 0u);
    EXPECT_EQ(run.newlyDeselected, 0u);
    EXPECT_EQ(run.picked.size(), c.selected ? 1u : 0u);
    EXPECT_FALSE(run.selectingMany);
    EXPECT_EQ(run.cursorStyle, CursorStyle::Crosshair);
  }
}

TEST(ObjectSelection, PickedPointsFollowTheTaps) {
  JournalSession s(
      "command 1000\ntap 40 100\ntap 60 100\ntap 150 60\ntap 150 62\ntap 70 100\ndefault\n");
  LineEntity* a = s.AddLine({20, 100}, {180, 100});
  LineEntity* b = s.AddLine({150, 20}, {150, 180});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Many);
  s.Play();
  // a: selected at (40, 100), deselected at (60, 100), selected again at (70, 100); b:
  // selected, then deselected, so its point is gone.
  EXPECT_EQ(run.selection, std::vector<Entity*>{a});
  ASSERT_EQ(run.picked.size(), 1u);
  EXPECT_EQ(run.picked.at(a), Point(70, 100));
  EXPECT_FALSE(b->IsSelected());
}

TEST(ObjectSelection, AmongEquallyNearObjectsTheLaterOneIsPicked) {
  JournalSession s("command 1000\ntap 100 100\ndefault\n");
  s.AddLine({20, 100}, {180, 100});
  LineEntity* later = s.AddLine({20, 100}, {180, 100});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Many);
  s.Play();
  EXPECT_EQ(run.selection, std::vector<Entity*>{later});
}

TEST(ObjectSelection, ATapOnAPartOfABlockReferenceSelectsTheReference) {
  JournalSession s("command 1000\ntap 100 50\ndefault\n");
  InsertEntity* reference = s.AddReference({20, 50}, {180, 50});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Many);
  s.Play();
  EXPECT_EQ(run.selection, std::vector<Entity*>{reference});
}

TEST(ObjectSelection, LockedAndErasedObjectsCannotBeSelected) {
  JournalSession s("command 1000\ntap 100 40\ntap 100 80\ntap 100 120\ncommand 32911\ndefault\n");
  Layer* locked = s.AddLayer(u"LOCKED");
  locked->SetLocked(true);
  LineEntity* onLocked = s.AddLine({20, 40}, {180, 40}, locked);
  LineEntity* erased = s.AddLine({20, 80}, {180, 80});
  erased->flags |= EntityFlag::Erased;
  LineEntity* filtered = s.AddLine({20, 120}, {180, 120});
  LineEntity* plain = s.AddLine({20, 160}, {180, 160});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Many,
                 [filtered](const Entity& e) { return &e != filtered; });
  s.Play();
  // Neither the taps nor "Select All" took any of the three.
  EXPECT_EQ(run.selection, std::vector<Entity*>{plain});
  EXPECT_FALSE(onLocked->IsSelected());
  EXPECT_FALSE(erased->IsSelected());
  EXPECT_FALSE(filtered->IsSelected());
}

TEST(ObjectSelection, SelectAllSkipsALockedLayerAndDeselectAllUndoesIt) {
  struct Case {
    const char* name;
    const char* journal;
    int selected;
  } cases[] = {
      {"select all", "command 1000\ncommand 32911\ndefault\n", 2},
      {"select all, deselect all", "command 1000\ncommand 32911\ncommand 32912\ndefault\n", 0},
      {"deselect all, then a tap", "command 1000\ncommand 32912\ntap 100 160\ndefault\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(c.journal);
    Layer* locked = s.AddLayer(u"LOCKED");
    locked->SetLocked(true);
    s.AddLine({20, 40}, {180, 40});
    s.AddLine({20, 100}, {180, 100}, locked);
    s.AddLine({20, 160}, {180, 160});
    SelectionRun run;
    ProbeSelection(s, run, SelectionMode::Many);
    s.Play();
    EXPECT_EQ(run.result, InputResult::Default);
    EXPECT_EQ(static_cast<int>(run.selection.size()), c.selected);
    for (Entity* e : run.selection) EXPECT_NE(e->layer, locked);
  }
}

// Three lines: inside the window, crossing its right edge, and outside it.
TEST(ObjectSelection, AWindowSelectsWhatItTouchesWhicheverWayItIsDrawn) {
  struct Case {
    const char* name;
    const char* corners;
  } cases[] = {
      {"left to right, upwards", "tap 40 40\ntap 100 80\n"},
      {"right to left, downwards", "tap 100 80\ntap 40 40\n"},
      {"right to left, upwards", "tap 100 40\ntap 40 80\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command 1000\ncommand 32888\n") +
                     "expect-prompt \"First corner? <single>\"\n" + c.corners +
                     "expect-prompt \"First corner? <single>\"\ndefault\n"
                     "expect-prompt \"Select object? <no more>\"\ndefault\n");
    LineEntity* inside = s.AddLine({50, 50}, {60, 60});
    LineEntity* crossing = s.AddLine({70, 55}, {150, 55});
    s.AddLine({20, 150}, {40, 150});
    SelectionRun run;
    ProbeSelection(s, run, SelectionMode::Many);
    s.Play();
    EXPECT_EQ(run.result, InputResult::Default);
    EXPECT_EQ(run.selection, (std::vector<Entity*>{inside, crossing}));
    // A window records no tap points.
    EXPECT_TRUE(run.picked.empty());
  }
}

TEST(ObjectSelection, TheWindowShowsTheCommandMenuAndRestoresTheSelectionMenu) {
  JournalSession s("command 1000\ncommand 32888\ncommand 1001\ndefault\ncommand 1002\ndefault\n");
  s.AddLine({50, 50}, {60, 60});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Many);
  int duringWindow = 0, afterWindow = 0;
  CursorStyle styleDuringWindow = CursorStyle::None;
  s.AddProbe(1001, [&](CommandEngine& engine) {
    duringWindow = engine.menus().Shown();
    styleDuringWindow = engine.view().cursorStyle();
  });
  s.AddProbe(1002, [&](CommandEngine& engine) { afterWindow = engine.menus().Shown(); });
  s.Play();
  EXPECT_EQ(duringWindow, kCommandMenuBar);
  EXPECT_EQ(styleDuringWindow, CursorStyle::Crosshair);
  EXPECT_EQ(afterWindow, kSelectionMenuBar);
}

TEST(ObjectSelection, ASubCommandDuringAWindowLeavesTheWindowForIt) {
  struct Case {
    const char* name;
    const char* journal;
    std::size_t selected;
  } cases[] = {
      {"select all at the first corner", "command 32911\n", 2},
      {"select all at the second corner", "tap 10 10\ncommand 32911\n", 2},
      {"window again", "command 32888\ntap 40 40\ntap 100 80\ndefault\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command 1000\ncommand 32888\n") + c.journal +
                     "expect-prompt \"Select object? <no more>\"\ndefault\n");
    s.AddLine({50, 50}, {60, 60});
    s.AddLine({20, 150}, {40, 150});
    SelectionRun run;
    ProbeSelection(s, run, SelectionMode::Many);
    s.Play();
    EXPECT_EQ(run.result, InputResult::Default);
    EXPECT_EQ(run.selection.size(), c.selected);
  }
}

TEST(ObjectSelection, CancellingAWindowCornerCancelsTheSelection) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"at the first corner", "command 1000\ncommand 32888\ncommand 32819\n"},
      {"at the second corner", "command 1000\ncommand 32888\ntap 10 10\ncommand 32819\n"},
      {"OK at the first corner", "command 1000\ncommand 32888\ncommand 1\n"},
      {"OK at the second corner", "command 1000\ncommand 32888\ntap 10 10\ncommand 1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Were the selection still running, the tap would select the line and "default" end it.
    JournalSession s(std::string(c.journal) + "tap 55 55\ndefault\n");
    s.AddLine({50, 50}, {60, 60});
    SelectionRun run;
    ProbeSelection(s, run, SelectionMode::Many);
    s.Play();
    EXPECT_EQ(run.result, InputResult::Cancel);
    EXPECT_TRUE(s.drawing().selection.empty());
  }
}

TEST(ObjectSelection, SingleModeEndsAtTheFirstHitAndIgnoresTheWindow) {
  JournalSession s("command 1000\ntap 100 140\ncommand 1001\ncommand 32888\ntap 100 100\n");
  LineEntity* line = s.AddLine({20, 100}, {180, 100});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Single);
  bool windowEnabled = true;
  s.AddProbe(1001, [&](CommandEngine& engine) { windowEnabled = engine.selectingMany; });
  s.Play();
  EXPECT_EQ(run.result, InputResult::Picked);
  EXPECT_EQ(run.selection, std::vector<Entity*>{line});
  EXPECT_FALSE(windowEnabled);
}

TEST(ObjectSelection, PickObjectHandsOutTheEntityAndLeavesNothingSelected) {
  JournalSession s("command 1000\ntap 100 100\n");
  LineEntity* line = s.AddLine({20, 100}, {180, 100});
  LineEntity* other = s.AddLine({20, 40}, {180, 40});
  s.drawing().Select(other);
  std::optional<InputResult> result;
  Entity* picked = nullptr;
  PickedPoints points;
  s.AddProbe(JournalSession::kProbe, [&](CommandEngine& engine) {
    engine.BeginCommand(JournalSession::kProbe, kSelectionMenuBar);
    result = PickObject(engine, StringId::SelectObjectsPrompt, picked, &points);
    engine.EndCommand();
  });
  s.Play();
  EXPECT_EQ(result, InputResult::Picked);
  EXPECT_EQ(picked, line);
  EXPECT_TRUE(s.drawing().selection.empty());
  EXPECT_FALSE(line->IsSelected());
  EXPECT_FALSE(other->IsSelected());
  EXPECT_EQ(points.at(line), Point(100, 100));
}

// The pre-highlight: while the pen is down over an object, the object shows as a tap would
// leave it; moving off takes that away again, and nothing is left when the prompt ends.
TEST(ObjectSelection, ThePreHighlightShowsTheCandidateAndLeavesNoTrace) {
  JournalSession s(
      "command 1000\npress 100 100\ncommand 1001\nmove 100 140\ncommand 1002\n"
      "release 100 140\ndefault\n");
  LineEntity* line = s.AddLine({20, 100}, {180, 100});
  SelectionRun run;
  ProbeSelection(s, run, SelectionMode::Many);
  Bitmap overLine(0, 0), offLine(0, 0);
  s.AddProbe(1001, [&](CommandEngine& engine) { overLine = engine.view().window(); });
  s.AddProbe(1002, [&](CommandEngine& engine) { offLine = engine.view().window(); });
  s.Play();
  EXPECT_TRUE(run.selection.empty());
  View& view = s.session().view();
  ASSERT_FALSE(view.cursorVisible());
  EXPECT_EQ(view.window(), s.windowBefore());

  // What the window should have shown over the line: the line drawn selected with XOR
  // over the picture, and the pick box at the pen.
  view.SetCursorStyle(CursorStyle::PickBox);
  view.ShowCursor(true, view.WorldToScreen(Point(100, 100)));
  line->flags |= EntityFlag::Selected;
  view.DrawXor(*line);
  line->flags &= ~EntityFlag::Selected;
  EXPECT_EQ(overLine, view.window());
  EXPECT_NE(overLine, s.windowBefore());
  line->flags |= EntityFlag::Selected;
  view.DrawXor(*line);
  line->flags &= ~EntityFlag::Selected;
  view.HideCursor();
  view.ShowCursor(true, view.WorldToScreen(Point(100, 140)));
  EXPECT_EQ(offLine, view.window());
  view.HideCursor();
}

}  // namespace
}  // namespace korvo
