#include "app/editor_app.h"

#include <QCoreApplication>

#include "app/main_window.h"
#include "app/qt_event_source.h"
#include "commands/editor_session.h"
#include "exchange/open_as.h"
#include "platform/utf16.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_runner.h"

namespace korvo {

EditorApp::EditorApp(Profile& profile) : profile_(profile) {
  previousMessageBox_ = SetMessageBox(&messageBox_);
  EditorSessionOptions options;
  options.width = 0;
  options.height = 0;
  options.inputDialog = &inputDialog_;
  options.messageBox = &messageBox_;
  options.profile = &profile_;
  options.propertySheet = &propertySheet_;
  options.tableDialogs = &tableDialogs_;
  session_ = std::make_unique<EditorSession>(options);
  plugins_ = std::make_unique<PluginHost>();
  plugins_->commandLine = QCoreApplication::arguments().join(QLatin1Char(' ')).toStdU16String();
  RegisterPluginCommands(session_->engine(), *plugins_);
  mainWindow_ = std::make_unique<MainWindow>(*session_);
  messageBox_.SetParent(mainWindow_.get());
  inputDialog_.SetParent(mainWindow_.get());
  propertySheet_.SetParent(mainWindow_.get());
  tableDialogs_.SetParent(mainWindow_.get());
  eventSource_ = std::make_unique<QtEventSource>([this] { mainWindow_->Refresh(); });
  session_->queue().SetEventSource(eventSource_.get());
}

EditorApp::~EditorApp() {
  session_->queue().SetEventSource(nullptr);
  mainWindow_.reset();
  SetMessageBox(previousMessageBox_);
}

bool EditorApp::OpenStartFile(const std::filesystem::path& file) {
  const OpenResult opened = OpenDrawingAs(file, session_->drawing(), messageBox_);
  if (!opened.opened) session_->drawing().New();
  session_->DrawingLoaded();
  return opened.opened;
}

int EditorApp::Run() {
  mainWindow_->show();
  return session_->Run();
}

}  // namespace korvo
