#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "commands/toolbar_model.h"
#include "platform/button_state.h"

class QToolBar;

namespace korvo {

class CommandEngine;
class EditorSession;
class MainWindow;
class ToolbarWidget;

// Which definition files and sizes the screen calls for: a screen 480 pixels high or more is
// a large one, with the tbl/ and cpl/ files and buttons twice the size.
struct ToolbarScreen {
  bool large = false;
  std::filesystem::path toolbarFolder;  // tbs/ or tbl/
  std::filesystem::path paletteFolder;  // cps/ or cpl/
  int buttonSize = 24;                  // prompt, assistant and recent toolbars
  int paletteButtonSize = 40;
};
ToolbarScreen ChooseToolbarScreen(const std::filesystem::path& programFolder, int screenHeight);

// The main window's toolbars: the recently used commands above the view, the prompt and
// assistant toolbars in the prompt bar, and the command palette (command 32826). Taps post
// their commands to the frame; the assistant switch is handled by the prompt bar.
class ToolbarSet : public QObject {
  Q_OBJECT

 public:
  using ScriptRunner = std::function<void(std::u16string_view scriptName)>;
  using HelpHandler = std::function<void(std::u16string_view commandText)>;

  explicit ToolbarSet(MainWindow& window);
  ~ToolbarSet() override;

  // Brings the button states up to date with the session: selection, undo history, modes,
  // and what the current question accepts.
  void Refresh();

  // Runs a tapped script entry ("@" and its name); without one such entries do nothing.
  void SetScriptRunner(ScriptRunner runner) { runScript_ = std::move(runner); }
  // Shows the help of a palette entry; without one the palette offers no help.
  void SetPaletteHelp(HelpHandler help) { paletteHelp_ = std::move(help); }

  const ToolbarScreen& screen() const { return screen_; }
  ToolbarModel& recent() { return recent_; }
  ToolbarModel& assistant() { return assistant_; }
  ToolbarModel& prompt() { return prompt_; }
  ToolbarWidget& recentWidget() { return *recentWidget_; }
  ToolbarWidget& assistantWidget() { return *assistantWidget_; }
  ToolbarWidget& promptWidget() { return *promptWidget_; }

 private:
  void Tapped(const ToolbarItem& item);
  void Run(std::u16string_view commandText);
  void ShowButtonState(const ButtonState& state);
  void RunPalette(CommandEngine& engine);

  MainWindow& window_;
  EditorSession& session_;  // outlives the window
  ToolbarScreen screen_;
  ToolbarModel recent_{10};
  ToolbarModel assistant_{10};
  ToolbarModel prompt_{3};
  QToolBar* recentBar_ = nullptr;
  ToolbarWidget* recentWidget_ = nullptr;
  ToolbarWidget* assistantWidget_ = nullptr;
  ToolbarWidget* promptWidget_ = nullptr;
  ScriptRunner runScript_;
  HelpHandler paletteHelp_;
};

}  // namespace korvo
