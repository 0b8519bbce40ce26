#include <QApplication>
#include <filesystem>

#include "app/editor_app.h"
#include "platform/ini_profile.h"
#include "platform/memory_profile.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("KorvoCAD"));

  // Without a configuration folder the settings live for this run only.
  std::unique_ptr<korvo::Profile> profile;
  if (const auto path = korvo::DefaultProfilePath())
    profile = std::make_unique<korvo::IniProfile>(*path);
  else
    profile = std::make_unique<korvo::MemoryProfile>();

  korvo::EditorApp editor(*profile);
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1)
    editor.OpenStartFile(std::filesystem::path(arguments.at(1).toStdString()));
  return editor.Run();
}
