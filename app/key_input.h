#pragma once

class QKeyEvent;

namespace korvo {

class EditorSession;

// Turns a key press into what the editor means by it (Escape stops, Enter and Space answer,
// arrows move the key cursor); false when the key means nothing to the editor.
bool PostKeyPress(const QKeyEvent& event, EditorSession& session);

}  // namespace korvo
