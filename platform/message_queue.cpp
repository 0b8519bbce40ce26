#include "platform/message_queue.h"

#include <algorithm>
#include <limits>

#include "platform/event_source.h"
#include "platform/utf16.h"
#include "platform/window.h"

namespace korvo {
namespace {

// A source that keeps saying "more" without posting anything would spin the loop for ever.
constexpr int kMaxEmptySupplies = 1024;

bool IsTimerFor(const Message& m, const Window* window, uint32_t timerId) {
  return m.kind == MessageKind::Timer && m.target == window && m.timerId == timerId;
}

}  // namespace

bool MessageFilter::Matches(const Message& message) const {
  if (kind && message.kind != *kind) return false;
  if (target != nullptr && message.target != target) return false;
  return !match || match(message);
}

bool MessageQueue::Post(Message message) {
  if (message.kind == MessageKind::Quit) {
    PostQuit(static_cast<int>(message.wParam));
    return true;
  }
  if (message.target != nullptr) {
    const auto found = windows_.find(message.target);
    if (found == windows_.end()) return false;
    message.targetSerial = found->second;
  }
  if (message.kind == MessageKind::Paint) {
    const bool queued = std::any_of(queue_.begin(), queue_.end(), [&](const Message& m) {
      return m.kind == MessageKind::Paint && m.target == message.target;
    });
    if (queued) return true;
  }
  if (queue_.size() >= kMaxQueued) return false;
  queue_.push_back(message);
  return true;
}

void MessageQueue::PostQuit(int exitCode) {
  if (!quit_) exitCode_ = exitCode;
  quit_ = true;
}

bool MessageQueue::Peek(Message& out, const MessageFilter& filter, PeekMode mode) {
  const auto found = std::find_if(queue_.begin(), queue_.end(),
                                  [&](const Message& m) { return filter.Matches(m); });
  if (found == queue_.end()) return false;
  out = *found;
  if (mode == PeekMode::Remove) queue_.erase(found);
  return true;
}

bool MessageQueue::Contains(const MessageFilter& filter) const {
  return std::any_of(queue_.begin(), queue_.end(),
                     [&](const Message& m) { return filter.Matches(m); });
}

bool MessageQueue::AskSource() {
  if (source_ == nullptr || supplying_) return false;
  supplying_ = true;
  bool more = true;
  for (int empty = 0; more && queue_.empty() && empty < kMaxEmptySupplies; ++empty) {
    more = source_->Supply(*this);
  }
  supplying_ = false;
  return more && !queue_.empty();
}

bool MessageQueue::Get(Message& out) {
  if (queue_.empty() && !quit_ && !AskSource()) {
    // Nested inside the source's own Supply, an empty queue says nothing about the source.
    if (!supplying_) PostQuit(0);
  }
  if (queue_.empty()) {
    out = Message{};
    out.kind = MessageKind::Quit;
    out.wParam = static_cast<uint32_t>(exitCode_);
    return false;
  }
  out = queue_.front();
  queue_.pop_front();
  return true;
}

bool MessageQueue::Dispatch(const Message& message) {
  if (message.target == nullptr) return false;
  const auto found = windows_.find(message.target);
  if (found == windows_.end()) return false;
  if (message.targetSerial != 0 && message.targetSerial != found->second) return false;
  return message.target->HandleMessage(message);
}

bool MessageQueue::PumpMessage() {
  Message message;
  if (!Get(message)) return false;
  Dispatch(message);
  return true;
}

uint32_t MessageQueue::RegisterMessage(std::u16string_view name) {
  if (name.empty()) return 0;
  std::u16string key = ToUpper(name);
  const auto found = registered_.find(key);
  if (found != registered_.end()) return found->second;
  const uint32_t id = kFirstRegisteredId + static_cast<uint32_t>(registered_.size());
  if (id > 0xFFFF) return 0;
  registered_.emplace(std::move(key), id);
  return id;
}

bool MessageQueue::SetTimer(Window* window, uint32_t timerId, uint32_t intervalMs) {
  if (window == nullptr || !IsLive(window)) return false;
  const uint64_t interval = std::max<uint64_t>(intervalMs, 1);
  const uint64_t due =
      now_ > std::numeric_limits<uint64_t>::max() - interval ? now_ : now_ + interval;
  for (Timer& timer : timers_) {
    if (timer.window == window && timer.id == timerId) {
      timer.interval = interval;
      timer.due = due;
      return true;
    }
  }
  timers_.push_back({window, timerId, interval, due, nextTimerOrder_++});
  return true;
}

bool MessageQueue::KillTimer(Window* window, uint32_t timerId) {
  const auto found = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) {
    return t.window == window && t.id == timerId;
  });
  if (found == timers_.end()) return false;
  timers_.erase(found);
  // A tick already queued for a killed timer is not delivered either.
  std::erase_if(queue_, [&](const Message& m) { return IsTimerFor(m, window, timerId); });
  return true;
}

void MessageQueue::AdvanceTime(uint64_t ms) {
  now_ = now_ > std::numeric_limits<uint64_t>::max() - ms ? std::numeric_limits<uint64_t>::max()
                                                          : now_ + ms;
  PostDueTimers();
}

std::optional<uint64_t> MessageQueue::TimeToNextTimer() const {
  std::optional<uint64_t> next;
  for (const Timer& timer : timers_) {
    const uint64_t wait = timer.due > now_ ? timer.due - now_ : 0;
    if (!next || wait < *next) next = wait;
  }
  return next;
}

void MessageQueue::PostDueTimers() {
  std::vector<Timer*> due;
  for (Timer& timer : timers_) {
    if (timer.due <= now_) due.push_back(&timer);
  }
  std::sort(due.begin(), due.end(), [](const Timer* a, const Timer* b) {
    return a->due != b->due ? a->due < b->due : a->order < b->order;
  });
  for (Timer* timer : due) {
    const bool queued = std::any_of(queue_.begin(), queue_.end(), [&](const Message& m) {
      return IsTimerFor(m, timer->window, timer->id);
    });
    if (!queued) {
      Message tick;
      tick.kind = MessageKind::Timer;
      tick.target = timer->window;
      tick.timerId = timer->id;
      Post(tick);
    }
    // The next tick is the first one after now: ticks missed meanwhile are not stored up.
    const uint64_t missed = (now_ - timer->due) / timer->interval + 1;
    const uint64_t step = missed * timer->interval;
    timer->due = timer->due > std::numeric_limits<uint64_t>::max() - step
                     ? std::numeric_limits<uint64_t>::max()
                     : timer->due + step;
  }
}

Window* MessageQueue::SetCapture(Window* window) {
  Window* previous = capture_;
  capture_ = window != nullptr && IsLive(window) ? window : nullptr;
  return previous;
}

void MessageQueue::ReleaseCapture() {
  capture_ = nullptr;
}

void MessageQueue::AddWindow(Window* window) {
  if (window != nullptr) windows_[window] = nextSerial_++;
}

void MessageQueue::RemoveWindow(Window* window) {
  windows_.erase(window);
  std::erase_if(queue_, [&](const Message& m) { return m.target == window; });
  std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
  if (capture_ == window) capture_ = nullptr;
}

bool MessageQueue::IsLive(const Window* window) const {
  return windows_.count(window) != 0;
}

}  // namespace korvo
