#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "commands/menu_layout.h"
#include "core/drawing.h"
#include "platform/command_menus.h"

namespace korvo {
namespace {

// The menus show only what the session can run: an entry without a handler does nothing.
bool IsRunnable(const CommandEngine& engine, const MenuEntry& entry) {
  if (entry.kind == MenuEntryKind::Toggle) return true;
  switch (entry.id) {
    case CommandId::Exit:
    case CommandId::Stop:
    case CommandId::DialogInput:
    case CommandId::EnterDefault:
      return true;
    default:
      return engine.HasHandler(entry.id);
  }
}

}  // namespace

QAction* MainWindow::CommandAction(int id) const {
  const auto found = commandActions_.find(id);
  return found == commandActions_.end() ? nullptr : found->second;
}

void MainWindow::BuildMenus() {
  const CommandEngine& engine = session_.engine();
  for (const MenuDefinition& definition : MainMenus()) {
    QMenu* menu = menuBar()->addMenu(QtText(definition.title));
    if (definition.part == MenuPart::Commands) commandPart_.push_back(menu->menuAction());
    // The command bar's part starts after File: "Stop" and "Options" go there.
    if (definition.part == MenuPart::Commands && stopAction_ == nullptr) {
      stopAction_ = new QAction(QtText(kStopMenuText), this);
      connect(stopAction_, &QAction::triggered, this, [this] { PostCommand(CommandId::Stop); });
      menuBar()->insertAction(menu->menuAction(), stopAction_);
      optionsMenu_ = new QMenu(QtText(kOptionsMenuTitle), this);
      menuBar()->insertMenu(menu->menuAction(), optionsMenu_);
    }
    for (const MenuEntry& entry : definition.entries) {
      if (entry.kind == MenuEntryKind::Separator) {
        menu->addSeparator();
        continue;
      }
      if (!IsRunnable(engine, entry)) continue;
      QAction* action = menu->addAction(QtText(entry.text));
      if (!entry.shortcut.empty())
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
      action->setCheckable(entry.kind == MenuEntryKind::Toggle);
      const int id = entry.id;
      connect(action, &QAction::triggered, this, [this, id] { PostCommand(id); });
      commandActions_[id] = action;
    }
  }
  BuildStatusBar();
  ShowMenuBar(kMainMenuBar);
}

void MainWindow::ShowMenuBar(int menuBar) {
  if (menuBar == shownMenuBar_) return;
  shownMenuBar_ = menuBar;
  const bool commandRuns = menuBar != kMainMenuBar;
  for (QAction* part : commandPart_) part->setVisible(!commandRuns);
  stopAction_->setVisible(commandRuns);
  optionsMenu_->menuAction()->setVisible(commandRuns);
  optionsMenu_->clear();
  optionActions_.clear();
  for (const MenuEntry& entry : CommandMenuOptions(menuBar)) {
    QAction* action = optionsMenu_->addAction(QtText(entry.text));
    action->setData(entry.id);
    const int id = entry.id;
    connect(action, &QAction::triggered, this, [this, id] { PostCommand(id); });
    optionActions_.push_back(action);
  }
}

void MainWindow::RefreshMenus() {
  const CommandEngine& engine = session_.engine();
  ShowMenuBar(session_.menus().Shown());
  const int running = engine.CurrentCommandId();
  const DrawingSettings& settings = session_.drawing().settings;
  for (const auto& [id, action] : commandActions_) {
    action->setEnabled(engine.IsCommandEnabled(id));
    if (IsModeToggle(id)) {
      action->setChecked(IsModeOn(settings, id));
      continue;
    }
    // The running command's item shows checked.
    action->setCheckable(id == running);
    action->setChecked(id == running);
  }
  stopAction_->setEnabled(engine.IsCommandEnabled(CommandId::Stop));
  for (QAction* action : optionActions_)
    action->setEnabled(engine.IsCommandEnabled(action->data().toInt()));
  RefreshStatus();
  RefreshCommandBar();
  RefreshTitle();
}

}  // namespace korvo
