#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "commands/editor_session.h"
#include "commands/file_commands.h"
#include "commands/headless_table_dialogs.h"
#include "platform/event_source.h"
#include "platform/file_dialog.h"
#include "platform/headless_input_dialog.h"
#include "platform/headless_property_sheet.h"
#include "platform/journal.h"
#include "platform/message_box.h"

namespace korvo {

// How a journal run ended; the numbers are the command line's exit statuses.
enum class JournalStatus : int {
  Ran = 0,
  FileError = 1,          // a file could not be read or written
  SyntaxError = 2,        // a line that cannot be played here (or a usage error)
  ExpectationFailed = 3,  // an expect-prompt or expect-message did not hold
};

struct JournalOutcome {
  JournalStatus status = JournalStatus::Ran;
  std::size_t line = 0;  // the journal line that ended the run; 0 when it ran through
  std::string message;   // English, for the command line
};

// Thrown by the player to leave every nested loop at once when a line cannot go on.
class JournalFailure : public std::runtime_error {
 public:
  JournalFailure(JournalStatus failureStatus, std::size_t failureLine, const std::string& message)
      : std::runtime_error(message), status(failureStatus), line(failureLine) {}
  JournalStatus status;
  std::size_t line;
};

// Plays a journal into an editor session as the user's input: each time the queue runs dry
// it posts the messages of the next line (a command to the frame, pen and key messages to
// the view window; typed values post "DialogInput" and wait for the input dialog).
// Message boxes, input dialogs and property sheets that open take their answers from the
// journal's next line at once (a `dialog` line answers whichever dialog is open, a `file`
// line the file dialog; the bitmap options take a `dialog` line when one follows, else
// stay as they are); checks,
// journal's next line at once (a `dialog` line answers whichever dialog is open); the layers,
// text styles and line type dialogs take `select`, `row`, `set` and `button` lines until a
// `dialog` line closes them; checks,
// saves and screenshots happen when their line is reached. When the journal ends while a
// property sheet is open, the sheet is cancelled; when it ends while a command waits, the
// command is stopped, and then the session quits.
class JournalPlayer : public EventSource {
 public:
  // `transcript` (optional) receives "prompt: TEXT" for each change of the prompt line and
  // "message: TEXT" for each message box, one per line.
  explicit JournalPlayer(Journal journal, std::ostream* transcript = nullptr);

  // A session for this player: the journal's client size, the player's message box, input
  // dialog, property sheet and table dialogs; `profile` as given.
  EditorSessionOptions SessionOptions(Profile* profile = nullptr);
  // Runs the session until the journal is played out (or a line fails).
  JournalOutcome Play(EditorSession& session);

  bool Supply(MessageQueue& queue) override;

  const CallbackMessageBox& messageBox() const { return messageBox_; }
  const HeadlessPropertySheet& propertySheet() const { return propertySheet_; }
  const HeadlessTableDialogs& tableDialogs() const { return tableDialogs_; }

 private:
  // True when the event posted a message.
  bool PlayEvent(const JournalEvent& event);
  void PostCommand(const JournalEvent& event);
  void PostPen(const JournalEvent& event);
  void Check(const JournalEvent& event);
  ScreenPoint ScreenOf(const JournalEvent& event) const;
  std::optional<MessageAnswer> AnswerMessageBox(std::u16string_view text, MessageButtons buttons);
  std::optional<ScriptedDialogAnswer> AnswerDialog(const InputDialogModel& model);
  std::optional<ScriptedSheetAnswer> AnswerSheet(const PropertySheetModel& model);
  std::optional<std::filesystem::path> AnswerFile(const FileDialogRequest& request);
  bool AnswerBitmapOptions(BitmapOptionsModel& model);
  std::optional<TableDialogStep> AnswerTableDialog(std::u16string_view title);
  std::size_t NextLine() const;
  void Save(const JournalEvent& event);
  void Screenshot(const JournalEvent& event);

  Journal journal_;
  std::ostream* transcript_;
  CallbackMessageBox messageBox_;
  HeadlessInputDialog inputDialog_;
  HeadlessPropertySheet propertySheet_;
  HeadlessFileDialog fileDialog_;
  CallbackBitmapOptions bitmapOptions_;
  HeadlessTableDialogs tableDialogs_;
  std::size_t tableStepLine_ = 0;  // the line of the last table dialog step
  EditorSession* session_ = nullptr;
  std::size_t next_ = 0;
  bool ended_ = false;
  // The answer of a typed value, waiting for the input dialog it opens.
  std::optional<ScriptedDialogAnswer> typed_;
  std::size_t typedLine_ = 0;
};

}  // namespace korvo
