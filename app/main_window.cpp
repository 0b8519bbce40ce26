#include "app/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/prompt_bar.h"
#include "app/view_widget.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"

namespace korvo {

MainWindow::MainWindow(EditorSession& session, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      viewWidget_(new ViewWidget(session.view(), session.viewWindow())),
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
  viewWidget_->setFocus();
}

void MainWindow::Refresh() {
  viewWidget_->Present();
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
  Window& view = session_.viewWindow();
  switch (event->key()) {
    case Qt::Key_Escape:
      PostCommand(CommandId::Stop);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      view.Post(KeyMessage(&view, KeyCode::Enter));
      return;
    case Qt::Key_Space:
      view.Post(KeyMessage(&view, KeyCode::Space));
      return;
    case Qt::Key_Left:
      view.Post(KeyMessage(&view, KeyCode::Left));
      return;
    case Qt::Key_Right:
      view.Post(KeyMessage(&view, KeyCode::Right));
      return;
    case Qt::Key_Up:
      view.Post(KeyMessage(&view, KeyCode::Up));
      return;
    case Qt::Key_Down:
      view.Post(KeyMessage(&view, KeyCode::Down));
      return;
    default:
      QMainWindow::keyPressEvent(event);
  }
}

}  // namespace korvo
