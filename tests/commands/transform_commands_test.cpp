#include "commands/transform_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "core/drawing.h"
#include "core/element_code.h"
#include "tests/commands/journal_session.h"
#include "tests/support/point_near.h"

namespace korvo {
namespace {

using testing::ExpectPointNear;
using testing::JournalSession;
using testing::LiveEntities;

std::vector<LineEntity*> LiveLines(Drawing& drawing) {
  std::vector<LineEntity*> lines;
  for (Entity* entity : drawing.entities)
    if (!entity->IsErased() && entity->AsLine() != nullptr) lines.push_back(entity->AsLine());
  return lines;
}

void ExpectLine(const LineEntity* line, const Point& start, const Point& end) {
  ASSERT_NE(line, nullptr);
  ExpectPointNear(line->start, start, 1e-9);
  ExpectPointNear(line->end, end, 1e-9);
}

TEST(MoveCommand, MovesTheSelectionByTheDisplacement) {
  JournalSession s(
      "command modify_MOVE\n"
      "expect-prompt \"Select object? <no more>\"\ntap 100 100\ndefault\n"
      "expect-prompt \"Base point?\"\ntap 10 10\n"
      "expect-prompt \"Second point?\"\ntap 15 17\n"
      "expect-prompt \"Select object? <no more>\"\n");
  LineEntity* line = s.AddLine({20, 100}, {180, 100});
  LineEntity* other = s.AddLine({20, 40}, {180, 40});
  s.Play();
  ExpectLine(line, {25, 107}, {185, 107});
  ExpectLine(other, {20, 40}, {180, 40});
  EXPECT_TRUE(s.drawing().selection.empty());
  EXPECT_FALSE(line->IsSelected());
  EXPECT_EQ(s.drawing().undo.GroupSize(0), 1u);
  EXPECT_EQ(s.engine().CurrentCommandId(), 0);
}

TEST(CopyCommand, PlacesCopiesUntilNoMoreAndOneUndoTakesThemAll) {
  JournalSession s(
      "command draw_COPY\ntap 100 100\ndefault\ntap 0 0\n"
      "expect-prompt \"Second point? <no more>\"\ntap 0 10\ntap 0 20\ntap 0 30\ndefault\n"
      "expect-prompt \"Select object? <no more>\"\ncommand 1001\ncommand UNDO\n");
  LineEntity* line = s.AddLine({20, 100}, {180, 100});
  std::vector<LineEntity*> afterCopy;
  std::size_t records = 0;
  s.AddProbe(1001, [&](CommandEngine& engine) {
    afterCopy = LiveLines(engine.drawing());
    records = engine.drawing().undo.GroupSize(0);
  });
  s.Play();
  ASSERT_EQ(afterCopy.size(), 4u);
  EXPECT_EQ(afterCopy[0], line);
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    ExpectLine(afterCopy[i], {20, 100 + 10.0 * i}, {180, 100 + 10.0 * i});
    EXPECT_FALSE(afterCopy[i]->IsSelected());
  }
  EXPECT_EQ(records, 3u);
  EXPECT_EQ(LiveLines(s.drawing()), std::vector<LineEntity*>{line});
}

TEST(RotateCommand, TheAnswerDecidesWhatHappensToTheSources) {
  struct Case {
    const char* name;
    const char* answer;
    std::size_t lines;
    bool sourceRotated;
    bool canUndo;
  } cases[] = {
      {"yes: rotated in place", "yes", 1, true, true},
      {"no: rotated copies beside the sources", "no", 2, false, true},
      {"cancel: nothing", "cancel", 1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command modify_ROTATE\ntap 130 100\ndefault\n") +
                     "expect-prompt \"Base point?\"\ntap 100 100\n" +
                     "expect-prompt \"Angle?\"\ntap 100 150\nanswer " + c.answer + "\n");
    LineEntity* line = s.AddLine({100, 100}, {150, 100});
    s.Play();
    const std::vector<LineEntity*> lines = LiveLines(s.drawing());
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines[0], line);
    if (c.sourceRotated)
      ExpectLine(line, {100, 100}, {100, 150});
    else
      ExpectLine(line, {100, 100}, {150, 100});
    if (c.lines == 2) ExpectLine(lines[1], {100, 100}, {100, 150});
    EXPECT_TRUE(s.drawing().selection.empty());
    EXPECT_EQ(s.drawing().undo.CanUndo(), c.canUndo);
    ASSERT_EQ(s.player().messageBox().Messages().size(), 1u);
    EXPECT_EQ(s.player().messageBox().Messages()[0].text, u"Delete source objects?");
  }
}

TEST(RotateCommand, UndoOfCopiesRemovesOnlyTheCopies) {
  JournalSession s(
      "command modify_ROTATE\ntap 130 100\ndefault\ntap 100 100\ntap 50 100\nanswer no\n"
      "command UNDO\n");
  LineEntity* line = s.AddLine({100, 100}, {150, 100});
  const std::string before = LiveEntities(s.drawing());
  s.Play();
  EXPECT_EQ(LiveEntities(s.drawing()), before);
  EXPECT_EQ(LiveLines(s.drawing()), std::vector<LineEntity*>{line});
  EXPECT_EQ(s.drawing().entities.size(), 2u);  // the copy stays, erased, until discarded
}

TEST(ScaleCommand, TheDistanceIsTheFactor) {
  struct Case {
    const char* name;
    const char* at;
    Point end;
  } cases[] = {
      {"twice", "tap 20 102", {100, 100}},
      {"three times, sideways", "tap 23 100", {140, 100}},
      {"on the base: factor 1", "tap 20 100", {60, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command modify_SCALE\ntap 40 100\ndefault\n") +
                     "expect-prompt \"Base point?\"\ntap 20 100\n" +
                     "expect-prompt \"Scale factor?\"\n" + c.at + "\n");
    LineEntity* line = s.AddLine({20, 100}, {60, 100});
    s.Play();
    ExpectLine(line, {20, 100}, c.end);
    // Even a factor of 1 took its record.
    EXPECT_EQ(s.drawing().undo.GroupSize(0), 1u);
    EXPECT_TRUE(s.drawing().undo.CanUndo());
  }
}

TEST(MirrorCommand, ReflectsAboutTheLineThroughTheTwoPoints) {
  struct Case {
    const char* name;
    const char* line;
    const char* answer;
    Point start, end;
  } cases[] = {
      {"vertical through (0, 0)", "tap 0 0\ntap 0 10", "yes", {-3, 1}, {-13, 21}},
      {"vertical, drawn downwards", "tap 0 10\ntap 0 0", "yes", {-3, 1}, {-13, 21}},
      {"horizontal through y = 1", "tap 0 1\ntap 10 1", "yes", {3, 1}, {13, -19}},
      {"diagonal y = x", "tap 0 0\ntap 5 5", "yes", {1, 3}, {21, 13}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string("command modify_MIRROR\ntap 8 11\ndefault\n") +
                     "expect-prompt \"First point of mirror line?\"\n" + c.line + "\nanswer " +
                     c.answer + "\n");
    LineEntity* line = s.AddLine({3, 1}, {13, 21});
    s.Play();
    ExpectLine(line, c.start, c.end);
    EXPECT_EQ(LiveLines(s.drawing()).size(), 1u);
  }
}

TEST(MirrorCommand, AnsweredNoAddsMirroredCopies) {
  JournalSession s("command modify_MIRROR\ntap 8 11\ndefault\ntap 0 0\ntap 0 10\nanswer no\n");
  LineEntity* line = s.AddLine({3, 1}, {13, 21});
  s.Play();
  const std::vector<LineEntity*> lines = LiveLines(s.drawing());
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], {3, 1}, {13, 21});
  EXPECT_EQ(lines[0], line);
  ExpectLine(lines[1], {-3, 1}, {-13, 21});
}

TEST(MirrorCommand, AMirrorLineOfNoLengthIsAskedAgain) {
  JournalSession s(
      "command modify_MIRROR\ntap 70 20\ndefault\ntap 50 50\n"
      "expect-prompt \"Second point of mirror line?\"\ntap 50 50\n"
      "expect-prompt \"Second point of mirror line?\"\ntap 50 60\nanswer yes\n");
  LineEntity* line = s.AddLine({60, 20}, {80, 20});
  s.Play();
  ExpectLine(line, {40, 20}, {20, 20});
  EXPECT_TRUE(std::isfinite(line->start.x) && std::isfinite(line->end.y));
  EXPECT_EQ(s.player().messageBox().Messages().size(), 1u);
}

// A cancel at any prompt of any of these commands applies nothing of the step and ends the
// command; nothing stays selected.
TEST(TransformCommands, CancelAtAnyPromptAppliesNothing) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"move, selection", "command modify_MOVE\ntap 40 100\n"},
      {"move, base point", "command modify_MOVE\ntap 40 100\ndefault\n"},
      {"move, second point", "command modify_MOVE\ntap 40 100\ndefault\ntap 0 0\nmove 9 9\n"},
      {"copy, second point", "command draw_COPY\ntap 40 100\ndefault\ntap 0 0\nmove 9 9\n"},
      {"rotate, base point", "command modify_ROTATE\ntap 40 100\ndefault\n"},
      {"rotate, angle", "command modify_ROTATE\ntap 40 100\ndefault\ntap 20 100\n"},
      {"scale, base point", "command modify_SCALE\ntap 40 100\ndefault\n"},
      {"scale, factor", "command modify_SCALE\ntap 40 100\ndefault\ntap 20 100\nmove 25 100\n"},
      {"mirror, first point", "command modify_MIRROR\ntap 40 100\ndefault\n"},
      {"mirror, second point", "command modify_MIRROR\ntap 40 100\ndefault\ntap 0 0\n"},
      {"erase, selection", "command modify_ERASE\ntap 40 100\n"},
      {"front, selection", "command modify_FRONT\ntap 40 100\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string(c.journal) + "command 32819\n");
    s.AddLine({20, 100}, {60, 100});
    s.AddLine({20, 140}, {60, 140});
    const std::string before = LiveEntities(s.drawing());
    s.Play();
    EXPECT_EQ(LiveEntities(s.drawing()), before);
    EXPECT_FALSE(s.drawing().undo.CanUndo());
    EXPECT_TRUE(s.drawing().selection.empty());
    EXPECT_EQ(s.engine().CurrentCommandId(), 0);
    EXPECT_EQ(s.session().view().window(), s.windowBefore());
  }
}

// Every command, undone, redone and undone again: the same objects in the same order each
// time. Three lines: A (the one tapped), B above it and C off to the right.
TEST(TransformCommands, UndoRedoUndoGivesTheSameObjectsInTheSameOrder) {
  struct Case {
    const char* name;
    const char* journal;
  } cases[] = {
      {"move", "command modify_MOVE\ntap 40 100\ndefault\ntap 0 0\ntap 5 5\n"},
      {"copy", "command draw_COPY\ntap 40 100\ndefault\ntap 0 0\ntap 5 5\ntap 9 9\ndefault\n"},
      {"rotate, yes",
       "command modify_ROTATE\ntap 40 100\ndefault\ntap 20 100\ntap 20 150\n"
       "answer yes\n"},
      {"rotate, no",
       "command modify_ROTATE\ntap 40 100\ndefault\ntap 20 100\ntap 20 150\n"
       "answer no\n"},
      {"scale", "command modify_SCALE\ntap 40 100\ndefault\ntap 20 100\ntap 20 103\n"},
      {"mirror, yes",
       "command modify_MIRROR\ntap 40 100\ndefault\ntap 0 0\ntap 0 10\n"
       "answer yes\n"},
      {"mirror, no",
       "command modify_MIRROR\ntap 40 100\ndefault\ntap 0 0\ntap 0 10\n"
       "answer no\n"},
      {"erase", "command modify_ERASE\ntap 40 100\ntap 40 140\ndefault\n"},
      {"bring to front", "command modify_FRONT\ntap 40 100\ndefault\n"},
      {"send to back", "command modify_BACK\ntap 140 50\ndefault\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalSession s(std::string(c.journal) +
                     "command 1001\ncommand UNDO\ncommand 1001\ncommand REDO\ncommand 1001\n"
                     "command UNDO\ncommand 1001\n");
    s.AddLine({20, 100}, {60, 100});
    s.AddLine({20, 140}, {60, 140});
    s.AddLine({120, 40}, {160, 60});
    const std::string original = LiveEntities(s.drawing());
    std::vector<std::string> seen;
    s.AddProbe(1001,
               [&](CommandEngine& engine) { seen.push_back(LiveEntities(engine.drawing())); });
    s.Play();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_NE(seen[0], original);
    EXPECT_EQ(seen[1], original);
    EXPECT_EQ(seen[2], seen[0]);
    EXPECT_EQ(seen[3], original);
  }
}

// The view marks entities outside the picture's window and skips them; the marks are
// recomputed only when the window changes, so a moved entity gets its mark anew.
TEST(MoveCommand, MovedEntitiesGetTheirOutOfViewMarkAnew) {
  JournalSession out("command modify_MOVE\ntap 30 100\ndefault\ntap 0 0\npoint 1000 0\n");
  LineEntity* leaving = out.AddLine({20, 100}, {40, 100});
  out.Play();
  ExpectLine(leaving, {1020, 100}, {1040, 100});
  EXPECT_NE(leaving->flags & EntityFlag::OutOfView, 0);

  JournalSession in("command modify_MOVE\ncommand 32911\ndefault\npoint 1000 0\ntap 0 0\n");
  LineEntity* coming = in.AddLine({1020, 100}, {1040, 100});
  in.Play();
  ExpectLine(coming, {20, 100}, {40, 100});
  EXPECT_EQ(coming->flags & EntityFlag::OutOfView, 0);
  // And the picture shows it.
  const View& view = in.session().view();
  const ScreenPoint middle = view.WorldToScreen(Point(30, 100));
  EXPECT_NE(view.window().Pixel(middle.x, middle.y), view.windowBackground());
}

// The editor (shell or command line) gets the editing commands with its session.
TEST(TransformCommands, EverySessionHasThem) {
  EditorSession session;
  for (const int id :
       {CommandId::Move, CommandId::Copy, CommandId::Rotate, CommandId::Scale, CommandId::Mirror,
        CommandId::Erase, CommandId::BringToFront, CommandId::SendToBack, CommandId::SelectWindow,
        CommandId::SelectAll, CommandId::DeselectAll}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(session.engine().HasHandler(id));
  }
}

}  // namespace
}  // namespace korvo
