#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "app/bitmap_options_dialog.h"
#include "app/qt_file_dialog.h"
#include "app/qt_help_viewer.h"
#include "app/qt_input_dialog.h"
#include "app/qt_message_box.h"
#include "app/qt_property_sheet.h"
#include "app/qt_table_dialogs.h"
#include "app/symbol_dialog_widget.h"

namespace korvo {

class EditorSession;
class MainWindow;
class Profile;
class QtEventSource;
struct PluginHost;

// The whole editor in one object: the headless session with the Qt services, the plug-in
// host, the main window and the event source that drives the session's queue from Qt. The
// program's main() makes one; the GUI tests make one the same way. A QApplication must exist.
class EditorApp {
 public:
  // `profile` (not owned) holds the stored settings; it must outlive the app.
  explicit EditorApp(Profile& profile);
  ~EditorApp();
  EditorApp(const EditorApp&) = delete;
  EditorApp& operator=(const EditorApp&) = delete;

  // Opens `file` in place of the new drawing (native or DXF); a file that cannot be opened is
  // reported and leaves a new drawing.
  bool OpenStartFile(const std::filesystem::path& file);
  // Shows the main window and pumps the queue until quit; returns the exit code.
  int Run();

  EditorSession& session() { return *session_; }
  MainWindow& mainWindow() { return *mainWindow_; }
  QtEventSource& eventSource() { return *eventSource_; }
  PluginHost& plugins() { return *plugins_; }
  Profile& profile() { return profile_; }
  QtMessageBox& messageBox() { return messageBox_; }
  QtInputDialog& inputDialog() { return inputDialog_; }
  QtPropertySheet& propertySheet() { return propertySheet_; }
  // What the dialogs' Help buttons call; the dialogs show none while it is empty.
  void SetDialogHelp(DialogHelp help);
  const DialogHelp& dialogHelp() const { return dialogHelp_; }
  QtHelpViewer& helpViewer() { return helpViewer_; }
  QtFileDialog& fileDialog() { return fileDialog_; }
  QtTableDialogs& tableDialogs() { return tableDialogs_; }
  QtSymbolDialog& symbolDialog() { return symbolDialog_; }

 private:
  Profile& profile_;
  QtMessageBox messageBox_;
  QtInputDialog inputDialog_;
  QtPropertySheet propertySheet_;
  DialogHelp dialogHelp_;
  QtHelpViewer helpViewer_;
  QtFileDialog fileDialog_;
  QtBitmapOptionsDialog bitmapOptionsDialog_{nullptr};
  QtTableDialogs tableDialogs_{messageBox_};
  QtSymbolDialog symbolDialog_;
  MessageBoxService* previousMessageBox_ = nullptr;
  std::unique_ptr<EditorSession> session_;
  std::unique_ptr<PluginHost> plugins_;
  std::unique_ptr<MainWindow> mainWindow_;
  std::unique_ptr<QtEventSource> eventSource_;
};

}  // namespace korvo
