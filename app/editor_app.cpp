#include "app/editor_app.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/main_window.h"
#include "app/qt_event_source.h"
#include "app/toolbar_set.h"
#include "app/view_widget.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "commands/help_topics.h"
#include "platform/help_viewer.h"
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
  options.helpViewer = &helpViewer_;
  options.fileDialog = &fileDialog_;
  options.bitmapOptionsDialog = &bitmapOptionsDialog_;
  options.tableDialogs = &tableDialogs_;
  options.symbolDialog = &symbolDialog_;
  session_ = std::make_unique<EditorSession>(options);
  plugins_ = std::make_unique<PluginHost>();
  plugins_->commandLine = QCoreApplication::arguments().join(QLatin1Char(' ')).toStdU16String();
  plugins_->fileDialog = &fileDialog_;
  plugins_->files = &session_->files();
  RegisterPluginCommands(session_->engine(), *plugins_);
  mainWindow_ = std::make_unique<MainWindow>(*session_);
  mainWindow_->viewWidget().SetTypedTextSink(
      [this](const QString& text) { inputDialog_.SetTypedText(text); });
  messageBox_.SetParent(mainWindow_.get());
  inputDialog_.SetParent(mainWindow_.get());
  propertySheet_.SetParent(mainWindow_.get());
  helpViewer_.SetParent(mainWindow_.get());
  fileDialog_.SetParent(mainWindow_.get());
  mainWindow_->SetScriptCommandRunner([this](const std::u16string& name) {
    plugins_->nextScript = name;
    session_->PostCommand(CommandId::RunScriptCommand);
  });
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    BitmapExportOptions& bitmap = session_->files().bitmapOptions();
    bitmap.width = screen->size().width();
    bitmap.height = screen->size().height();
  }
  tableDialogs_.SetParent(mainWindow_.get());
  bitmapOptionsDialog_.SetParent(mainWindow_.get());
  symbolDialog_.SetParent(mainWindow_.get());
  SetDialogHelp([this](std::u16string_view topic) { ShowDialogHelp(topic, helpViewer_); });
  mainWindow_->toolbars().SetScriptRunner([this](std::u16string_view name) {
    plugins_->nextScript = name;
    session_->PostCommand(CommandId::RunScriptCommand);
  });
  mainWindow_->toolbars().SetPaletteHelp(
      [this](std::u16string_view entry) { ShowHelp(PaletteEntryHelpTopic(entry), helpViewer_); });
  eventSource_ = std::make_unique<QtEventSource>([this] { mainWindow_->Refresh(); });
  session_->queue().SetEventSource(eventSource_.get());
}

EditorApp::~EditorApp() {
  session_->queue().SetEventSource(nullptr);
  mainWindow_.reset();
  SetMessageBox(previousMessageBox_);
}

bool EditorApp::OpenStartFile(const std::filesystem::path& file) {
  return session_->files().OpenFile(file);
}

void EditorApp::SetDialogHelp(DialogHelp help) {
  dialogHelp_ = std::move(help);
  inputDialog_.SetHelp(dialogHelp_);
  propertySheet_.SetHelp(dialogHelp_);
  bitmapOptionsDialog_.SetHelp(dialogHelp_);
  symbolDialog_.SetHelp(dialogHelp_);
  tableDialogs_.SetHelp(dialogHelp_);
}

int EditorApp::Run() {
  mainWindow_->show();
  return session_->Run();
}

}  // namespace korvo
