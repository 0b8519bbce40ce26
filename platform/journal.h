#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_code.h"
#include "platform/message_box.h"

// An input journal: the user's input as text, one event a line, replayed headless.
//
//   # a comment: from '#' to the end of the line, outside double quotes
//   size 480 640            client size in pixels; only before the first event
//   command draw_LINE       a command by name (looked up later) or by number
//   tap 10 20               press and release at a world point
//   tap-screen 100 200      the same at a client pixel
//   press X Y / move X Y / release X Y, and -screen forms with pixels: a drag
//   key Enter               Enter, Space, Escape, Left, Right, Up or Down
//   point 3 4               the input dialog's answers: absolute, relative, polar
//   relative 1 0            (angle in degrees, then length) or a single value
//   polar 90 5
//   value 2.5
//   default                 accept the prompt's default
//   answer yes              the next message box: ok, cancel, yes or no
//   dialog ok X=3 #2="4"    the next input dialog: its button, then rows by label or #N
//   file ok out.dxf         the next file dialog: the name chosen (an open dialog needs an
//   file cancel             existing file), or cancel
//   select Walls            in the layers or text styles dialog: select a row or style
//   row Walls frozen        in the layers dialog: tap a row's column (linetype, frozen,
//                           locked, current, delete, or 1 to 5)
//   set Name=Walls          in the layers, text styles or line type dialog: type into fields
//   button New              ... press a button ("Rename", "Apply changes", "By layer", ...)
//   expect-prompt "Start? <done>"   checks of the prompt line and the last message
//   expect-message "..."
//   save out.KorvoDWG       saves the drawing
//   screenshot view.bmp     writes the view's window bitmap
//
// Tokens are separated by blanks (spaces, tabs); a token with blanks is written in double
// quotes, and inside quotes \" and \\ stand for a quote and a backslash. A token of the form
// #N=VALUE (digits after the '#') names the N-th dialog row rather than starting a comment.
// In NAME=VALUE the '=' must stand outside quotes: X="a b" is a field, "X=a b" is not.
// Words compare without regard to case. The text is UTF-8.
namespace korvo {

enum class JournalEventKind : uint8_t {
  Command,
  Tap,
  TapScreen,
  Press,
  Move,
  Release,
  PressScreen,
  MoveScreen,
  ReleaseScreen,
  Key,
  Point,
  Relative,
  Polar,
  Value,
  Default,
  Answer,
  Dialog,
  ExpectPrompt,
  ExpectMessage,
  Save,
  Screenshot,
  File,
  Select,
  RowAction,
  SetFields,
  PushButton,
};

// One `NAME=VALUE` of a dialog line.
struct JournalDialogField {
  std::u16string label;  // the row's label without its colon; empty when given by number
  std::size_t row = 0;   // 1 for the first row when given as #N; 0 when given by label
  std::u16string value;  // the text typed into the row, not yet checked
};

struct JournalEvent {
  JournalEventKind kind = JournalEventKind::Default;
  std::size_t line = 0;  // 1-based line of the journal text
  // World coordinates (tap, press, move, release, point), offsets (relative), angle in
  // degrees and length (polar), or the value in x.
  double x = 0;
  double y = 0;
  // Client pixels of the -screen forms.
  int screenX = 0;
  int screenY = 0;
  uint32_t commandId = 0;  // a command given by number; 0 when given by name
  KeyCode key{};
  // answer, dialog and file: Ok, Cancel, Yes or No
  MessageAnswer answer = MessageAnswer::Ok;
  // The command name, the expected text, the path (empty for `file cancel`), the row or
  // style, or the button.
  std::u16string text;
  std::u16string column;  // the column a row action taps
  std::vector<JournalDialogField> fields;
};

struct Journal {
  static constexpr int kDefaultWidth = 480;
  static constexpr int kDefaultHeight = 640;
  static constexpr int kMaxSize = 16384;
  // Pixel coordinates beyond this are refused: no screen is that large, and the view's
  // arithmetic stays far from overflow.
  static constexpr int kMaxScreenCoordinate = 1000000;

  int width = kDefaultWidth;
  int height = kDefaultHeight;
  std::vector<JournalEvent> events;
};

struct JournalError {
  std::size_t line = 0;
  std::string message;  // English, for the command line and test output
};

struct JournalReadResult {
  Journal journal;
  std::optional<JournalError> error;  // set when the text is not a valid journal

  bool ok() const { return !error.has_value(); }
};

// Reads a whole journal. Stops at the first error; the events before it are kept.
JournalReadResult ReadJournal(std::string_view text);

}  // namespace korvo
