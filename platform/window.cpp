#include "platform/window.h"

#include <algorithm>

#include "platform/message_queue.h"

namespace korvo {

Window::Window(MessageQueue& queue, Window* parent) : queue_(queue), parent_(parent) {
  queue_.AddWindow(this);
}

Window::~Window() {
  queue_.RemoveWindow(this);
}

void Window::SetClientSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Message size;
  size.kind = MessageKind::Size;
  size.x = width;
  size.y = height;
  Post(size);
}

bool Window::Post(Message message) {
  message.target = this;
  return queue_.Post(message);
}

void Window::SetCapture() {
  queue_.SetCapture(this);
}

void Window::ReleaseCapture() {
  if (HasCapture()) queue_.ReleaseCapture();
}

bool Window::HasCapture() const {
  return queue_.GetCapture() == this;
}

}  // namespace korvo
