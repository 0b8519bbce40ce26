#include "commands/main_frame.h"

#include "commands/command_engine.h"
#include "commands/command_table.h"
#include "core/drawing.h"
#include "platform/button_state.h"
#include "platform/command_bar.h"
#include "platform/message_queue.h"

namespace korvo {

MainFrame::MainFrame(MessageQueue& queue, CommandEngine& engine, CommandBar& commandBar,
                     Window& viewWindow)
    : Window(queue),
      engine_(engine),
      commandBar_(commandBar),
      viewWindow_(viewWindow),
      buttonStateMessage_(queue.RegisterMessage(kButtonStateMessageName)) {}

bool MainFrame::HandleMessage(const Message& message) {
  switch (message.kind) {
    case MessageKind::Command:
      RouteCommand(message);
      return true;
    case MessageKind::Registered:
      if (message.registeredId != buttonStateMessage_) return false;
      ShowButtonState(message.wParam, message.lParam);
      return true;
    case MessageKind::Close:
      if (!closeQuery_ || closeQuery_()) Queue().PostQuit(0);
      return true;
    default:
      return false;
  }
}

void MainFrame::RouteCommand(const Message& message) {
  const int id = static_cast<int>(message.commandId);
  Message forView = message;
  forView.target = &viewWindow_;
  const bool active = engine_.ActiveCommandMenu() != 0 || dispatching_ != 0;
  if (!active) {
    dispatching_ = id;
    viewWindow_.HandleMessage(forView);
    dispatching_ = 0;
    return;
  }
  if (IsInterruptingCommand(id)) {
    Post(CommandMessage(this, CommandId::Stop));
    Post(CommandMessage(this, message.commandId));
    return;
  }
  viewWindow_.HandleMessage(forView);
}

void MainFrame::ShowButtonState(uint32_t wParam, uint32_t lParam) {
  const ButtonState state = UnpackButtonState(wParam, lParam);
  const int id = static_cast<int>(state.commandId);
  pressed_[id] = state.pressed;
  const std::u16string_view name = CommandTable::NameOf(id);
  if (name != CommandTable::kNoCommandName) commandBar_.SetChecked(name, state.pressed);
  const bool hasEntities = HasEntities(engine_.drawing());
  for (const std::u16string_view editing : EditingCommandBarNames())
    commandBar_.SetEnabled(editing, hasEntities);
  commandBar_.SetEnabled(u"UNDO", engine_.drawing().undo.CanUndo());
  commandBar_.SetEnabled(u"REDO", engine_.drawing().undo.CanRedo());
  if (state.update) menuChecks_[id] = state.pressed;
  if (buttonStateListener_) buttonStateListener_(state);
}

bool MainFrame::IsButtonPressed(int id) const {
  const auto found = pressed_.find(id);
  return found != pressed_.end() && found->second;
}

}  // namespace korvo
