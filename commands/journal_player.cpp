#include "commands/journal_player.h"

#include <algorithm>

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "exchange/bitmap_file.h"
#include "exchange/bitmap_options_model.h"
#include "exchange/save_as.h"
#include "platform/journal_dialog_answer.h"
#include "platform/message_queue.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

std::string Quoted(std::u16string_view text) {
  // Appended rather than concatenated: GCC 12 warns about the operator+ form (-Wrestrict)
  // once it inlines this into some callers.
  std::string quoted = "\"";
  quoted.append(Utf16ToUtf8(text));
  quoted.push_back('"');
  return quoted;
}

}  // namespace

JournalPlayer::JournalPlayer(Journal journal, std::ostream* transcript)
    : journal_(std::move(journal)),
      transcript_(transcript),
      messageBox_([this](std::u16string_view text, MessageButtons buttons) {
        return AnswerMessageBox(text, buttons);
      }),
      inputDialog_([this](const InputDialogModel& model) { return AnswerDialog(model); }),
      propertySheet_([this](const PropertySheetModel& model) { return AnswerSheet(model); }),
      fileDialog_([this](const FileDialogRequest& request) { return AnswerFile(request); }),
      bitmapOptions_([this](BitmapOptionsModel& model) { return AnswerBitmapOptions(model); }),
      tableDialogs_(
          messageBox_, [this](std::u16string_view title) { return AnswerTableDialog(title); },
          [this](const std::u16string& why) {
            throw JournalFailure(JournalStatus::SyntaxError, tableStepLine_, Utf16ToUtf8(why));
          }) {}

EditorSessionOptions JournalPlayer::SessionOptions(Profile* profile) {
  EditorSessionOptions options;
  options.width = journal_.width;
  options.height = journal_.height;
  options.inputDialog = &inputDialog_;
  options.messageBox = &messageBox_;
  options.propertySheet = &propertySheet_;
  options.fileDialog = &fileDialog_;
  options.bitmapOptionsDialog = &bitmapOptions_;
  options.tableDialogs = &tableDialogs_;
  options.profile = profile;
  return options;
}

JournalOutcome JournalPlayer::Play(EditorSession& session) {
  session_ = &session;
  std::size_t token = 0;
  if (transcript_ != nullptr) {
    auto last = std::make_shared<std::u16string>(session.promptLine().Text());
    token = session.promptLine().AddListener([this, last](std::u16string_view text) {
      if (text == *last) return;
      *last = std::u16string(text);
      *transcript_ << "prompt: " << Utf16ToUtf8(text) << '\n';
    });
  }
  session.queue().SetEventSource(this);
  JournalOutcome outcome;
  try {
    session.Run();
  } catch (const JournalFailure& failure) {
    outcome = {failure.status, failure.line, failure.what()};
  }
  session.queue().SetEventSource(nullptr);
  if (token != 0) session.promptLine().RemoveListener(token);
  session_ = nullptr;
  return outcome;
}

std::size_t JournalPlayer::NextLine() const {
  if (next_ < journal_.events.size()) return journal_.events[next_].line;
  return journal_.events.empty() ? 0 : journal_.events.back().line;
}

bool JournalPlayer::Supply(MessageQueue&) {
  if (session_ == nullptr) return false;
  if (typed_) {
    throw JournalFailure(JournalStatus::SyntaxError, typedLine_,
                         "the typed value was not taken: no prompt offered the input dialog");
  }
  while (next_ < journal_.events.size()) {
    const JournalEvent& event = journal_.events[next_++];
    if (PlayEvent(event)) return true;
  }
  if (!ended_) {
    ended_ = true;
    CommandEngine& engine = session_->engine();
    // A command still waiting is cancelled as by "Stop", so that it ends the way it ends
    // for the user; the queue quits once that has unwound.
    if (engine.inputState != InputState::None || engine.CurrentCommandId() != 0) {
      session_->PostCommand(CommandId::Stop);
      return true;
    }
  }
  return false;
}

ScreenPoint JournalPlayer::ScreenOf(const JournalEvent& event) const {
  switch (event.kind) {
    case JournalEventKind::TapScreen:
    case JournalEventKind::PressScreen:
    case JournalEventKind::MoveScreen:
    case JournalEventKind::ReleaseScreen:
      return {event.screenX, event.screenY};
    default:
      // World points go through the mapping in force when the line is played.
      return session_->view().WorldToScreen(Point(event.x, event.y));
  }
}

bool JournalPlayer::PlayEvent(const JournalEvent& event) {
  switch (event.kind) {
    case JournalEventKind::Command:
      PostCommand(event);
      return true;
    case JournalEventKind::Tap:
    case JournalEventKind::TapScreen:
    case JournalEventKind::Press:
    case JournalEventKind::PressScreen:
    case JournalEventKind::Move:
    case JournalEventKind::MoveScreen:
    case JournalEventKind::Release:
    case JournalEventKind::ReleaseScreen:
      PostPen(event);
      return true;
    case JournalEventKind::Key:
      // The editor's Escape key stops the running command; no command reads Escape itself.
      if (event.key == KeyCode::Escape) {
        session_->PostCommand(CommandId::Stop);
        return true;
      }
      session_->viewWindow().Post(KeyMessage(&session_->viewWindow(), event.key));
      return true;
    case JournalEventKind::Point:
    case JournalEventKind::Relative:
    case JournalEventKind::Polar:
    case JournalEventKind::Value:
      typed_ = DialogAnswerFromJournal(event);
      typedLine_ = event.line;
      session_->PostCommand(CommandId::DialogInput);
      return true;
    case JournalEventKind::Default:
      session_->PostCommand(CommandId::EnterDefault);
      return true;
    case JournalEventKind::Answer:
      throw JournalFailure(JournalStatus::SyntaxError, event.line, "no message box is open");
    case JournalEventKind::Dialog:
      throw JournalFailure(JournalStatus::SyntaxError, event.line, "no dialog is open");
    case JournalEventKind::File:
      throw JournalFailure(JournalStatus::SyntaxError, event.line, "no file dialog is open");
    case JournalEventKind::ExpectPrompt:
    case JournalEventKind::ExpectMessage:
      Check(event);
      return false;
    case JournalEventKind::Save:
      Save(event);
      return false;
    case JournalEventKind::Screenshot:
      Screenshot(event);
      return false;
    case JournalEventKind::Select:
    case JournalEventKind::RowAction:
    case JournalEventKind::SetFields:
    case JournalEventKind::PushButton:
      throw JournalFailure(JournalStatus::SyntaxError, event.line,
                           "no layers, text styles or line type dialog is open");
  }
  return false;
}

void JournalPlayer::PostCommand(const JournalEvent& event) {
  const int id =
      event.commandId != 0 ? static_cast<int>(event.commandId) : CommandTable::IdOf(event.text);
  if (id == 0)
    throw JournalFailure(JournalStatus::SyntaxError, event.line,
                         "unknown command " + Quoted(event.text));
  session_->PostCommand(id);
}

void JournalPlayer::PostPen(const JournalEvent& event) {
  const ScreenPoint p = ScreenOf(event);
  ViewWindow& view = session_->viewWindow();
  auto post = [&](MessageKind kind, bool penDown) {
    view.Post(PenMessage(kind, &view, p.x, p.y, penDown));
  };
  switch (event.kind) {
    case JournalEventKind::Tap:
    case JournalEventKind::TapScreen:
      post(MessageKind::PenDown, true);
      post(MessageKind::PenUp, false);
      break;
    case JournalEventKind::Press:
    case JournalEventKind::PressScreen:
      post(MessageKind::PenDown, true);
      break;
    case JournalEventKind::Move:
    case JournalEventKind::MoveScreen:
      post(MessageKind::PenMove, true);
      break;
    default:
      post(MessageKind::PenUp, false);
      break;
  }
}

void JournalPlayer::Check(const JournalEvent& event) {
  if (event.kind == JournalEventKind::ExpectPrompt) {
    const std::u16string& shown = session_->promptLine().Text();
    if (shown != event.text)
      throw JournalFailure(JournalStatus::ExpectationFailed, event.line,
                           "the prompt is " + Quoted(shown) + ", expected " + Quoted(event.text));
    return;
  }
  const auto& messages = messageBox_.Messages();
  if (messages.empty())
    throw JournalFailure(JournalStatus::ExpectationFailed, event.line,
                         "no message was shown, expected " + Quoted(event.text));
  if (messages.back().text != event.text)
    throw JournalFailure(
        JournalStatus::ExpectationFailed, event.line,
        "the last message is " + Quoted(messages.back().text) + ", expected " + Quoted(event.text));
}

std::optional<MessageAnswer> JournalPlayer::AnswerMessageBox(std::u16string_view text,
                                                             MessageButtons buttons) {
  if (transcript_ != nullptr) *transcript_ << "message: " << Utf16ToUtf8(text) << '\n';
  if (next_ >= journal_.events.size() || journal_.events[next_].kind != JournalEventKind::Answer)
    throw JournalFailure(JournalStatus::SyntaxError, NextLine(),
                         "the message box " + Quoted(text) + " is not answered on this line");
  const JournalEvent& answer = journal_.events[next_++];
  if (!IsButtonOf(buttons, answer.answer))
    throw JournalFailure(JournalStatus::SyntaxError, answer.line,
                         "the message box " + Quoted(text) + " has no such button");
  return answer.answer;
}

std::optional<ScriptedDialogAnswer> JournalPlayer::AnswerDialog(const InputDialogModel& model) {
  std::optional<ScriptedDialogAnswer> answer;
  std::size_t line = 0;
  if (typed_) {
    answer = std::move(typed_);
    line = typedLine_;
    typed_.reset();
  } else {
    if (next_ >= journal_.events.size() || journal_.events[next_].kind != JournalEventKind::Dialog)
      throw JournalFailure(JournalStatus::SyntaxError, NextLine(),
                           "the input dialog is open but not answered on this line");
    line = journal_.events[next_].line;
    answer = DialogAnswerFromJournal(journal_.events[next_++]);
  }
  // The dialog would cancel silently; a journal that asks for what it does not offer is wrong.
  if (answer && answer->mode) {
    const auto& modes = model.Modes();
    if (std::find(modes.begin(), modes.end(), *answer->mode) == modes.end())
      throw JournalFailure(JournalStatus::SyntaxError, line,
                           "the input dialog offers no " +
                               Utf16ToUtf8(InputDialogModel::ModeLabel(*answer->mode)) + " mode");
  }
  return answer;
}

std::optional<ScriptedSheetAnswer> JournalPlayer::AnswerSheet(const PropertySheetModel& model) {
  const std::string title = Quoted(model.Title());
  // Asked again after an OK was refused: say why, as the sheet would.
  if (transcript_ != nullptr && !model.ErrorMessage().empty())
    *transcript_ << "refused: " << Utf16ToUtf8(model.ErrorMessage()) << '\n';
  // A journal that ends while the sheet is open cancels it, as the user closing it would.
  if (next_ >= journal_.events.size()) return std::nullopt;
  if (journal_.events[next_].kind != JournalEventKind::Dialog)
    throw JournalFailure(JournalStatus::SyntaxError, NextLine(),
                         "the property sheet " + title + " is open but not answered on this line");
  const JournalEvent& event = journal_.events[next_++];
  auto answer = SheetAnswerFromJournal(event);
  for (const ScriptedSheetAnswer::Field& field : answer->fields) {
    if (HeadlessPropertySheet::RowOf(field, model)) continue;
    std::string row = field.label.empty() ? std::to_string(field.row) : Quoted(field.label);
    if (field.label.empty()) row.insert(row.begin(), '#');
    throw JournalFailure(JournalStatus::SyntaxError, event.line,
                         "the property sheet " + title + " has no row " + row);
  }
  return answer;
}

std::optional<std::filesystem::path> JournalPlayer::AnswerFile(const FileDialogRequest& request) {
  const std::string title = Quoted(request.title);
  if (next_ >= journal_.events.size() || journal_.events[next_].kind != JournalEventKind::File)
    throw JournalFailure(JournalStatus::SyntaxError, NextLine(),
                         "the file dialog " + title + " is open but not answered on this line");
  const JournalEvent& event = journal_.events[next_++];
  if (event.answer != MessageAnswer::Ok) return std::nullopt;
  std::filesystem::path path(Utf16ToUtf8(event.text));
  // The real dialog offers only files that exist for opening.
  std::error_code error;
  if (request.mode == FileDialogMode::Open && !std::filesystem::is_regular_file(path, error))
    throw JournalFailure(
        JournalStatus::FileError, event.line,
        "the file dialog " + title + " cannot open " + Quoted(event.text) + ": no such file");
  return path;
}

namespace {

std::u16string_view WithoutColon(std::u16string_view label) {
  return !label.empty() && label.back() == u':' ? label.substr(0, label.size() - 1) : label;
}

}  // namespace

bool JournalPlayer::AnswerBitmapOptions(BitmapOptionsModel& model) {
  // Without a dialog line the options stay as they are, as an OK at once would leave them.
  if (next_ >= journal_.events.size() || journal_.events[next_].kind != JournalEventKind::Dialog)
    return true;
  const JournalEvent& event = journal_.events[next_++];
  if (event.answer != MessageAnswer::Ok) return false;
  const std::u16string_view labels[] = {BitmapOptionsModel::kWidthLabel,
                                        BitmapOptionsModel::kHeightLabel,
                                        BitmapOptionsModel::kBackgroundLabel};
  for (const JournalDialogField& field : event.fields) {
    std::size_t row = field.row;
    for (std::size_t i = 0; row == 0 && i < std::size(labels); ++i) {
      if (EqualsNoCase(field.label, WithoutColon(labels[i]))) row = i + 1;
    }
    switch (row) {
      case 1:
        model.widthText = field.value;
        break;
      case 2:
        model.heightText = field.value;
        break;
      case 3:
        if (EqualsNoCase(field.value, BitmapOptionsModel::kBlack)) {
          model.backgroundChoice = 0;
        } else if (EqualsNoCase(field.value, BitmapOptionsModel::kWhite)) {
          model.backgroundChoice = 1;
        } else {
          throw JournalFailure(JournalStatus::SyntaxError, event.line,
                               "the background is Black or White, not " + Quoted(field.value));
        }
        break;
      default:
        throw JournalFailure(
            JournalStatus::SyntaxError, event.line,
            "the bitmap options have no row " +
                (field.label.empty() ? "#" + std::to_string(field.row) : Quoted(field.label)));
    }
  }
  return true;
}

std::optional<TableDialogStep> JournalPlayer::AnswerTableDialog(std::u16string_view title) {
  // A journal that ends while the dialog is open cancels it, as the user closing it would.
  if (next_ >= journal_.events.size()) return std::nullopt;
  const JournalEvent& event = journal_.events[next_];
  TableDialogStep step;
  switch (event.kind) {
    case JournalEventKind::Select:
      step.kind = TableDialogStep::Kind::Select;
      break;
    case JournalEventKind::RowAction:
      step.kind = TableDialogStep::Kind::Row;
      break;
    case JournalEventKind::SetFields:
      step.kind = TableDialogStep::Kind::Set;
      break;
    case JournalEventKind::PushButton:
      step.kind = TableDialogStep::Kind::Button;
      break;
    case JournalEventKind::Dialog:
      step.kind = event.answer == MessageAnswer::Cancel ? TableDialogStep::Kind::Cancel
                                                        : TableDialogStep::Kind::Ok;
      break;
    default:
      throw JournalFailure(
          JournalStatus::SyntaxError, event.line,
          "the dialog " + Quoted(title) + " is open but not answered on this line");
  }
  ++next_;
  tableStepLine_ = event.line;
  step.name = event.text;
  step.column = event.column;
  for (const JournalDialogField& field : event.fields) {
    if (field.label.empty())
      throw JournalFailure(JournalStatus::SyntaxError, event.line,
                           "the dialog " + Quoted(title) + " names its fields by label, not #N");
    step.fields.emplace_back(field.label, field.value);
  }
  return step;
}

void JournalPlayer::Save(const JournalEvent& event) {
  RecordingMessageBox messages;
  const std::filesystem::path path(Utf16ToUtf8(event.text));
  if (!SaveDrawingAs(session_->drawing(), path, SaveAsOptions{}, messages)) {
    const auto texts = messages.Texts();
    throw JournalFailure(JournalStatus::FileError, event.line,
                         "could not save " + Quoted(event.text) +
                             (texts.empty() ? std::string() : ": " + Utf16ToUtf8(texts.front())));
  }
}

void JournalPlayer::Screenshot(const JournalEvent& event) {
  View& view = session_->view();
  if (view.needsRegen() || view.windowInvalid()) view.Paint();
  if (!WriteTrueColorBitmap(std::filesystem::path(Utf16ToUtf8(event.text)), view.window()))
    throw JournalFailure(JournalStatus::FileError, event.line,
                         "could not write " + Quoted(event.text));
}

}  // namespace korvo
