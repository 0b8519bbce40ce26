#pragma once

#include <cstdint>
#include <string_view>

#include "platform/key_code.h"

namespace korvo {

class Window;

enum class MessageKind : uint8_t {
  Paint,       // the window should repaint; at most one is queued per window
  Size,        // the client size changed: x = width, y = height (pixels)
  Command,     // commandId
  PenDown,     // x, y: client pixels
  PenMove,     // x, y: client pixels; penDown tells whether the pen touches the screen
  PenUp,       // x, y: client pixels
  KeyDown,     // keyCode
  Timer,       // timerId
  HScroll,     // scrollCode, scrollPosition
  VScroll,     // scrollCode, scrollPosition
  Close,       // the user asked to close the window
  Quit,        // the message loop ends; never queued, Get returns it (see MessageQueue)
  Registered,  // registeredId (from MessageQueue::RegisterMessage), wParam, lParam
  ZoomAt,      // x, y: the client pixel whose world point stays put; zoomFactor
};

// What moves the pen of a pen message. A desktop pointer also moves with nothing pressed, and
// has a button of its own that drags the view whatever is asked.
enum class PenRole : uint8_t {
  Pen,    // the pen, a finger, or the primary mouse button
  Hover,  // moves only: the pointer with no button pressed
  Pan,    // down, moves, up: drags the view
};

// A window message: a plain value, copied into and out of the queue. Each kind uses only the
// fields named beside it above; the others stay zero.
struct Message {
  MessageKind kind = MessageKind::Paint;
  Window* target = nullptr;
  uint32_t commandId = 0;
  KeyCode keyCode{};
  int x = 0;
  int y = 0;
  bool penDown = false;
  PenRole penRole = PenRole::Pen;  // pen messages
  // The new window size over the old: below 1 zooms in.
  double zoomFactor = 0;
  int scrollCode = 0;
  int scrollPosition = 0;
  uint32_t timerId = 0;
  uint32_t registeredId = 0;
  // 32 bits each, so that values packed two to a parameter keep their layout.
  uint32_t wParam = 0;
  uint32_t lParam = 0;
  // Stamped by MessageQueue::Post: tells a message for a destroyed window from one for a new
  // window that happens to live at the same address.
  uint64_t targetSerial = 0;
};

inline Message CommandMessage(Window* target, uint32_t commandId) {
  Message m;
  m.kind = MessageKind::Command;
  m.target = target;
  m.commandId = commandId;
  return m;
}

inline Message PenMessage(MessageKind kind, Window* target, int x, int y, bool penDown) {
  Message m;
  m.kind = kind;
  m.target = target;
  m.x = x;
  m.y = y;
  m.penDown = penDown;
  return m;
}

inline Message HoverMessage(Window* target, int x, int y) {
  Message m = PenMessage(MessageKind::PenMove, target, x, y, false);
  m.penRole = PenRole::Hover;
  return m;
}

inline Message PanMessage(MessageKind kind, Window* target, int x, int y) {
  Message m = PenMessage(kind, target, x, y, false);
  m.penRole = PenRole::Pan;
  return m;
}

inline Message ZoomAtMessage(Window* target, int x, int y, double factor) {
  Message m;
  m.kind = MessageKind::ZoomAt;
  m.target = target;
  m.x = x;
  m.y = y;
  m.zoomFactor = factor;
  return m;
}

inline Message KeyMessage(Window* target, KeyCode key) {
  Message m;
  m.kind = MessageKind::KeyDown;
  m.target = target;
  m.keyCode = key;
  return m;
}

inline Message RegisteredMessage(Window* target, uint32_t registeredId, uint32_t wParam,
                                 uint32_t lParam) {
  Message m;
  m.kind = MessageKind::Registered;
  m.target = target;
  m.registeredId = registeredId;
  m.wParam = wParam;
  m.lParam = lParam;
  return m;
}

// Modal windows that pump messages during a command re-post pen messages meant for the view
// and announce it once with the message registered under this name.
inline constexpr std::u16string_view kPenRepostMessageName =
    u"{724D3E53-8893-471d-AB45-7D5F9DEED4B5}";

}  // namespace korvo
