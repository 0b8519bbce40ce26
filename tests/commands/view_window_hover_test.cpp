#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "platform/event_source.h"
#include "platform/message_queue.h"
#include "tests/support/one_unit_a_pixel.h"

namespace korvo::testing {
namespace {

// Plays one step each time the queue runs dry, as a user at the screen would act once the
// editor is idle; after the last step the input ends.
class Steps : public EventSource {
 public:
  void Then(std::function<void()> step) { steps_.push_back(std::move(step)); }
  bool Supply(MessageQueue&) override {
    if (steps_.empty()) return false;
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
    return true;
  }

 private:
  std::deque<std::function<void()>> steps_;
};

EditorSessionOptions Options() {
  EditorSessionOptions options;
  options.width = 101;
  options.height = 101;
  return options;
}

// A session of 101 x 101 pixels, one world unit a pixel: screen (x, y) is world (x, 100 - y).
struct HoverRun {
  HoverRun() {
    ShowOneUnitAPixel(session.drawing().settings, 101);
    session.drawing().settings.gridSnap = 0;
    session.drawing().settings.objectSnap = 0;
    session.DrawingLoaded();
    session.queue().SetEventSource(&steps);
  }
  ~HoverRun() { session.queue().SetEventSource(nullptr); }
  HoverRun(const HoverRun&) = delete;
  HoverRun& operator=(const HoverRun&) = delete;

  void Post(const Message& message) { session.viewWindow().Post(message); }
  void Tap(int x, int y) {
    Window* view = &session.viewWindow();
    Post(PenMessage(MessageKind::PenDown, view, x, y, true));
    Post(PenMessage(MessageKind::PenUp, view, x, y, false));
  }
  void Hover(int x, int y) { Post(HoverMessage(&session.viewWindow(), x, y)); }
  void Key(KeyCode key) { Post(KeyMessage(&session.viewWindow(), key)); }
  std::size_t Entities() { return session.drawing().entities.size(); }

  EditorSession session{Options()};
  Steps steps;
};

struct HoverFixture : HoverRun, ::testing::Test {};

// The solid asks for its second point with a band drawn from the first to the cursor.
TEST_F(HoverFixture, HoverAtTheSecondPointMovesTheCursorAndTheBand) {
  Bitmap beforeHover{0, 0};
  Bitmap afterFirst{0, 0};
  steps.Then([&] { session.PostCommand(CommandId::DrawSolid); });
  steps.Then([&] { Tap(10, 90); });
  steps.Then([&] {
    beforeHover = session.view().window();
    Hover(60, 40);
  });
  steps.Then([&] {
    EXPECT_TRUE(session.view().cursorVisible());
    EXPECT_EQ(session.view().cursorWorld(), Point(60, 60));
    // The band from (10, 10) to the pointer passes (35, 35), where nothing was.
    EXPECT_NE(session.view().window().Pixel(35, 65), beforeHover.Pixel(35, 65));
    afterFirst = session.view().window();
    Hover(20, 30);
  });
  steps.Then([&] {
    EXPECT_EQ(session.view().cursorWorld(), Point(20, 70));
    // The first band went when the second came.
    EXPECT_EQ(session.view().window().Pixel(35, 65), beforeHover.Pixel(35, 65));
    EXPECT_NE(session.view().window(), afterFirst);
    EXPECT_EQ(session.engine().PromptId(), StringId::SolidSecondPrompt);  // hovering never picks
    Tap(20, 30);
  });
  steps.Then([&] {
    EXPECT_EQ(session.engine().PromptId(), StringId::SolidThirdPrompt);
    session.PostCommand(CommandId::Stop);
  });
  session.Run();
  EXPECT_EQ(Entities(), 0u);
}

TEST(ViewWindowHover, IsIgnoredWhereNoQuestionFollowsThePointer) {
  struct Case {
    const char* name;
    int commandId;  // 0: none runs
  } cases[] = {
      {"no command waits", 0},
      {"free-hand drawing draws with the pen only", CommandId::DrawFreeLine},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HoverRun run;
    if (c.commandId != 0) run.steps.Then([&] { run.session.PostCommand(c.commandId); });
    run.steps.Then([&] { run.Hover(30, 30); });
    run.steps.Then([&] { run.Hover(70, 60); });
    run.steps.Then([&] {
      EXPECT_EQ(run.session.drawing().settings.viewOrigin, Point(0, 0));  // no pan either
      EXPECT_EQ(run.Entities(), 0u);
      if (c.commandId == 0) {
        EXPECT_FALSE(run.session.view().cursorVisible());
      }
      run.session.PostCommand(CommandId::Stop);
    });
    run.session.Run();
    EXPECT_EQ(run.Entities(), 0u);
  }
}

TEST_F(HoverFixture, TheNewestOfQueuedHoversWins) {
  steps.Then([&] { session.PostCommand(CommandId::DrawSolid); });
  steps.Then([&] {
    Hover(10, 10);
    Hover(20, 20);
    Hover(30, 40);
  });
  steps.Then([&] {
    EXPECT_EQ(session.view().cursorWorld(), Point(30, 60));
    session.PostCommand(CommandId::Stop);
  });
  session.Run();
}

TEST(ViewWindowHover, TakesOverFromTheKeyboardCursor) {
  // After an arrow key Enter picks at the keyboard cursor and the next corner is asked; once
  // the pointer moved, Enter no longer picks.
  struct Case {
    const char* name;
    bool hover;
    bool picked;
  } cases[] = {{"keys alone pick", false, true}, {"a hover takes over", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HoverRun run;
    run.steps.Then([&] { run.session.PostCommand(CommandId::DrawSolid); });
    run.steps.Then([&] { run.Key(KeyCode::Right); });
    if (c.hover) run.steps.Then([&] { run.Hover(70, 20); });
    run.steps.Then([&] { run.Key(KeyCode::Enter); });
    run.steps.Then([&] {
      EXPECT_EQ(run.session.engine().PromptId() == StringId::SolidSecondPrompt, c.picked);
      run.session.PostCommand(CommandId::Stop);
    });
    run.session.Run();
    EXPECT_EQ(run.Entities(), 0u);
  }
}

TEST_F(HoverFixture, ThePanButtonDragsTheWindowWhileAQuestionWaits) {
  Window* view = &session.viewWindow();
  steps.Then([&] { session.PostCommand(CommandId::DrawSolid); });
  steps.Then([&] {
    Post(PanMessage(MessageKind::PenDown, view, 50, 50));
    Post(PanMessage(MessageKind::PenMove, view, 45, 48));
    Post(PanMessage(MessageKind::PenMove, view, 40, 45));
    Post(PanMessage(MessageKind::PenUp, view, 40, 45));
  });
  steps.Then([&] {
    // The world point under the button's start follows it: the window moves the other way.
    EXPECT_EQ(session.drawing().settings.viewOrigin, Point(10, -5));
    EXPECT_NE(session.engine().CurrentCommandId(), 0);  // the line still asks
    EXPECT_FALSE(session.view().dragging());
    session.PostCommand(CommandId::Stop);
  });
  session.Run();
  EXPECT_EQ(Entities(), 0u);
}

TEST(ViewWindowKeys, EnterWithNothingRunningAsksTheFrameForThePalette) {
  struct Case {
    const char* name;
    KeyCode key;
  } cases[] = {{"enter", KeyCode::Enter}, {"space", KeyCode::Space}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HoverRun run;
    int paletteRuns = 0;
    run.session.engine().RegisterCommand(CommandId::CommandPalette,
                                         [&](CommandEngine&, int) { ++paletteRuns; });
    run.steps.Then([&] { run.Key(c.key); });
    run.steps.Then([&] { EXPECT_EQ(paletteRuns, 1); });
    // While a command asks, the key answers it instead.
    run.steps.Then([&] { run.session.PostCommand(CommandId::DrawSolid); });
    run.steps.Then([&] { run.Key(c.key); });
    run.session.Run();
    EXPECT_EQ(paletteRuns, 1);
    EXPECT_EQ(run.session.engine().CurrentCommandId(), 0);
  }
}

TEST_F(HoverFixture, ZoomAtKeepsThePointUnderTheCursorWhileAQuestionWaits) {
  steps.Then([&] { session.PostCommand(CommandId::DrawSolid); });
  steps.Then([&] { Post(ZoomAtMessage(&session.viewWindow(), 20, 40, 0.5)); });
  steps.Then([&] {
    EXPECT_EQ(session.view().WorldToScreen(Point(20, 60)), (ScreenPoint{20, 40}));
    EXPECT_EQ(session.drawing().settings.viewExtent, (Size{50, 50}));
    session.PostCommand(CommandId::Stop);
  });
  session.Run();
}

// A zoom while the zoom window's frame follows the cursor repaints the frame away; the frame
// is drawn again where the pointer is, and no move draws the old one back as a ghost. Zooming
// in and out again keeps the mapping, so at the end the window must be a clean repaint with
// only the newest frame on it.
TEST_F(HoverFixture, AFrameWipedByAZoomIsNotDrawnBack) {
  Bitmap afterZoom{0, 0};
  Bitmap unframed{0, 0};
  Bitmap clean{0, 0};
  steps.Then([&] { session.PostCommand(CommandId::ZoomWindow); });
  steps.Then([&] { Tap(10, 90); });
  steps.Then([&] { Hover(60, 40); });
  steps.Then([&] { Post(ZoomAtMessage(&session.viewWindow(), 60, 40, 0.5)); });
  steps.Then([&] { Post(ZoomAtMessage(&session.viewWindow(), 60, 40, 2)); });
  steps.Then([&] {
    afterZoom = session.view().window();
    Hover(70, 30);
  });
  steps.Then([&] { Hover(60, 40); });
  steps.Then([&] {
    View& view = session.view();
    // The frame is back where the pointer is: taking it off by hand leaves what a repaint
    // shows.
    view.DrawRubberFrame(Point(10, 10), Point(60, 60));
    unframed = view.window();
    view.Paint();
    clean = view.window();
    session.PostCommand(CommandId::Stop);
  });
  session.Run();
  ASSERT_EQ(session.drawing().settings.viewExtent, (Size{100, 100}));
  EXPECT_NE(afterZoom, clean);
  EXPECT_EQ(unframed, clean);
}

}  // namespace
}  // namespace korvo::testing
