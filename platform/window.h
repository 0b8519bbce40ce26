#pragma once

#include <cstdint>

#include "platform/message.h"

namespace korvo {

class MessageQueue;

// A window on a message queue: the view and the main frame derive from it and answer the
// messages dispatched to them. The window joins its queue when it is constructed and leaves
// it when destroyed, taking its queued messages, timers and pen capture with it.
class Window {
 public:
  explicit Window(MessageQueue& queue, Window* parent = nullptr);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // True when the message was handled.
  virtual bool HandleMessage(const Message& message) {
    static_cast<void>(message);
    return false;
  }

  MessageQueue& Queue() const { return queue_; }
  Window* Parent() const { return parent_; }

  int ClientWidth() const { return width_; }
  int ClientHeight() const { return height_; }
  // Posts a Size message when the size changes; negative sizes are taken as 0.
  void SetClientSize(int width, int height);
  // Whether the client pixel lies inside the client area (right and bottom exclusive).
  bool ClientContains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // One 32-bit value for the owner's use (the view keeps its background colour here).
  uint32_t UserData() const { return userData_; }
  void SetUserData(uint32_t value) { userData_ = value; }

  // Posts to this window.
  bool Post(Message message);

  // Pen capture, kept by the queue.
  void SetCapture();
  void ReleaseCapture();
  bool HasCapture() const;

 private:
  MessageQueue& queue_;
  Window* parent_;
  int width_ = 0;
  int height_ = 0;
  uint32_t userData_ = 0;
};

}  // namespace korvo
