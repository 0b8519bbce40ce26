#include "app/key_input.h"

#include <QKeyEvent>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/editor_session.h"
#include "platform/message_queue.h"

namespace korvo {
namespace {

bool StartsCoordinates(const QString& text) {
  if (text.size() != 1) return false;
  const QChar c = text.front();
  return c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool DialogInputQueued(MessageQueue& queue) {
  return queue.Contains({MessageKind::Command, nullptr, [](const Message& m) {
                           return m.commandId == static_cast<uint32_t>(CommandId::DialogInput);
                         }});
}

// A coordinate key while a point question that takes the dialog waits: the first opens the
// dialog, those typed before it has the focus add to its text (the dialog asked for may be
// queued still, or opening: the question is then in the dialog state).
bool TypeCoordinate(const QKeyEvent& event, EditorSession& session, TypedCoordinates& typed) {
  const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if ((event.modifiers() & chords) != 0 || !StartsCoordinates(event.text())) return false;
  const CommandEngine& engine = session.engine();
  const bool pending =
      DialogInputQueued(session.queue()) || session.engine().inputState == InputState::Dialog;
  if (!pending) {
    if (engine.inputState != InputState::Waiting || !engine.dialogAllowed) return false;
    typed.text.clear();
    session.PostCommand(CommandId::DialogInput);
  }
  typed.text += event.text();
  if (typed.sink) typed.sink(typed.text);
  return true;
}

}  // namespace

bool PostKeyPress(const QKeyEvent& event, EditorSession& session, TypedCoordinates* typed) {
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
      return typed != nullptr && TypeCoordinate(event, session, *typed);
  }
}

}  // namespace korvo
