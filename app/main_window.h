#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;

namespace korvo {

class EditorSession;
class PromptBar;
class ToolbarSet;
class ViewWidget;

// The editor's main window: the menu bar, the view in the centre with the prompt bar under
// it, the bar of recent commands and the mode toggles in the status bar. Closing the window
// asks the frame to exit, so a modified drawing is offered for saving first.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(EditorSession& session, QWidget* parent = nullptr);

  // Brings every widget up to date with the session: the view's picture, the title, the
  // states of menu items and buttons. Called whenever the queue has run dry.
  void Refresh();

  ViewWidget& viewWidget() { return *viewWidget_; }
  PromptBar& promptBar() { return *promptBar_; }
  ToolbarSet& toolbars() { return *toolbars_; }
  EditorSession& session() { return session_; }

  // Posts the command to the frame, as a menu item does.
  void PostCommand(int id);
  // Runs a scripted command of the command bar (its entry without the leading '@').
  void SetScriptCommandRunner(std::function<void(const std::u16string&)> runner) {
    runScript_ = std::move(runner);
  }
  // The menu item of a command; null when the menus have none.
  QAction* CommandAction(int id) const;
  // The menu bar now shown: the main one or a command menu bar.
  int ShownMenuBar() const { return shownMenuBar_; }

 private:
  // Each part of the window is built and refreshed in its own file: main_menus.cpp (menu bar,
  // command menus, status), main_toolbars.cpp (toolbars, prompt toolbar, palette).
  void BuildMenus();
  void RefreshMenus();
  void BuildStatusBar();
  void RefreshStatus();
  void ShowMenuBar(int menuBar);
  void RefreshCommandBar();
  void ChooseCommandBarEntry(const std::u16string& text);
  void RefreshTitle();
  void BuildToolbars();
  void RefreshToolbars();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  EditorSession& session_;
  ViewWidget* viewWidget_;
  PromptBar* promptBar_;
  std::function<void(const std::u16string&)> runScript_;
  // Menus.
  std::map<int, QAction*> commandActions_;
  std::vector<QAction*> commandPart_;  // hidden while a command runs
  QAction* stopAction_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  std::vector<QAction*> optionActions_;
  int shownMenuBar_ = -1;
  // Status bar and command bar.
  std::map<int, QToolButton*> modeButtons_;
  QToolBar* commandBarToolbar_ = nullptr;
  std::vector<std::u16string> commandBarShown_;
  ToolbarSet* toolbars_ = nullptr;  // owned as a child object
};

}  // namespace korvo
