#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "platform/event_source.h"

namespace korvo {

// Feeds the message queue from Qt: while the queue is empty, Qt's own events are processed,
// and the widgets' handlers post what they mean as messages. The queue's clock follows the
// real one, so the engine's timers fire as time passes; between events the source sleeps in
// Qt's wait, woken by input or by the next timer falling due, never by polling.
class QtEventSource : public EventSource {
 public:
  // `beforeWait` runs each time the queue has run dry, before the source waits: the shell
  // brings its widgets up to date with what the dispatched messages changed. `idle` (tests)
  // runs when Qt has nothing pending either and may post or send events; it returns false
  // once it has nothing more to do.
  explicit QtEventSource(std::function<void()> beforeWait);

  bool Supply(MessageQueue& queue) override;

  void SetIdleHook(std::function<bool()> idle) { idle_ = std::move(idle); }
  // No input will ever come again: the loop ends (the window was closed for good).
  void Finish() { finished_ = true; }

 private:
  // Moves the queue's clock to the real time elapsed; true when that posted something.
  bool FollowClock(MessageQueue& queue, std::size_t queued);
  void WakeForNextTimer(MessageQueue& queue);

  std::function<void()> beforeWait_;
  std::function<bool()> idle_;
  QElapsedTimer clock_;
  QTimer wake_;  // single shot: wakes the wait when the queue's next timer falls due
  bool finished_ = false;
};

}  // namespace korvo
