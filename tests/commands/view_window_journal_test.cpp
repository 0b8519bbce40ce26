#include <gtest/gtest.h>

#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "tests/commands/journal_harness.h"

namespace korvo::testing {
namespace {

// Picks of a command that asks for points (no base, keep waiting) until cancelled.
void CollectPicks(JournalHarness& run, std::vector<Point>& picks) {
  run.session->engine().RegisterCommand(CommandId::Move, [&picks](CommandEngine& engine, int id) {
    engine.BeginCommand(id);
    for (;;) {
      Point p;
      const InputResult result =
          GetPoint(engine, Point(), Point(), p, StringId::ViewFirstCornerPrompt,
                   StringId::ViewFirstCornerDescription, kPointNoBase | kPointKeepWaiting);
      if (result == InputResult::Picked) picks.push_back(p);
      if (result == InputResult::Cancel || result == InputResult::Enter) break;
    }
    engine.EndCommand();
  });
}

void GridSnapTen(Drawing& d) {
  JournalHarness::OneUnitAPixel(d);
  d.settings.gridSnap = 1;
  d.settings.snapSpacing = 10;
}

// Limits twice the window: (0, 0)-(200, 200), the window shows (0, 0)-(100, 100).
void WideLimitsGridSnapTen(Drawing& d) {
  GridSnapTen(d);
  d.settings.limitsMax = Point(200, 200);
}

TEST(KeyboardCursorJournal, ArrowsMoveTheCursorAndEnterPicks) {
  struct Case {
    const char* name;
    JournalHarness::Prepare prepare;
    const char* keys;
    std::vector<Point> picks;
    Point viewOrigin;
  } cases[] = {
      {"one pixel a key from the centre",
       JournalHarness::OneUnitAPixel,
       "key Right\nkey Enter\nkey Up\nkey Up\nkey Space\n",
       {{51, 50}, {51, 52}},
       {0, 0}},
      {"one snap step a key",
       GridSnapTen,
       "key Right\nkey Enter\nkey Down\nkey Left\nkey Enter\n",
       {{60, 50}, {50, 40}},
       {0, 0}},
      {"a move beyond the limits is refused",
       GridSnapTen,
       "key Right\nkey Right\nkey Right\nkey Right\nkey Right\nkey Right\nkey Enter\n",
       {{100, 50}},
       {0, 0}},
      {"leaving the window scrolls by half a window",
       WideLimitsGridSnapTen,
       "key Right\nkey Right\nkey Right\nkey Right\nkey Right\nkey Right\nkey Enter\n",
       {{100, 50}},
       {50, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Point> picks;
    JournalHarness run(std::string("command modify_MOVE\n") + c.keys, c.prepare);
    CollectPicks(run, picks);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    EXPECT_EQ(picks, c.picks);
    EXPECT_EQ(run.settings().viewOrigin, c.viewOrigin);
  }
}

TEST(KeyboardCursorJournal, EnterWithoutKeyboardCursorAcceptsTheDefault) {
  JournalHarness run(
      "command ZOOMWIN\nkey Enter\nexpect-prompt \"Opposite corner? <100, 100>\"\nkey Enter\n");
  EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
  // Both corners defaulted: the window stays the whole limits.
  EXPECT_EQ(run.settings().viewOrigin, Point(0, 0));
  EXPECT_EQ(run.settings().viewExtent.width, 100);
}

TEST(IdleViewJournal, ArrowsScrollAndThePenPans) {
  struct Case {
    const char* name;
    const char* journal;
    Point origin;
  } cases[] = {
      {"right arrow scrolls by half a window", "key Right\n", {50, 0}},
      {"up arrow scrolls up", "key Up\n", {0, 50}},
      {"scrolling stops at the limits", "key Right\nkey Right\nkey Right\n", {100, 0}},
      {"a pen drag pans, limits or not",
       "press-screen 50 50\nmove-screen 40 45\nrelease-screen 40 45\n",
       {10, -5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    JournalHarness run(c.journal, WideLimitsGridSnapTen);
    EXPECT_EQ(run.Run().status, JournalStatus::Ran) << run.outcome.message;
    EXPECT_EQ(run.settings().viewOrigin, c.origin);
  }
}

}  // namespace
}  // namespace korvo::testing
