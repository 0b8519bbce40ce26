#pragma once

#include <QMainWindow>

namespace korvo {

class EditorSession;
class PromptBar;
class ToolbarSet;
class ViewWidget;

// The editor's main window: the view in the centre with the prompt bar under it. Closing the
// window asks the frame to exit, so a modified drawing is offered for saving first.
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

 private:
  // Each part of the window is built and refreshed in its own file: main_menus.cpp (menu bar,
  // command menus, status), main_toolbars.cpp (toolbars, prompt toolbar, palette).
  void BuildMenus();
  void RefreshMenus();
  void BuildToolbars();
  void RefreshToolbars();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  EditorSession& session_;
  ViewWidget* viewWidget_;
  PromptBar* promptBar_;
  ToolbarSet* toolbars_ = nullptr;  // owned as a child object
};

}  // namespace korvo
