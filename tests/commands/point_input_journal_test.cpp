#include <gtest/gtest.h>

#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/line_entity.h"
#include "tests/commands/journal_harness.h"

namespace korvo::testing {
namespace {

struct Answer {
  InputResult result;
  Point point;
};

// A command on the identifier of "modify_MOVE" that asks for points with `base`, `def` and
// `flags` until the answer is Enter or Cancel, keeping every answer.
void AskPoints(JournalHarness& run, Point base, Point def, uint32_t flags,
               std::vector<Answer>& answers) {
  run.session->engine().RegisterCommand(
      CommandId::Move, [base, def, flags, &answers](CommandEngine& engine, int id) {
        engine.BeginCommand(id);
        for (;;) {
          Point p(-1, -1);
          const InputResult result = GetPoint(engine, base, def, p, StringId::ViewFirstCornerPrompt,
                                              StringId::ViewFirstCornerDescription, flags);
          answers.push_back({result, p});
          if (result == InputResult::Enter || result == InputResult::Cancel) break;
        }
        engine.EndCommand();
      });
}

std::vector<Answer> Picks(const std::vector<Answer>& answers) {
  std::vector<Answer> picks;
  for (const Answer& a : answers) {
    if (a.result == InputResult::Picked || a.result == InputResult::Default) picks.push_back(a);
  }
  return picks;
}

struct PickCase {
  const char* name;
  uint32_t flags;
  JournalHarness::Prepare prepare;
  const char* taps;
  std::vector<Point> expected;
};

void Ortho(Drawing& d) {
  JournalHarness::OneUnitAPixel(d);
  d.settings.orthoSnap = 1;
}

void GridSnapTen(Drawing& d) {
  JournalHarness::OneUnitAPixel(d);
  d.settings.gridSnap = 1;
  d.settings.snapSpacing = 10;
}

// Two lines whose ends lie near (10, 10): the first ends at 3 pixels, the second at 2.
void TwoLines(Drawing& d) {
  JournalHarness::OneUnitAPixel(d);
  d.entities.AddTail(new LineEntity(Point(13, 10), Point(13, 60), d.settings));
  d.entities.AddTail(new LineEntity(Point(10, 12), Point(80, 12), d.settings));
  d.settings.objectSnap = 1;
}

TEST(PointInputJournal, PickedPointsAreSnappedAndOrthoApplied) {
  const PickCase cases[] = {
      {"ortho keeps the larger movement from the base",
       0,
       Ortho,
       "tap 55 52\ntap 52 55\ntap 53 53\n",
       {{55, 50}, {50, 55}, {53, 50}}},
      {"no ortho for a point that refuses it", kPointNoOrtho, Ortho, "tap 55 52\n", {{55, 52}}},
      {"no ortho without a base", kPointNoBase, Ortho, "tap 55 52\n", {{55, 52}}},
      {"grid snap rounds exact halves toward zero",
       0,
       GridSnapTen,
       "tap 15 5\ntap 16 6\ntap 14 96\n",
       {{10, 0}, {20, 10}, {10, 100}}},
      {"object snap takes the nearer end",
       0,
       TwoLines,
       "tap 10 10\ntap 30 30\n",
       {{10, 12}, {30, 30}}},
      {"typed points are taken as typed", 0, Ortho, "point 55 52\n", {{55, 52}}},
      {"relative to the base", 0, Ortho, "relative 5 -2\n", {{55, 48}}},
      {"polar from the base", 0, Ortho, "polar 90 5\n", {{50, 55}}},
  };
  for (const PickCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Answer> answers;
    JournalHarness run(std::string("command modify_MOVE\n") + c.taps, c.prepare);
    AskPoints(run, Point(50, 50), Point(1, 2), c.flags, answers);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    const std::vector<Answer> picks = Picks(answers);
    ASSERT_EQ(picks.size(), c.expected.size());
    for (std::size_t i = 0; i < picks.size(); ++i) {
      EXPECT_EQ(picks[i].result, InputResult::Picked);
      EXPECT_NEAR(picks[i].point.x, c.expected[i].x, 1e-9) << i;
      EXPECT_NEAR(picks[i].point.y, c.expected[i].y, 1e-9) << i;
    }
    // The journal ran out while the command waited: the last answer cancelled it.
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.back().result, InputResult::Cancel);
    EXPECT_EQ(run.session->engine().CurrentCommandId(), 0);
  }
}

TEST(PointInputJournal, IntersectionNearerThanTheObjectSnapWins) {
  std::vector<Answer> answers;
  // Object snap finds the end (10, 10) at 3 pixels from the tap; the lines cross at
  // (10, 12), 2 pixels from that end.
  JournalHarness run("command modify_MOVE\ntap 13 10\n", [](Drawing& d) {
    JournalHarness::OneUnitAPixel(d);
    d.entities.AddTail(new LineEntity(Point(10, 10), Point(10, 60), d.settings));
    d.entities.AddTail(new LineEntity(Point(8, 12), Point(80, 12), d.settings));
    d.settings.objectSnap = 1;
    d.settings.intersectionSnap = 1;
  });
  AskPoints(run, Point(50, 50), Point(1, 2), 0, answers);
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  const std::vector<Answer> picks = Picks(answers);
  ASSERT_EQ(picks.size(), 1u);
  EXPECT_EQ(picks[0].point, Point(10, 12));
  EXPECT_EQ(run.session->engine().snapKind, SnapKind::Intersection);
}

TEST(PointInputJournal, DefaultOnlyWhenThePromptHasOne) {
  struct Case {
    const char* name;
    uint32_t flags;
    std::size_t picks;
  } cases[] = {
      {"with a default", 0, 1},
      {"no default: EnterDefault and Enter do nothing", kPointNoDefault, 0},
      {"no default, but allowed anyway", kPointNoDefault | kPointDefaultAnyway, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Answer> answers;
    JournalHarness run("command modify_MOVE\ndefault\nkey Enter\n");
    AskPoints(run, Point(50, 50), Point(1, 2), c.flags | kPointNoBase, answers);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    const std::vector<Answer> picks = Picks(answers);
    // Both "default" and Enter accept it when allowed.
    EXPECT_EQ(picks.size(), c.picks * 2);
    for (const Answer& a : picks) {
      EXPECT_EQ(a.result, InputResult::Default);
      EXPECT_EQ(a.point, Point(1, 2));
    }
  }
}

// The first prompt shows what the default gives: the default point, or the angle or distance
// from the base to it, so that the user knows what Enter answers.
TEST(PointInputJournal, PromptShowsTheAngleTheDistanceOrTheDefault) {
  struct Case {
    const char* name;
    Point base;
    Point defaultPoint;
    uint32_t flags;
    const char* prompt;
  } cases[] = {
      {"default point", {50, 50}, {1, 2}, 0, "First corner? <1, 2>"},
      {"angle to the default", {3, 3}, {1, 1}, kPointShowAngle, "First corner? <-135, >"},
      {"zero angle", {-4, 2}, {1, 2}, kPointShowAngle, "First corner? <0, >"},
      {"zero angle shown as 360",
       {-4, 2},
       {1, 2},
       kPointShowAngle | kPointZeroAs360,
       "First corner? <360, >"},
      {"distance to the default", {4, 6}, {1, 2}, kPointShowDistance, "First corner? <5, >"},
      {"no base: the default",
       {3, 4},
       {1, 2},
       kPointShowDistance | kPointNoBase,
       "First corner? <1, 2>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Answer> answers;
    // The cursor has not moved yet: it stands at (0, 0), which the prompt does not show.
    JournalHarness run(std::string("command modify_MOVE\nexpect-prompt \"") + c.prompt + "\"\n");
    AskPoints(run, c.base, c.defaultPoint, c.flags, answers);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  }
}

TEST(PointInputJournal, DraggingShowsTheCoordinatesAndReportsTheMoves) {
  std::vector<Answer> answers;
  JournalHarness run(
      "command modify_MOVE\n"
      "press 60 50\n"
      "expect-prompt \" 60.00,  50.00\"\n"
      "move 70 40\n"
      "release 70 40\n");
  AskPoints(run, Point(50, 50), Point(1, 2), 0, answers);
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  ASSERT_EQ(answers.size(), 4u);
  EXPECT_EQ(answers[0].result, InputResult::CursorMoved);
  EXPECT_EQ(answers[0].point, Point(60, 50));
  EXPECT_EQ(answers[1].result, InputResult::CursorMoved);
  EXPECT_EQ(answers[1].point, Point(70, 40));
  EXPECT_EQ(answers[2].result, InputResult::Picked);
  EXPECT_EQ(answers[2].point, Point(70, 40));
  EXPECT_EQ(answers[3].result, InputResult::Cancel);
}

TEST(PointInputJournal, KeepWaitingSwallowsTheMoves) {
  std::vector<Answer> answers;
  JournalHarness run(
      "command modify_MOVE\npress 60 50\nmove 70 40\nrelease-screen 500 500\n"
      "tap 20 20\n");
  AskPoints(run, Point(50, 50), Point(1, 2), kPointKeepWaiting, answers);
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[0].result, InputResult::Picked);
  EXPECT_EQ(answers[0].point, Point(20, 20));
}

TEST(PointInputJournal, ReleasingOutsideTheWindowPicksNothing) {
  std::vector<Answer> answers;
  JournalHarness run("command modify_MOVE\npress 60 50\nrelease-screen 500 500\n");
  AskPoints(run, Point(50, 50), Point(1, 2), 0, answers);
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers[0].result, InputResult::CursorMoved);
  EXPECT_EQ(answers[1].result, InputResult::PenMoved);
  EXPECT_EQ(answers[2].result, InputResult::Cancel);
}

TEST(PointInputJournal, DialogFlags) {
  struct Case {
    const char* name;
    uint32_t flags;
    const char* journal;
    JournalStatus status;
    InputResult result;
    Point point;
  } cases[] = {
      {"finish at once",
       kPointFinishAtOnce,
       "command modify_MOVE\n",
       JournalStatus::Ran,
       InputResult::Default,
       {-1, -1}},
      {"dialog at once",
       kPointDialogAtOnce,
       "command modify_MOVE\ndialog ok X=5 Y=6\n",
       JournalStatus::Ran,
       InputResult::Picked,
       {5, 6}},
      {"dialog cancelled",
       0,
       "command modify_MOVE\ncommand DialogInput\ndialog cancel\n",
       JournalStatus::Ran,
       InputResult::Cancel,
       {-1, -1}},
      {"no dialog: a typed point is not taken",
       kPointNoDialog,
       "command modify_MOVE\npoint 1 2\n",
       JournalStatus::SyntaxError,
       InputResult::Cancel,
       {-1, -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Answer> answers;
    JournalHarness run(c.journal);
    // One question only: the command ends after the first answer.
    run.session->engine().RegisterCommand(
        CommandId::Move, [&answers, flags = c.flags](CommandEngine& engine, int id) {
          engine.BeginCommand(id);
          Point p(-1, -1);
          const InputResult result =
              GetPoint(engine, Point(50, 50), Point(1, 2), p, StringId::ViewFirstCornerPrompt,
                       StringId::ViewFirstCornerDescription, flags);
          answers.push_back({result, p});
          engine.EndCommand();
        });
    EXPECT_EQ(run.Run().status, c.status) << run.outcome.message;
    if (c.status != JournalStatus::Ran) continue;
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].result, c.result);
    EXPECT_EQ(answers[0].point, c.point);
    EXPECT_EQ(run.session->engine().inputState, InputState::None);
  }
}

}  // namespace
}  // namespace korvo::testing
