#pragma once

#include <QString>
#include <functional>

class QKeyEvent;

namespace korvo {

class EditorSession;

// What the user typed into the view while a point question waited: it opens the input dialog,
// and the keys typed before the dialog shows belong to it too.
struct TypedCoordinates {
  QString text;
  // Receives the whole text typed so far each time it grows.
  std::function<void(const QString& text)> sink;
};

// Turns a key press into what the editor means by it (Escape stops, Enter and Space answer,
// arrows move the key cursor, a digit, '-', '.' or ',' starts typed coordinates when `typed`
// is given); false when the key means nothing to the editor.
bool PostKeyPress(const QKeyEvent& event, EditorSession& session,
                  TypedCoordinates* typed = nullptr);

}  // namespace korvo
