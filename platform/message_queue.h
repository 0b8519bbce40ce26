#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/message.h"

namespace korvo {

class EventSource;

// Which queued messages a peek looks at. Empty members match everything.
struct MessageFilter {
  std::optional<MessageKind> kind;
  Window* target = nullptr;
  // A further test, e.g. "a pen move with the pen down".
  std::function<bool(const Message&)> match;

  bool Matches(const Message& message) const;
};

enum class PeekMode { Keep, Remove };

// The single-threaded queue every message loop runs on: the main loop, a command's wait for
// input and the pumps of modal dialogs all take their messages from here, so a message posted
// during a command is seen by whichever loop runs next.
//
// Quit is a state, not a queued message: after PostQuit, or once the event source has nothing
// more, the messages still queued are delivered first and then every Get returns Quit, so each
// nested loop unwinds in turn.
//
// Windows register themselves on construction and leave on destruction; leaving drops their
// queued messages, timers and pen capture, and Dispatch ignores messages for a window that is
// gone, so a handler may destroy a window that still has messages on their way.
class MessageQueue {
 public:
  // Posting beyond this many queued messages fails (Post returns false and the message is
  // dropped): a runaway producer loses its newest messages instead of exhausting memory.
  static constexpr std::size_t kMaxQueued = 65536;
  // The first identifier RegisterMessage hands out; the range ends at 0xFFFF.
  static constexpr uint32_t kFirstRegisteredId = 0xC000;

  // The queue must outlive every window on it.
  MessageQueue() = default;
  MessageQueue(const MessageQueue&) = delete;
  MessageQueue& operator=(const MessageQueue&) = delete;

  // Appends `message`. A Paint for a window that already has one queued is merged into it.
  // Messages for a window not on this queue are refused, as are messages beyond kMaxQueued.
  // A Quit message is not queued: it is PostQuit with its wParam as the exit code.
  bool Post(Message message);
  void PostQuit(int exitCode = 0);
  bool QuitRequested() const { return quit_; }
  int ExitCode() const { return exitCode_; }

  // Looks at the queued messages only (never asks the event source) and copies the first
  // match to `out`; with PeekMode::Remove it is also taken off the queue.
  bool Peek(Message& out, const MessageFilter& filter = {}, PeekMode mode = PeekMode::Keep);
  // Whether any queued message matches, e.g. whether a newer pen move with the pen down is
  // already on its way:
  //   queue.Contains({MessageKind::PenMove, view, [](const Message& m) { return m.penDown; }})
  bool Contains(const MessageFilter& filter) const;
  std::size_t size() const { return queue_.size(); }
  bool empty() const { return queue_.empty(); }

  // Takes the next message, asking the event source while the queue is empty. Returns false
  // with `out` holding a Quit message once quit was requested and the queue is empty.
  bool Get(Message& out);
  // Hands `message` to its window; false when nobody handled it (no target, a window that
  // was destroyed meanwhile, or a handler that declined).
  bool Dispatch(const Message& message);
  // One turn of a message loop: Get, then Dispatch. False when Quit was reached.
  bool PumpMessage();

  // The same name always yields the same identifier (names compare without regard to case),
  // from kFirstRegisteredId on; 0 when the name is empty or the range is used up.
  uint32_t RegisterMessage(std::u16string_view name);

  // Timers run on a virtual clock that moves only through AdvanceTime, so tests and
  // journals replay the same way every time. A timer posts one Timer message each time its
  // interval elapses, unless a Timer for it is still queued (missed ticks are not stored up).
  // Setting an existing (window, id) pair restarts it with the new interval; an interval of
  // 0 is taken as 1 ms.
  bool SetTimer(Window* window, uint32_t timerId, uint32_t intervalMs);
  bool KillTimer(Window* window, uint32_t timerId);
  // Moves the clock forward and posts the Timer messages that fell due, in the order in which
  // they fell due.
  void AdvanceTime(uint64_t ms);
  uint64_t Now() const { return now_; }
  // How long until the next timer falls due, 0 when one is due already; none without timers.
  // A source that waits for real time sleeps this long at most.
  std::optional<uint64_t> TimeToNextTimer() const;

  // The window that receives the pen wherever it goes; at most one at a time.
  Window* SetCapture(Window* window);
  void ReleaseCapture();
  Window* GetCapture() const { return capture_; }

  // Not owned; null removes the source. A source is never asked from within its own Supply.
  void SetEventSource(EventSource* source) { source_ = source; }
  EventSource* GetEventSource() const { return source_; }

  // Called by Window; not for other callers.
  void AddWindow(Window* window);
  void RemoveWindow(Window* window);
  bool IsLive(const Window* window) const;

 private:
  struct Timer {
    Window* window;
    uint32_t id;
    uint64_t interval;
    uint64_t due;
    uint64_t order;  // keeps timers falling due at the same time in the order they were set
  };

  bool AskSource();
  void PostDueTimers();

  std::deque<Message> queue_;
  std::unordered_map<const Window*, uint64_t> windows_;  // live window to serial
  uint64_t nextSerial_ = 1;
  std::unordered_map<std::u16string, uint32_t> registered_;  // upper-cased name to id
  std::vector<Timer> timers_;
  uint64_t nextTimerOrder_ = 0;
  uint64_t now_ = 0;
  Window* capture_ = nullptr;
  EventSource* source_ = nullptr;
  bool supplying_ = false;
  bool quit_ = false;
  int exitCode_ = 0;
};

}  // namespace korvo
