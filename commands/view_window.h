#pragma once

#include "platform/window.h"
#include "view/view.h"

namespace korvo {

class CommandEngine;

// The view's window: paints, sizes and scrolls the View, runs the commands the frame routes
// to it, and turns pen and key messages into cursor moves and answers while a command waits
// for input (or into panning and scrolling while none does). A hovering pointer moves the
// cursor as the pen does while a question waits; the pan button and the zoom message move the
// window whatever waits.
class ViewWindow : public Window {
 public:
  ViewWindow(MessageQueue& queue, Window* parent, View& view, CommandEngine& engine);

  bool HandleMessage(const Message& message) override;

 private:
  void PenDown(const ScreenPoint& p);
  void PenMove(const Message& message);
  // `fromKeys`: the keyboard cursor moved, not the pen.
  void MoveCursor(const ScreenPoint& p, bool fromKeys);
  void PenUp(const ScreenPoint& p);
  void Hover(const ScreenPoint& p);
  // The pan button: down, moves, up.
  void Pan(const Message& message);
  void KeyDown(KeyCode key);
  void MoveKeyCursor(KeyCode key);

  View& view_;
  CommandEngine& engine_;
  bool panning_ = false;  // the pan button's drag runs
};

}  // namespace korvo
