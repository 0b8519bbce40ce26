#include "commands/view_window.h"

#include "commands/command_engine.h"
#include "platform/message_queue.h"

namespace korvo {

ViewWindow::ViewWindow(MessageQueue& queue, Window* parent, View& view, CommandEngine& engine)
    : Window(queue, parent), view_(view), engine_(engine) {}

bool ViewWindow::HandleMessage(const Message& message) {
  switch (message.kind) {
    case MessageKind::Paint:
      view_.Paint();
      return true;
    case MessageKind::Size: {
      view_.Resize(message.x, message.y);
      Message paint;
      paint.kind = MessageKind::Paint;
      paint.target = this;
      Post(paint);
      return true;
    }
    case MessageKind::HScroll:
    case MessageKind::VScroll: {
      if (message.scrollCode < 0 || message.scrollCode > static_cast<int>(ScrollCode::EndScroll))
        return false;
      const auto code = static_cast<ScrollCode>(message.scrollCode);
      if (message.kind == MessageKind::HScroll)
        view_.ScrollHorizontal(code, message.scrollPosition);
      else
        view_.ScrollVertical(code, message.scrollPosition);
      return true;
    }
    case MessageKind::Command:
      return engine_.ExecuteCommand(static_cast<int>(message.commandId));
    case MessageKind::PenDown:
      PenDown({message.x, message.y});
      return true;
    case MessageKind::PenMove:
      PenMove(message);
      return true;
    case MessageKind::PenUp:
      PenUp({message.x, message.y});
      return true;
    case MessageKind::KeyDown:
      KeyDown(message.keyCode);
      return true;
    default:
      return false;
  }
}

void ViewWindow::PenDown(const ScreenPoint& p) {
  SetCapture();
  if (engine_.inputState == InputState::None) {
    view_.BeginDrag(p);
    return;
  }
  engine_.keyDriven = false;
  engine_.keyMoved = false;
  MoveCursor(p, false);
}

void ViewWindow::PenMove(const Message& message) {
  if (!message.penDown || engine_.NewerPenMoveQueued() || !HasCapture()) return;
  const ScreenPoint p{message.x, message.y};
  if (engine_.inputState == InputState::None) {
    view_.DragTo(p);
    return;
  }
  MoveCursor(p, false);
}

void ViewWindow::MoveCursor(const ScreenPoint& p, bool fromKeys) {
  view_.HideCursor();
  if (ClientContains(p.x, p.y)) {
    view_.ShowCursor(true, p);
    if (!fromKeys) engine_.inputState = InputState::CursorMoved;
  } else {
    engine_.inputState = InputState::PenMoved;
  }
}

void ViewWindow::PenUp(const ScreenPoint& p) {
  ReleaseCapture();
  if (engine_.inputState == InputState::None) {
    view_.EndDrag(p);
    return;
  }
  if (engine_.inputState == InputState::Waiting || engine_.inputState == InputState::CursorMoved) {
    view_.HideCursor();
    engine_.inputState = ClientContains(p.x, p.y) ? InputState::Picked : InputState::PenMoved;
  }
}

}  // namespace korvo
