#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "commands/input_result.h"
#include "commands/prompt_format.h"
#include "commands/snapping.h"
#include "geometry/point.h"
#include "view/view.h"

namespace korvo {

class CommandBar;
class CommandMenus;
class Drawing;
class InputDialogService;
class MessageBoxService;
class MessageQueue;
class Profile;
class PromptLine;
class PropertySheetService;
class Window;

// The services a running command talks to besides the drawing and its view. Not owned; they
// outlive the engine.
struct EditorServices {
  PromptLine& promptLine;
  CommandBar& commandBar;
  CommandMenus& menus;
  InputDialogService& inputDialog;
  MessageBoxService& messageBox;
  Profile& profile;
  PropertySheetService& propertySheet;
};

// Whether the drawing has an entity that is not erased: the editing commands need one.
bool HasEntities(const Drawing& drawing);

// The command engine of the view: starts and ends host commands, runs the waiting loop that
// every question of a command is built on, keeps the prompt line and the input flags, and
// executes the commands the view handles itself (input control, mode toggles, zooms, undo).
//
// Commands are straight procedures that run inside the dispatch of their command message and
// pump the queue themselves while they wait; the engine never runs two host commands nested
// (the frame cancels the running one first) but lets transparent commands run inside one.
class CommandEngine {
 public:
  // A host command: runs the whole dialogue before it returns. `commandId` is the identifier
  // it was started with, so one handler may serve several identifiers.
  using CommandHandler = std::function<void(CommandEngine& engine, int commandId)>;

  // Registers the built-in handlers, applies the undo depth of the profile (SETTINGS,
  // "UndoLevels", default 1) and hooks the view's snap and settings-record hooks.
  CommandEngine(MessageQueue& queue, Drawing& drawing, View& view, const EditorServices& services);
  ~CommandEngine();
  CommandEngine(const CommandEngine&) = delete;
  CommandEngine& operator=(const CommandEngine&) = delete;

  // The frame receives the button-state message; the view window holds the pen capture and
  // is where pen messages are queued. Both must outlive the engine or be detached (null).
  void AttachWindows(Window* frame, Window* viewWindow);

  // --- commands
  // Replaces any handler of `id`. Host commands of other modules register here.
  void RegisterCommand(int id, CommandHandler handler);
  bool HasHandler(int id) const;
  // Runs the command the view received: input control (OK, Exit, Stop, EnterDefault,
  // DialogInput), a mode toggle, or the registered handler. False when nothing handles `id`
  // (identifiers without a handler do nothing).
  bool ExecuteCommand(int id);

  // Makes `id` the current command: the command bar records its name (unless it is never
  // recorded), its button is shown pressed, the menu bar `menuId` (the command menu when 0)
  // replaces the main one. The command starts with no input pending.
  void BeginCommand(int id, int menuId = 0);
  // Releases the button, restores the main menu bar and empties the prompt line.
  void EndCommand();
  int CurrentCommandId() const { return view_.currentCommandId; }
  // The menu bar shown while a host command runs; 0 when none runs.
  int ActiveCommandMenu() const { return activeCommandMenu_; }

  // --- waiting for input
  // The nested message loop of a question. Returns the new input state: 2, 3, 4, 5, 6, 7 or 9
  // (7 also when the loop was told to quit).
  int WaitForInput();
  int inputState = InputState::None;
  bool defaultAllowed = false;  // the current prompt has a default ("EnterDefault" enabled)
  bool dialogAllowed = false;   // the current prompt may be answered in the input dialog
  bool pluginRunning = false;   // a plug-in command executes
  bool selectingMany = false;   // object selection runs (its sub-commands are enabled)
  // The polyline being drawn can be closed: its menu's "Close" is enabled.
  bool polylineClosable = false;
  // When set, the next point question takes it, and "DialogInput" at that question calls it
  // instead of opening the input dialog: the command asks for values of its own (the
  // polyline's widths and mode).
  std::function<void(CommandEngine&)> ownInputDialog;
  // A hovering pointer moves the cursor of a waiting question as the pen does; free-hand
  // drawing turns it off, since it draws wherever its cursor goes.
  bool hoverMovesCursor = true;
  // The current pen messages were synthesised by the keyboard cursor.
  bool keyDriven = false;
  bool keyMoved = false;
  // Which snap produced the view's cursor point.
  SnapKind snapKind = SnapKind::None;

  // Ends a question: the input state returns to none and both input flags are cleared. The
  // prompt text stays until the next prompt or the end of the command.
  void ResetInput();

  // --- prompt line
  // Formats the prompt string `promptId` with `value` (a point for "<%g, %g>", an angle in
  // degrees or a distance) and shows it; `descriptionId` is kept as the input dialog's
  // caption.
  void SetPrompt(int promptId, int descriptionId, const PromptValue& value = {});
  // The same with the texts themselves; PromptId() is then `promptId` (0: none of the host's).
  void SetPrompt(const PromptText& text, const PromptValue& value, int promptId = 0);
  // The prompt shown again with a new value (the live angle, distance or default).
  void RefreshPrompt(const PromptValue& value);
  int PromptId() const { return promptId_; }
  const std::u16string& PromptDescription() const { return description_; }
  // "%6.2lf, %6.2lf" of the point on the prompt line.
  void ShowCoordinates(const Point& p);

  // --- command states, as the shell enables menu items and buttons
  bool IsCommandEnabled(int id) const;

  // --- mode toggles (GRID, ORTHOSNAP, GRIDSNAP, OBJECTSNAP, INTSNAP)
  void ToggleMode(int id);
  // Tells the frame the state of all five (after a drawing was loaded or a settings record
  // was undone).
  void SendModeStates();
  // Sends the button-state message to the frame.
  void SendButtonState(int id, bool pressed, bool update);

  // --- helpers for commands
  MessageQueue& queue() { return queue_; }
  Drawing& drawing() { return drawing_; }
  View& view() { return view_; }
  PromptLine& promptLine() { return services_.promptLine; }
  CommandBar& commandBar() { return services_.commandBar; }
  CommandMenus& menus() { return services_.menus; }
  InputDialogService& inputDialog() { return services_.inputDialog; }
  MessageBoxService& messageBox() { return services_.messageBox; }
  Profile& profile() { return services_.profile; }
  PropertySheetService& propertySheet() { return services_.propertySheet; }
  Window* frameWindow() const { return frame_; }
  Window* viewWindow() const { return viewWindow_; }

  // Whether a pen move with the pen down (or a hovering one) for the view is already queued:
  // a move being handled now is stale and may be skipped.
  bool NewerPenMoveQueued() const;
  void RepaintNow() { view_.RepaintNow(); }
  void SetCursorStyle(CursorStyle style) { view_.SetCursorStyle(style); }
  // Pen capture of the view window.
  void CapturePen();
  void ReleasePen();
  // Closes the undo group of a command that ran on its own (no host command active).
  void EndOwnUndoGroup();

 private:
  void RegisterBuiltInCommands();
  bool HandleInputCommand(int id);
  int ResolvePendingState();
  Point SnapCursorPoint(const Point& raw);

  MessageQueue& queue_;
  Drawing& drawing_;
  View& view_;
  EditorServices services_;
  Window* frame_ = nullptr;
  Window* viewWindow_ = nullptr;
  std::unordered_map<int, CommandHandler> handlers_;
  int activeCommandMenu_ = 0;
  int promptId_ = 0;
  std::u16string promptFormat_;
  std::u16string description_;
  uint32_t buttonStateMessage_ = 0;
};

}  // namespace korvo
