#include "app/qt_event_source.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <climits>

#include "platform/message_queue.h"

namespace korvo {

QtEventSource::QtEventSource(std::function<void()> beforeWait)
    : beforeWait_(std::move(beforeWait)) {
  clock_.start();
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
}

bool QtEventSource::FollowClock(MessageQueue& queue, std::size_t queued) {
  const qint64 elapsed = clock_.restart();
  if (elapsed > 0) queue.AdvanceTime(static_cast<uint64_t>(elapsed));
  return queue.size() > queued;
}

void QtEventSource::WakeForNextTimer(MessageQueue& queue) {
  const std::optional<uint64_t> next = queue.TimeToNextTimer();
  if (!next) {
    wake_.stop();
    return;
  }
  // Part of the wait may already have passed since the clock last moved.
  const uint64_t left = *next > static_cast<uint64_t>(clock_.elapsed())
                            ? *next - static_cast<uint64_t>(clock_.elapsed())
                            : 0;
  wake_.start(static_cast<int>(std::min<uint64_t>(left, INT_MAX)));
}

bool QtEventSource::Supply(MessageQueue& queue) {
  if (beforeWait_) beforeWait_();
  const std::size_t before = queue.size();
  while (!finished_ && !queue.QuitRequested()) {
    // Everything Qt has pending first; only then the test's next step or a wait.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (FollowClock(queue, before) || queue.QuitRequested()) return true;
    if (idle_ && idle_()) continue;
    WakeForNextTimer(queue);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (FollowClock(queue, before)) return true;
  }
  return !finished_;
}

}  // namespace korvo
