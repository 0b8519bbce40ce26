#include "commands/command_engine.h"

#include "commands/command_table.h"
#include "commands/string_table.h"
#include "commands/view_commands.h"
#include "core/drawing.h"
#include "platform/command_bar.h"
#include "platform/command_menus.h"
#include "platform/message_queue.h"
#include "platform/profile.h"
#include "platform/prompt_line.h"
#include "platform/window.h"

namespace korvo {
namespace {

constexpr std::u16string_view kUndoLevelsKey = u"UndoLevels";

}  // namespace

CommandEngine::CommandEngine(MessageQueue& queue, Drawing& drawing, View& view,
                             const EditorServices& services)
    : queue_(queue), drawing_(drawing), view_(view), services_(services) {
  drawing_.undo.SetLevels(services_.profile.GetInt(kSettingsSection, kUndoLevelsKey, 1));
  drawing_.undo.SetModesRestoredListener([this] { SendModeStates(); });
  view_.snapCursor = [this](const Point& raw) { return SnapCursorPoint(raw); };
  view_.recordSettingsChange = [this] { drawing_.undo.RecordChange(UndoKind::SettingsChanged); };
  RegisterViewCommands(*this);
}

CommandEngine::~CommandEngine() {
  drawing_.undo.SetModesRestoredListener(nullptr);
  view_.snapCursor = nullptr;
  view_.recordSettingsChange = nullptr;
}

void CommandEngine::AttachWindows(Window* frame, Window* viewWindow) {
  frame_ = frame;
  viewWindow_ = viewWindow;
}

void CommandEngine::RegisterCommand(int id, CommandHandler handler) {
  handlers_[id] = std::move(handler);
}

bool CommandEngine::HasHandler(int id) const {
  return handlers_.contains(id);
}

bool CommandEngine::ExecuteCommand(int id) {
  if (HandleInputCommand(id)) return true;
  for (const int toggle : kModeToggleCommands) {
    if (id == toggle) {
      ToggleMode(id);
      return true;
    }
  }
  const auto handler = handlers_.find(id);
  if (handler == handlers_.end()) return false;
  // A copy: the handler may register commands while it runs.
  const CommandHandler run = handler->second;
  run(*this, id);
  return true;
}

void CommandEngine::BeginCommand(int id, int menuId) {
  const std::u16string_view name = CommandTable::NameOf(id);
  if (!IsNeverRecordedCommand(id) && name != CommandTable::kNoCommandName)
    commandBar().MoveToFront(name);
  view_.currentCommandId = id;
  // A question a previous command left unanswered must not answer this command's first one.
  inputState = InputState::None;
  SendButtonState(id, true, false);
  activeCommandMenu_ = menuId != 0 ? menuId : kCommandMenuBar;
  menus().Show(activeCommandMenu_);
}

void CommandEngine::EndCommand() {
  SendButtonState(view_.currentCommandId, false, false);
  menus().Show(kMainMenuBar);
  promptLine().Clear();
  activeCommandMenu_ = 0;
  view_.currentCommandId = 0;
}

void CommandEngine::ResetInput() {
  inputState = InputState::None;
  defaultAllowed = false;
  dialogAllowed = false;
}

void CommandEngine::SetPrompt(int promptId, int descriptionId, const PromptValue& value) {
  SetPrompt(PromptText{LoadHostString(promptId), LoadHostString(descriptionId)}, value, promptId);
}

void CommandEngine::SetPrompt(const PromptText& text, const PromptValue& value, int promptId) {
  promptId_ = promptId;
  promptFormat_ = std::u16string(text.format);
  description_ = std::u16string(text.description);
  promptLine().SetText(FormatPrompt(promptFormat_, value));
}

void CommandEngine::RefreshPrompt(const PromptValue& value) {
  promptLine().SetText(FormatPrompt(promptFormat_, value));
}

void CommandEngine::ShowCoordinates(const Point& p) {
  promptLine().SetText(FormatCoordinates(p));
}

bool CommandEngine::NewerPenMoveQueued() const {
  if (viewWindow_ == nullptr) return false;
  return queue_.Contains({MessageKind::PenMove, viewWindow_, [](const Message& m) {
                            return m.penDown || m.penRole == PenRole::Hover;
                          }});
}

void CommandEngine::CapturePen() {
  if (viewWindow_ != nullptr) viewWindow_->SetCapture();
}

void CommandEngine::ReleasePen() {
  if (viewWindow_ != nullptr && viewWindow_->HasCapture()) viewWindow_->ReleaseCapture();
}

void CommandEngine::EndOwnUndoGroup() {
  if (CurrentCommandId() == 0) drawing_.undo.EndUndoGroup();
}

Point CommandEngine::SnapCursorPoint(const Point& raw) {
  const DrawingSettings& s = drawing_.settings;
  const SnapSettings settings{s.gridSnap != 0, s.snapSpacing, s.objectSnap != 0,
                              s.intersectionSnap != 0};
  const double aperture = view_.cursorAperture() * view_.PixelSize();
  const CursorSnap snap = SnapCursor(raw, settings, drawing_, aperture, view_.cursorStyle(),
                                     [this] { return NewerPenMoveQueued(); });
  snapKind = snap.kind;
  return snap.world;
}

}  // namespace korvo
