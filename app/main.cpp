#include <QApplication>
#include <QFileInfo>
#include <filesystem>

#include "app/editor_app.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "commands/editor_session.h"
#include "commands/file_commands.h"
#include "platform/ini_profile.h"
#include "platform/memory_profile.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("KorvoCAD"));
  QApplication::setDesktopFileName(QStringLiteral("korvocad"));

  const QStringList arguments = QApplication::arguments();
  const QString file =
      arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();
  korvo::SingleInstance instance;
  if (instance.HandOver(file)) return 0;

  // Without a configuration folder the settings live for this run only.
  std::unique_ptr<korvo::Profile> profile;
  if (const auto path = korvo::DefaultProfilePath())
    profile = std::make_unique<korvo::IniProfile>(*path);
  else
    profile = std::make_unique<korvo::MemoryProfile>();

  korvo::EditorApp editor(*profile);
  instance.Listen([&editor](const QString& handed) {
    korvo::MainWindow& window = editor.mainWindow();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
    if (handed.isEmpty()) return;
    // Opened by the queue like File > Open, so that a running command stops first and a
    // modified drawing is offered for saving.
    editor.session().files().SetNextOpen(std::filesystem::path(handed.toStdString()));
    editor.session().PostCommand(korvo::FileCommandId::Open);
  });
  if (!file.isEmpty()) editor.OpenStartFile(std::filesystem::path(file.toStdString()));
  return editor.Run();
}
