#include "app/qt_event_source.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "platform/message_queue.h"

namespace korvo {

QtEventSource::QtEventSource(std::function<void()> beforeWait)
    : beforeWait_(std::move(beforeWait)) {
  clock_.start();
  tick_.setInterval(20);
  tick_.start();
}

bool QtEventSource::Supply(MessageQueue& queue) {
  if (beforeWait_) beforeWait_();
  const std::size_t before = queue.size();
  while (!finished_ && !queue.QuitRequested()) {
    // Everything Qt has pending first; only then the test's next step or a wait.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 elapsed = clock_.restart();
    if (elapsed > 0) queue.AdvanceTime(static_cast<uint64_t>(elapsed));
    if (queue.size() > before || queue.QuitRequested()) return true;
    if (idle_ && idle_()) continue;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 waited = clock_.restart();
    if (waited > 0) queue.AdvanceTime(static_cast<uint64_t>(waited));
    if (queue.size() > before) return true;
  }
  return !finished_;
}

}  // namespace korvo
