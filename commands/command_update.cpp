#include "commands/command_engine.h"
#include "commands/command_table.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "platform/button_state.h"
#include "platform/command_bar.h"
#include "platform/message_queue.h"
#include "platform/window.h"

namespace korvo {
namespace {

uint8_t* ModeFlag(DrawingSettings& settings, int id) {
  switch (id) {
    case CommandId::Grid:
      return &settings.gridOn;
    case CommandId::OrthoSnap:
      return &settings.orthoSnap;
    case CommandId::GridSnap:
      return &settings.gridSnap;
    case CommandId::ObjectSnap:
      return &settings.objectSnap;
    case CommandId::IntersectionSnap:
      return &settings.intersectionSnap;
    default:
      return nullptr;
  }
}

}  // namespace

bool HasEntities(const Drawing& drawing) {
  for (const Entity* entity : drawing.entities) {
    if (!entity->IsErased()) return true;
  }
  return false;
}

bool CommandEngine::IsCommandEnabled(int id) const {
  switch (id) {
    case CommandId::Stop:
      return inputState == InputState::Waiting || pluginRunning;
    case CommandId::EnterDefault:
      return defaultAllowed;
    case CommandId::DialogInput:
      return dialogAllowed;
    case CommandId::SelectWindow:
    case CommandId::SelectAll:
    case CommandId::DeselectAll:
      return selectingMany;
    case CommandId::PolylineClose:
      return polylineClosable;
    case CommandId::Undo:
      return drawing_.undo.CanUndo();
    case CommandId::Redo:
      return drawing_.undo.CanRedo();
    default:
      return !IsEditingCommand(id) || HasEntities(drawing_);
  }
}

void CommandEngine::ToggleMode(int id) {
  uint8_t* flag = ModeFlag(drawing_.settings, id);
  if (flag == nullptr) return;
  const bool own = CurrentCommandId() == 0;
  if (own) commandBar().MoveToFront(CommandTable::NameOf(id));
  drawing_.undo.RecordChange(UndoKind::SettingsChanged);
  // The record copied the settings; the flag is looked up again in case the copy moved them.
  flag = ModeFlag(drawing_.settings, id);
  *flag = *flag != 0 ? 0 : 1;
  SendButtonState(id, *flag != 0, true);
  drawing_.SetModifiedFlag(true);
  if (id == CommandId::Grid) {
    view_.InvalidatePicture(PictureBitmap::Keep);
    view_.RepaintNow();
  }
  // Inside a command the toggle belongs to that command's group.
  if (own) drawing_.undo.EndUndoGroup();
}

void CommandEngine::SendModeStates() {
  for (const int id : kModeToggleCommands) {
    const uint8_t* flag = ModeFlag(drawing_.settings, id);
    SendButtonState(id, *flag != 0, true);
  }
}

void CommandEngine::SendButtonState(int id, bool pressed, bool update) {
  if (frame_ == nullptr) return;
  if (buttonStateMessage_ == 0)
    buttonStateMessage_ = queue_.RegisterMessage(kButtonStateMessageName);
  // Sent, not posted: the frame shows the state before the command goes on.
  queue_.Dispatch(RegisteredMessage(frame_, buttonStateMessage_, static_cast<uint32_t>(id),
                                    PackButtonStateLParam(pressed, update)));
}

}  // namespace korvo
