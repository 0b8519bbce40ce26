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
    case MessageKind::PenMove:
    case MessageKind::PenUp:
      if (message.penRole == PenRole::Pan)
        Pan(message);
      else if (message.penRole == PenRole::Hover)
        Hover({message.x, message.y});
      else if (message.kind == MessageKind::PenDown)
        PenDown({message.x, message.y});
      else if (message.kind == MessageKind::PenMove)
        PenMove(message);
      else
        PenUp({message.x, message.y});
      return true;
    case MessageKind::ZoomAt:
      view_.ZoomAt({message.x, message.y}, message.zoomFactor);
      // The repaint took the question's previews off; a move where the pointer is draws them
      // again at the new scale.
      Hover({message.x, message.y});
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

void ViewWindow::Hover(const ScreenPoint& p) {
  // Only a waiting question follows the pointer: between questions the state belongs to the
  // command, free-hand drawing draws wherever its cursor goes, and a drag keeps its pen.
  if (engine_.inputState != InputState::Waiting || !engine_.hoverMovesCursor || view_.dragging() ||
      engine_.NewerPenMoveQueued())
    return;
  const Window* captured = Queue().GetCapture();
  if (captured != nullptr && captured != this) return;
  // The pointer takes over from the keyboard cursor, as the pen does.
  engine_.keyDriven = false;
  engine_.keyMoved = false;
  MoveCursor(p, false);
}

void ViewWindow::Pan(const Message& message) {
  const ScreenPoint p{message.x, message.y};
  switch (message.kind) {
    case MessageKind::PenDown:
      // A pen already dragging keeps its drag.
      if (view_.dragging()) return;
      panning_ = true;
      view_.BeginDrag(p);
      return;
    case MessageKind::PenMove: {
      if (!panning_) return;
      const bool newer = Queue().Contains(
          {MessageKind::PenMove, this, [](const Message& m) { return m.penRole == PenRole::Pan; }});
      if (!newer) view_.DragTo(p);
      return;
    }
    default:
      if (!panning_) return;
      panning_ = false;
      view_.EndDrag(p);
      Hover(p);
      return;
  }
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
