#include <QAction>
#include <QFileInfo>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "commands/command_engine.h"
#include "commands/command_table.h"
#include "commands/editor_session.h"
#include "commands/file_commands.h"
#include "commands/menu_layout.h"
#include "core/drawing.h"
#include "platform/command_bar.h"

namespace korvo {

void MainWindow::BuildStatusBar() {
  for (const int id : kModeToggleCommands) {
    auto* button = new QToolButton(statusBar());
    button->setText(QtText(CommandTable::NameOf(id)));
    button->setCheckable(true);
    button->setAutoRaise(true);
    // The drawing holds the state: a click only asks for the toggle.
    connect(button, &QToolButton::clicked, this, [this, id, button] {
      button->setChecked(!button->isChecked());
      PostCommand(id);
    });
    statusBar()->addPermanentWidget(button);
    modeButtons_[id] = button;
  }
  commandBarToolbar_ = addToolBar(QStringLiteral("Recent commands"));
  commandBarToolbar_->setObjectName(QStringLiteral("CommandBar"));
  commandBarToolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void MainWindow::RefreshStatus() {
  const DrawingSettings& settings = session_.drawing().settings;
  for (const auto& [id, button] : modeButtons_) button->setChecked(IsModeOn(settings, id));
}

void MainWindow::RefreshCommandBar() {
  const CommandBar& bar = session_.commandBar();
  std::vector<std::u16string> names;
  for (const CommandBar::Entry& entry : bar.Entries()) names.push_back(entry.name);
  if (names != commandBarShown_) {
    commandBarShown_ = names;
    commandBarToolbar_->clear();
    for (const std::u16string& name : names) {
      QAction* action = commandBarToolbar_->addAction(QtText(name));
      action->setCheckable(true);
      connect(action, &QAction::triggered, this, [this, name] { ChooseCommandBarEntry(name); });
    }
  }
  const QList<QAction*> actions = commandBarToolbar_->actions();
  for (qsizetype i = 0; i < actions.size(); ++i) {
    const CommandBar::Entry& entry = bar.Entries()[static_cast<std::size_t>(i)];
    actions[i]->setChecked(entry.checked);
    actions[i]->setEnabled(entry.enabled);
  }
}

void MainWindow::ChooseCommandBarEntry(const std::u16string& text) {
  // The at sign marks a scripted command: the rest is the script's name.
  if (!text.empty() && text.front() == u'@') {
    if (runScript_) runScript_(text.substr(1));
    return;
  }
  const int id = CommandTable::IdOf(text);
  if (id != 0) PostCommand(id);
}

void MainWindow::RefreshTitle() {
  const Drawing& drawing = session_.drawing();
  const QString title = QtText(DrawingTitle(drawing)) + QStringLiteral("[*] - KorvoCAD");
  if (windowTitle() != title) setWindowTitle(title);
  setWindowModified(drawing.IsModified());
}

}  // namespace korvo
