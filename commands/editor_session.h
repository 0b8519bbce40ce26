#pragma once

#include <memory>

#include "commands/command_engine.h"
#include "commands/file_commands.h"
#include "commands/headless_table_dialogs.h"
#include "commands/main_frame.h"
#include "commands/symbol_dialog.h"
#include "commands/view_window.h"
#include "core/drawing.h"
#include "platform/command_bar.h"
#include "platform/command_menus.h"
#include "platform/file_dialog.h"
#include "platform/headless_input_dialog.h"
#include "platform/headless_property_sheet.h"
#include "platform/help_viewer.h"
#include "platform/memory_profile.h"
#include "platform/message_box.h"
#include "platform/message_queue.h"
#include "platform/prompt_line.h"
#include "view/view.h"

namespace korvo {

// How a session is set up. Services left null are made by the session: a headless input
// dialog, property sheet and table dialogs that cancel, a message box that records and answers
// with the first button, a profile held in memory, and a help viewer that records what was
// asked (it knows no help folder, so help shows nothing).
struct EditorSessionOptions {
  int width = 480;  // client size of the view in pixels
  int height = 640;
  InputDialogService* inputDialog = nullptr;
  MessageBoxService* messageBox = nullptr;
  Profile* profile = nullptr;
  PropertySheetService* propertySheet = nullptr;
  HelpViewer* helpViewer = nullptr;
  FileDialogService* fileDialog = nullptr;  // made by the session: cancels every dialog
  // Null: the bitmap export takes its kept options without asking.
  BitmapOptionsDialog* bitmapOptionsDialog = nullptr;
  TableDialogService* tableDialogs = nullptr;  // layers, text styles, line type
  // Null: the symbol commands ask through the property sheet.
  SymbolDialogService* symbolDialog = nullptr;
};

// The editor without a shell: one queue, the drawing (a new one), its view and the command
// engine, the main frame and the view window, and the services a command talks to. The
// drawing's modified flag reaches the view alone (it re-renders); everything else asks.
class EditorSession {
 public:
  explicit EditorSession(const EditorSessionOptions& options = {});
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  // After the drawing was replaced by a file: the window shows it, the mode buttons show its
  // switches.
  void DrawingLoaded();
  // Pumps the queue until quit; returns the exit code.
  int Run();
  // Posts a command to the frame, as a menu would.
  void PostCommand(int id);

  MessageQueue& queue() { return queue_; }
  Drawing& drawing() { return drawing_; }
  View& view() { return view_; }
  CommandEngine& engine() { return engine_; }
  MainFrame& frame() { return frame_; }
  ViewWindow& viewWindow() { return viewWindow_; }
  PromptLine& promptLine() { return promptLine_; }
  CommandBar& commandBar() { return commandBar_; }
  CommandMenus& menus() { return menus_; }
  InputDialogService& inputDialog() { return *inputDialog_; }
  MessageBoxService& messageBox() { return *messageBox_; }
  Profile& profile() { return *profile_; }
  PropertySheetService& propertySheet() { return *propertySheet_; }
  HelpViewer& helpViewer() { return *helpViewer_; }
  FileDialogService& fileDialog() { return *fileDialog_; }
  FileCommands& files() { return files_; }
  TableDialogService& tableDialogs() { return *tableDialogs_; }

 private:
  std::unique_ptr<MemoryProfile> ownProfile_;
  std::unique_ptr<HeadlessInputDialog> ownInputDialog_;
  std::unique_ptr<RecordingMessageBox> ownMessageBox_;
  std::unique_ptr<HeadlessPropertySheet> ownPropertySheet_;
  std::unique_ptr<RecordingHelpViewer> ownHelpViewer_;
  std::unique_ptr<HeadlessFileDialog> ownFileDialog_;
  std::unique_ptr<HeadlessTableDialogs> ownTableDialogs_;
  Profile* profile_;
  InputDialogService* inputDialog_;
  MessageBoxService* messageBox_;
  PropertySheetService* propertySheet_;
  HelpViewer* helpViewer_;
  FileDialogService* fileDialog_;
  TableDialogService* tableDialogs_;
  MessageQueue queue_;
  Drawing drawing_;
  View view_;
  PromptLine promptLine_;
  CommandBar commandBar_;
  CommandMenus menus_;
  CommandEngine engine_;
  MainFrame frame_;  // constructed before the view window, its parent
  ViewWindow viewWindow_;
  FileCommands files_;
};

}  // namespace korvo
