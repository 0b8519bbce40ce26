#include <gtest/gtest.h>

#include <vector>

#include "commands/command_id.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "platform/command_menus.h"
#include "platform/message_queue.h"
#include "platform/prompt_line.h"
#include "tests/plugin/plugin_session.h"

namespace korvo::testing {
namespace {

constexpr int kProbe = PluginSession::kProbe;

struct Answer {
  int32_t code;
  PluginPoint point;
};

Answer Ask(PluginContext& context, const PluginPoint* base, const PluginPoint* reference,
           const char16_t* prompt, uint32_t flags) {
  Answer answer{0, {-1, -1}};
  answer.code = Service<GetPointFn>(context, PluginService::GetPoint)(
      &context, base, reference, &answer.point, prompt, u"help", flags);
  return answer;
}

int32_t Queue(PluginContext& context, PluginPoint p, int32_t code) {
  return Service<QueuePointFn>(context, PluginService::QueuePoint)(&context, &p, code);
}

TEST(PluginInput, QueuedPointsAreAnsweredLastQueuedFirst) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  EXPECT_EQ(Queue(context, {1, 1}, PluginInput::Cancel), 1);
  EXPECT_EQ(Queue(context, {2, 2}, PluginInput::Picked), 1);
  EXPECT_EQ(Queue(context, {3, 3}, PluginInput::CursorMoved), 1);
  const int32_t expected[] = {PluginInput::CursorMoved, PluginInput::Picked, PluginInput::Cancel};
  const double where[] = {3, 2, 1};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const Answer answer = Ask(context, nullptr, nullptr, u"?", 0);
    EXPECT_EQ(answer.code, expected[i]);
    EXPECT_EQ(answer.point.x, where[i]);
    EXPECT_EQ(answer.point.y, where[i]);
  }
  EXPECT_TRUE(context.queuedPoints.empty());
  EXPECT_TRUE(context.queuedCodes.empty());
}

TEST(PluginInput, AQueuedCursorMoveShowsTheCursorThere) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  Queue(context, {40, 50}, PluginInput::CursorMoved);
  Ask(context, nullptr, nullptr, u"?", 0);
  EXPECT_TRUE(s.session().view().cursorVisible());
  EXPECT_EQ(s.session().view().cursorWorld(), Point(40, 50));
  Queue(context, {60, 70}, PluginInput::Picked);
  Ask(context, nullptr, nullptr, u"?", 0);
  EXPECT_FALSE(s.session().view().cursorVisible());
}

TEST(PluginInput, AQuestionFirstShowsTheBlocksChangedSoFar) {
  PluginSession s("");
  auto* insert = new InsertEntity(u"PART", Point(50, 50), 1, 1, 0, s.drawing().settings);
  s.drawing().entities.AddTail(insert);
  PluginContext context(&s.engine(), u"");
  ASSERT_NE(AddLineService(context, {0, 0}, {5, 0}, {.target = u"PART"}), nullptr);
  EXPECT_TRUE(insert->expanded.empty());
  Queue(context, {1, 1}, PluginInput::Picked);
  Ask(context, nullptr, nullptr, u"?", 0);
  EXPECT_EQ(insert->expanded.size(), 1u);
  EXPECT_FALSE(context.changedBlocks.begin()->second);
}

TEST(PluginInput, AnInconsistentQueueIsRefused) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  context.queuedPoints.push_back(Point(1, 1));
  EXPECT_EQ(Ask(context, nullptr, nullptr, u"?", 0).code, PluginInput::QueueBroken);
  EXPECT_EQ(Queue(context, {2, 2}, PluginInput::Picked), 0);
  EXPECT_EQ(context.queuedPoints.size(), 1u);
  const QueuePointFn queue = Service<QueuePointFn>(context, PluginService::QueuePoint);
  context.queuedPoints.clear();
  EXPECT_EQ(queue(&context, nullptr, PluginInput::Picked), 0);
  // A code the queue cannot hold.
  const PluginPoint p{0, 0};
  EXPECT_EQ(queue(&context, &p, 70000), 0);
  EXPECT_TRUE(context.queuedCodes.empty());
}

// Runs one interactive question inside a journal and records what it answered and showed.
struct Question {
  const char* name;
  const char* journal;  // after "command 1000"
  const char16_t* prompt;
  bool withBase;
  uint32_t flags;
  int32_t code;
  PluginPoint point;
  std::u16string shown;  // the prompt line when the question started
};

TEST(PluginInput, AQuestionShowsThePluginsPromptAndAnswersWithTheHostsCodes) {
  const Question cases[] = {
      {"a tap",
       "tap 10 20\n",
       u"Start? <done>",
       false,
       0x53,
       PluginInput::Picked,
       {10, 20},
       u"Start? <done>"},
      {"the default, with the reference point in the prompt",
       "default\n",
       u"End? <%g,%g to close>",
       true,
       0,
       PluginInput::Default,
       {3, 4},
       u"End? <3,4 to close>"},
      {"OK where the default is not allowed",
       "command 1\n",
       u"End?",
       true,
       0x02,
       PluginInput::Enter,
       {-1, -1},
       u"End?"},
      {"the journal runs out",
       "",
       u"Point?",
       false,
       0x13,
       PluginInput::Cancel,
       {-1, -1},
       u"Point?"},
  };
  for (const Question& c : cases) {
    SCOPED_TRACE(c.name);
    PluginSession s(std::string("command 1000\n") + c.journal);
    Answer answer{};
    std::u16string shown;
    s.AddProbe(kProbe, [&](CommandEngine& engine) {
      PluginContext context(&engine, u"");
      engine.promptLine().AddListener([&shown](std::u16string_view text) {
        if (shown.empty()) shown = std::u16string(text);
      });
      const PluginPoint base{0, 0}, reference{3, 4};
      // Pen moves and cursor moves ask again, as the command set does.
      do {
        answer = Ask(context, c.withBase ? &base : nullptr, &reference, c.prompt, c.flags);
      } while (answer.code == PluginInput::CursorMoved || answer.code == PluginInput::PenMoved);
    });
    s.Play();
    EXPECT_EQ(answer.code, c.code);
    // Answers without a point leave the caller's (-1, -1).
    EXPECT_EQ(answer.point.x, c.point.x);
    EXPECT_EQ(answer.point.y, c.point.y);
    EXPECT_EQ(shown, c.shown);
  }
}

TEST(PluginInput, ASelectionRunsWithItsMenuBarAndEndsWithNoMore) {
  PluginSession s("command 1000\ntap 50 40\ndefault\n");
  LineEntity* line = s.AddLine({0, 40}, {100, 40});
  int32_t code = 0;
  int menuDuring = 0;
  s.AddProbe(kProbe, [&](CommandEngine& engine) {
    engine.BeginCommand(CommandId::Erase);
    engine.menus().SetListener([&menuDuring](int bar) {
      if (menuDuring == 0) menuDuring = bar;
    });
    PluginContext context(&engine, u"");
    code = Service<SelectObjectsFn>(context, PluginService::SelectObjects)(&context, u"Objects:");
    engine.menus().SetListener(nullptr);
    EXPECT_EQ(engine.menus().Shown(), kCommandMenuBar);
    engine.EndCommand();
  });
  s.Play();
  EXPECT_EQ(code, PluginInput::Default);
  EXPECT_EQ(menuDuring, kSelectionMenuBar);
  EXPECT_EQ(s.drawing().selection, (std::vector<Entity*>{line}));
}

TEST(PluginInput, StopCommandCancelsTheNextQuestion) {
  PluginSession s("command 1000\n");
  int32_t stopped = 0;
  Answer answer{};
  s.AddProbe(kProbe, [&](CommandEngine& engine) {
    engine.BeginCommand(CommandId::DrawLine);
    PluginContext context(&engine, u"");
    stopped = Service<StopCommandFn>(context, PluginService::StopCommand)(&context);
    answer = Ask(context, nullptr, nullptr, u"?", 0x13);
    engine.EndCommand();
  });
  s.Play();
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(answer.code, PluginInput::Cancel);
}

// The prompt bar always shows in the main window: the service succeeds wherever there is one.
TEST(PluginInput, ShowMainBarNeedsALiveContext) {
  PluginSession s("");
  PluginContext live(&s.engine(), u"");
  EXPECT_EQ(Service<ShowMainBarFn>(live, PluginService::ShowMainBar)(&live), 1);
  PluginContext dead(nullptr, u"");
  EXPECT_EQ(Service<ShowMainBarFn>(dead, PluginService::ShowMainBar)(&dead), 0);
}

TEST(PluginInput, PumpingKeepsThePensMessagesForTheNextQuestion) {
  PluginSession s("");
  PluginContext context(&s.engine(), u"");
  MessageQueue& queue = s.session().queue();
  Window& viewWindow = s.session().viewWindow();
  queue.Post(PenMessage(MessageKind::PenDown, &viewWindow, 10, 10, true));
  queue.Post(KeyMessage(&viewWindow, KeyCode::Enter));
  const PumpMessagesFn pump = Service<PumpMessagesFn>(context, PluginService::PumpMessages);
  EXPECT_EQ(pump(&context), 0);
  // Both are still there, in their order; the pump's marker came round and is gone.
  Message first, second;
  ASSERT_TRUE(queue.Peek(first, {}, PeekMode::Remove));
  ASSERT_TRUE(queue.Peek(second, {}, PeekMode::Remove));
  EXPECT_EQ(first.kind, MessageKind::PenDown);
  EXPECT_EQ(second.kind, MessageKind::KeyDown);
  EXPECT_TRUE(queue.empty());

  // A cancel dispatched while pumping is reported once and consumed.
  PluginSession t("");
  PluginContext other(&t.engine(), u"");
  t.engine().pluginRunning = true;
  t.session().queue().Post(CommandMessage(&t.session().frame(), CommandId::Stop));
  EXPECT_EQ(pump(&other), -1);
  EXPECT_EQ(t.engine().inputState, InputState::None);
  EXPECT_EQ(pump(&other), 0);
}

}  // namespace
}  // namespace korvo::testing
