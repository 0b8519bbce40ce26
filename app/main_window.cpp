#include "app/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/prompt_bar.h"
#include "app/view_widget.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "view/view.h"

namespace korvo {

MainWindow::MainWindow(EditorSession& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      viewWidget_(new ViewWidget(session)),
      promptBar_(new PromptBar(session.promptLine())) {
  auto* centre = new QWidget(this);
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(viewWidget_, 1);
  layout->addWidget(promptBar_);
  setCentralWidget(centre);
  setWindowTitle(QStringLiteral("KorvoCAD"));
  resize(1024, 768);
  BuildMenus();
  BuildToolbars();
  viewWidget_->setFocus();
}

void MainWindow::Refresh() {
  // What the screen would ask for: a window left invalid (resized, a drawing loaded) is
  // painted before it is shown.
  View& view = session_.view();
  if (view.needsRegen() || view.windowInvalid()) view.Paint();
  viewWidget_->Present();
  RefreshMenus();
  RefreshToolbars();
}

void MainWindow::PostCommand(int id) {
  session_.PostCommand(id);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The frame decides: it may ask about saving and then quit, or be told to stay.
  event->ignore();
  PostCommand(CommandId::Exit);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!viewWidget_->PostKey(*event)) QMainWindow::keyPressEvent(event);
}

}  // namespace korvo
