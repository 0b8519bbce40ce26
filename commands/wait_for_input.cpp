#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "platform/message_queue.h"
#include "platform/window.h"

namespace korvo {

int CommandEngine::ResolvePendingState() {
  switch (inputState) {
    case InputState::ScrollLeft:
      view_.ScrollLine(ScrollDirection::Left);
      break;
    case InputState::ScrollRight:
      view_.ScrollLine(ScrollDirection::Right);
      break;
    case InputState::ScrollUp:
      view_.ScrollLine(ScrollDirection::Up);
      break;
    case InputState::ScrollDown:
      view_.ScrollLine(ScrollDirection::Down);
      break;
    case InputState::ReshowCursor:
      break;
    case InputState::MovedLater:
    case InputState::PenMovedLater:
      return inputState = InputState::PenMoved;
    default:
      if (inputState >= InputState::Enter && inputState <= InputState::Cancel) return inputState;
      return InputState::Waiting;
  }
  // After a scroll the cursor returns to its world point, which now lies elsewhere on the
  // screen; the keyboard cursor follows it.
  view_.ShowCursorAtWorld(true, view_.cursorWorld());
  if (keyDriven) view_.keyCursor = view_.WorldToScreen(view_.cursorWorld());
  return inputState = InputState::CursorMoved;
}

int CommandEngine::WaitForInput() {
  const int pending = ResolvePendingState();
  if (pending != InputState::Waiting) return pending;
  const int previous = inputState;
  inputState = InputState::Waiting;
  for (;;) {
    if (!queue_.PumpMessage()) return inputState = InputState::Cancel;
    if (inputState == InputState::Waiting) continue;
    // A stream of moves outside the window ends the wait once, not at every move.
    if (inputState == InputState::PenMoved && previous == InputState::PenMoved) {
      inputState = InputState::Waiting;
      continue;
    }
    if (inputState == InputState::MovedLater) inputState = InputState::PenMoved;
    return inputState;
  }
}

bool CommandEngine::HandleInputCommand(int id) {
  switch (id) {
    case CommandId::Ok:
      // The repeat reaches whatever asks next, so OK runs through the command's remaining
      // questions until the command has ended; then it has nothing left to do.
      if (CurrentCommandId() != 0 || inputState == InputState::Waiting) {
        inputState = InputState::Enter;
        if (frame_ != nullptr) frame_->Post(CommandMessage(frame_, CommandId::Ok));
      }
      return true;
    case CommandId::Exit:
      if (inputState == InputState::Waiting) {
        inputState = InputState::Enter;
        if (frame_ != nullptr) frame_->Post(CommandMessage(frame_, CommandId::Exit));
      } else if (frame_ != nullptr) {
        Message close;
        close.kind = MessageKind::Close;
        close.target = frame_;
        frame_->Post(close);
      }
      return true;
    case CommandId::Stop:
      if (inputState == InputState::Waiting || pluginRunning || CurrentCommandId() != 0)
        inputState = InputState::Cancel;
      return true;
    case CommandId::EnterDefault:
      if (defaultAllowed) inputState = InputState::Default;
      return true;
    case CommandId::DialogInput:
      if (dialogAllowed) inputState = InputState::Dialog;
      return true;
    default:
      return false;
  }
}

}  // namespace korvo
