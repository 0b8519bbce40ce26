#include "platform/message_queue.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "platform/event_source.h"
#include "platform/window.h"

namespace korvo {
namespace {

// Records what it receives; an optional action runs inside the handler.
class RecordingWindow : public Window {
 public:
  using Window::Window;
  bool HandleMessage(const Message& message) override {
    received.push_back(message);
    if (onMessage) onMessage(message);
    return true;
  }
  std::vector<Message> received;
  std::function<void(const Message&)> onMessage;
};

// Posts one scripted batch of commands per Supply call.
class ScriptedSource : public EventSource {
 public:
  ScriptedSource(Window& target, std::deque<std::vector<uint32_t>> batches)
      : target_(target), batches_(std::move(batches)) {}
  bool Supply(MessageQueue& queue) override {
    ++calls;
    if (batches_.empty()) return false;
    for (uint32_t id : batches_.front()) queue.Post(CommandMessage(&target_, id));
    batches_.pop_front();
    return true;
  }
  int calls = 0;

 private:
  Window& target_;
  std::deque<std::vector<uint32_t>> batches_;
};

std::vector<uint32_t> Commands(const std::vector<Message>& messages) {
  std::vector<uint32_t> ids;
  for (const Message& m : messages) {
    if (m.kind == MessageKind::Command) ids.push_back(m.commandId);
  }
  return ids;
}

TEST(MessageQueue, DeliversInPostingOrderThenQuits) {
  MessageQueue queue;
  RecordingWindow view(queue);
  queue.Post(CommandMessage(&view, 1));
  queue.Post(CommandMessage(&view, 2));
  queue.PostQuit(3);
  queue.Post(CommandMessage(&view, 4));  // queued before the loop ends: still delivered
  while (queue.PumpMessage()) {
  }
  EXPECT_EQ(Commands(view.received), (std::vector<uint32_t>{1, 2, 4}));
  // Quit stays: every nested loop that asks afterwards unwinds too.
  Message next;
  EXPECT_FALSE(queue.Get(next));
  EXPECT_EQ(next.kind, MessageKind::Quit);
  EXPECT_EQ(next.wParam, 3u);
  EXPECT_EQ(queue.ExitCode(), 3);
}

TEST(MessageQueue, PostingQuitRequestsQuit) {
  MessageQueue queue;
  Window view(queue);
  queue.Post(CommandMessage(&view, 1));
  Message quit;
  quit.kind = MessageKind::Quit;
  quit.wParam = 5;
  EXPECT_TRUE(queue.Post(quit));
  EXPECT_EQ(queue.size(), 1u);
  EXPECT_TRUE(queue.QuitRequested());
  EXPECT_EQ(queue.ExitCode(), 5);
}

TEST(MessageQueue, PeekFiltersByKindTargetAndTest) {
  MessageQueue queue;
  RecordingWindow view(queue);
  RecordingWindow frame(queue);
  queue.Post(PenMessage(MessageKind::PenMove, &view, 1, 1, false));
  queue.Post(CommandMessage(&frame, 7));
  queue.Post(PenMessage(MessageKind::PenMove, &view, 2, 2, true));
  queue.Post(PenMessage(MessageKind::PenMove, &view, 3, 3, true));

  struct Case {
    const char* name;
    MessageFilter filter;
    bool found;
    int x;  // of the first match
  } cases[] = {
      {"anything", {}, true, 1},
      {"pen moves", {MessageKind::PenMove, nullptr, {}}, true, 1},
      {"pen moves with the pen down",
       {MessageKind::PenMove, &view, [](const Message& m) { return m.penDown; }},
       true,
       2},
      {"commands to the view", {MessageKind::Command, &view, {}}, false, 0},
      {"commands to the frame", {MessageKind::Command, &frame, {}}, true, 0},
      {"key presses", {MessageKind::KeyDown, nullptr, {}}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Message found;
    EXPECT_EQ(queue.Peek(found, c.filter), c.found);
    EXPECT_EQ(queue.Contains(c.filter), c.found);
    if (c.found) {
      EXPECT_EQ(found.x, c.x);
    }
    EXPECT_EQ(queue.size(), 4u) << "peeking without removal keeps the queue";
  }

  Message taken;
  ASSERT_TRUE(queue.Peek(taken, {MessageKind::Command, nullptr, {}}, PeekMode::Remove));
  EXPECT_EQ(taken.commandId, 7u);
  ASSERT_EQ(queue.size(), 3u);
  Message first;
  ASSERT_TRUE(queue.Get(first));
  EXPECT_EQ(first.x, 1) << "removing from the middle keeps the others in order";
}

TEST(MessageQueue, AsksTheSourceOnlyWhenEmpty) {
  MessageQueue queue;
  RecordingWindow view(queue);
  ScriptedSource source(view, {{10, 11}, {}, {12}});
  queue.SetEventSource(&source);
  queue.Post(CommandMessage(&view, 1));

  // A handler that posts keeps the source waiting until its message is served.
  view.onMessage = [&](const Message& m) {
    if (m.commandId == 10) queue.Post(CommandMessage(&view, 100));
  };
  Message peeked;
  EXPECT_TRUE(queue.Peek(peeked));
  EXPECT_EQ(source.calls, 0) << "peeking never asks the source";
  while (queue.PumpMessage()) {
  }
  EXPECT_EQ(Commands(view.received), (std::vector<uint32_t>{1, 10, 11, 100, 12}));
  EXPECT_EQ(source.calls, 4) << "three batches (one empty), then the answer 'no more'";
  EXPECT_TRUE(queue.QuitRequested());
}

TEST(MessageQueue, NoSourceMeansQuitWhenEmpty) {
  MessageQueue queue;
  Message m;
  EXPECT_FALSE(queue.Get(m));
  EXPECT_EQ(m.kind, MessageKind::Quit);
  EXPECT_FALSE(queue.PumpMessage());
}

TEST(MessageQueue, SourceThatNeverPostsIsTakenAsExhausted) {
  struct IdleSource : EventSource {
    bool Supply(MessageQueue&) override {
      ++calls;
      return true;
    }
    int calls = 0;
  } source;
  MessageQueue queue;
  queue.SetEventSource(&source);
  Message m;
  EXPECT_FALSE(queue.Get(m));
  EXPECT_GT(source.calls, 1);
  EXPECT_LE(source.calls, 1024);
}

TEST(MessageQueue, RegisteredIdsAreStablePerName) {
  MessageQueue queue;
  const uint32_t button = queue.RegisterMessage(u"qpxCAD:g_SetTBBtnMsg");
  const uint32_t repost = queue.RegisterMessage(u"{724D3E53-8893-471d-AB45-7D5F9DEED4B5}");
  EXPECT_EQ(button, 0xC000u);
  EXPECT_EQ(repost, 0xC001u);
  EXPECT_EQ(queue.RegisterMessage(u"qpxCAD:g_SetTBBtnMsg"), button);
  EXPECT_EQ(queue.RegisterMessage(u"QPXCAD:G_SETTBBTNMSG"), button);
  EXPECT_EQ(queue.RegisterMessage(u""), 0u);
}

TEST(MessageQueue, RegisteredRangeEndsAtFFFF) {
  MessageQueue queue;
  uint32_t last = 0;
  // Ideographs have no case, so every name is a new one.
  for (int i = 0; i < 0x4000; ++i) {
    last = queue.RegisterMessage(u"m" + std::u16string(1, static_cast<char16_t>(0x4E00 + i)));
  }
  EXPECT_EQ(last, 0xFFFFu);
  EXPECT_EQ(queue.RegisterMessage(u"one too many"), 0u);
  EXPECT_EQ(queue.RegisterMessage(u"m\u4E00"), 0xC000u) << "known names still answer";
}

TEST(MessageQueue, TimersTickOnTheVirtualClock) {
  MessageQueue queue;
  RecordingWindow view(queue);
  ASSERT_TRUE(queue.SetTimer(&view, 1, 100));
  ASSERT_TRUE(queue.SetTimer(&view, 2, 30));

  const auto ticks = [&] {
    std::vector<uint32_t> ids;
    Message m;
    while (queue.Peek(m, {}, PeekMode::Remove)) {
      if (m.kind == MessageKind::Timer) ids.push_back(m.timerId);
    }
    return ids;
  };
  queue.AdvanceTime(29);
  EXPECT_TRUE(ticks().empty());
  queue.AdvanceTime(1);
  EXPECT_EQ(ticks(), (std::vector<uint32_t>{2}));
  // Both fall due within one step: in the order they fell due, and missed ticks of timer 2
  // (at 60, 90, 120) are not stored up.
  queue.AdvanceTime(100);
  EXPECT_EQ(ticks(), (std::vector<uint32_t>{2, 1}));
  queue.AdvanceTime(20);  // now 150: timer 2 next due at 150
  EXPECT_EQ(ticks(), (std::vector<uint32_t>{2}));

  // A tick still queued is not doubled.
  queue.AdvanceTime(30);
  queue.AdvanceTime(30);
  EXPECT_EQ(ticks(), (std::vector<uint32_t>{2, 1}));

  EXPECT_TRUE(queue.KillTimer(&view, 2));
  EXPECT_FALSE(queue.KillTimer(&view, 2));
  queue.AdvanceTime(1000);
  EXPECT_EQ(ticks(), (std::vector<uint32_t>{1}));
}

TEST(MessageQueue, TimeToNextTimerIsTheNearestDueTime) {
  MessageQueue queue;
  RecordingWindow view(queue);
  EXPECT_EQ(queue.TimeToNextTimer(), std::nullopt) << "no timers: a source may sleep for good";
  queue.SetTimer(&view, 1, 100);
  queue.SetTimer(&view, 2, 30);
  EXPECT_EQ(queue.TimeToNextTimer(), std::optional<uint64_t>{30});
  queue.AdvanceTime(20);
  EXPECT_EQ(queue.TimeToNextTimer(), std::optional<uint64_t>{10});
  queue.KillTimer(&view, 2);
  EXPECT_EQ(queue.TimeToNextTimer(), std::optional<uint64_t>{80});
}

TEST(MessageQueue, KillingATimerDropsItsQueuedTick) {
  MessageQueue queue;
  RecordingWindow view(queue);
  queue.SetTimer(&view, 5, 10);
  queue.AdvanceTime(10);
  EXPECT_EQ(queue.size(), 1u);
  queue.KillTimer(&view, 5);
  EXPECT_TRUE(queue.empty());
}

TEST(MessageQueue, PaintsMergePerWindow) {
  MessageQueue queue;
  RecordingWindow view(queue);
  RecordingWindow frame(queue);
  Message paint;
  paint.kind = MessageKind::Paint;
  paint.target = &view;
  EXPECT_TRUE(queue.Post(paint));
  EXPECT_TRUE(queue.Post(paint));
  paint.target = &frame;
  EXPECT_TRUE(queue.Post(paint));
  EXPECT_EQ(queue.size(), 2u);
}

TEST(MessageQueue, RefusesPostsBeyondTheCap) {
  MessageQueue queue;
  RecordingWindow view(queue);
  for (std::size_t i = 0; i < MessageQueue::kMaxQueued; ++i) {
    ASSERT_TRUE(queue.Post(CommandMessage(&view, static_cast<uint32_t>(i))));
  }
  EXPECT_FALSE(queue.Post(CommandMessage(&view, 1)));
  EXPECT_EQ(queue.size(), MessageQueue::kMaxQueued);
  queue.PostQuit();  // quitting never fails
  EXPECT_TRUE(queue.QuitRequested());
  Message first;
  ASSERT_TRUE(queue.Get(first));
  EXPECT_EQ(first.commandId, 0u) << "the oldest messages are kept";
}

TEST(MessageQueue, MessagesForADestroyedWindowAreDropped) {
  MessageQueue queue;
  RecordingWindow frame(queue);
  // Destroyed in place, so that its address stays ours to compare after it is gone.
  std::optional<RecordingWindow> dialog;
  dialog.emplace(queue, &frame);
  Window* gone = &*dialog;
  queue.Post(CommandMessage(gone, 1));
  queue.Post(CommandMessage(&frame, 2));
  queue.Post(CommandMessage(gone, 3));
  queue.SetTimer(gone, 1, 10);
  dialog->SetCapture();

  // A message already taken off the queue when its window goes is not delivered either.
  Message taken;
  ASSERT_TRUE(queue.Get(taken));
  dialog.reset();
  EXPECT_FALSE(queue.Dispatch(taken));
  EXPECT_EQ(queue.GetCapture(), nullptr);
  EXPECT_FALSE(queue.Post(CommandMessage(gone, 4)));
  queue.AdvanceTime(100);
  while (queue.PumpMessage()) {
  }
  EXPECT_EQ(Commands(frame.received), (std::vector<uint32_t>{2}));
  EXPECT_EQ(frame.received.size(), 1u) << "no timer tick for the destroyed window";
}

TEST(MessageQueue, AHandlerMayDestroyItsOwnWindow) {
  MessageQueue queue;
  RecordingWindow frame(queue);
  auto dialog = std::make_unique<RecordingWindow>(queue, &frame);
  dialog->onMessage = [&](const Message&) { dialog.reset(); };
  queue.Post(CommandMessage(dialog.get(), 1));
  queue.Post(CommandMessage(dialog.get(), 2));
  queue.Post(CommandMessage(&frame, 3));
  while (queue.PumpMessage()) {
  }
  EXPECT_EQ(dialog, nullptr);
  EXPECT_EQ(Commands(frame.received), (std::vector<uint32_t>{3}));
}

TEST(MessageQueue, AWindowAtAReusedAddressGetsNoStaleMessage) {
  MessageQueue queue;
  alignas(RecordingWindow) unsigned char storage[sizeof(RecordingWindow)];
  auto* first = new (storage) RecordingWindow(queue);
  queue.Post(CommandMessage(first, 1));
  Message stale;
  ASSERT_TRUE(queue.Get(stale));
  first->~RecordingWindow();
  auto* second = new (storage) RecordingWindow(queue);
  EXPECT_FALSE(queue.Dispatch(stale));
  EXPECT_TRUE(second->received.empty());
  second->~RecordingWindow();
}

TEST(MessageQueue, NestedLoopsShareTheQueue) {
  // A command waiting for input pumps the same queue; a command posted meanwhile is served
  // by the inner loop, and the outer loop goes on after it.
  MessageQueue queue;
  RecordingWindow view(queue);
  std::vector<uint32_t> innerServed;
  view.onMessage = [&](const Message& m) {
    if (m.commandId != 1) return;
    queue.Post(CommandMessage(&view, 2));
    while (queue.PumpMessage()) {
      innerServed.push_back(view.received.back().commandId);
      if (view.received.back().commandId == 2) break;
    }
  };
  queue.Post(CommandMessage(&view, 1));
  queue.Post(CommandMessage(&view, 3));
  while (queue.PumpMessage()) {
  }
  EXPECT_EQ(innerServed, (std::vector<uint32_t>{3, 2}));
  EXPECT_EQ(Commands(view.received), (std::vector<uint32_t>{1, 3, 2}));
}

}  // namespace
}  // namespace korvo
