#include "app/key_input.h"

#include <QKeyEvent>

#include "commands/command_id.h"
#include "commands/editor_session.h"

namespace korvo {

bool PostKeyPress(const QKeyEvent& event, EditorSession& session) {
  Window& view = session.viewWindow();
  switch (event.key()) {
    case Qt::Key_Escape:
      session.PostCommand(CommandId::Stop);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return view.Post(KeyMessage(&view, KeyCode::Enter));
    case Qt::Key_Space:
      return view.Post(KeyMessage(&view, KeyCode::Space));
    case Qt::Key_Left:
      return view.Post(KeyMessage(&view, KeyCode::Left));
    case Qt::Key_Right:
      return view.Post(KeyMessage(&view, KeyCode::Right));
    case Qt::Key_Up:
      return view.Post(KeyMessage(&view, KeyCode::Up));
    case Qt::Key_Down:
      return view.Post(KeyMessage(&view, KeyCode::Down));
    default:
      return false;
  }
}

}  // namespace korvo
