#include "platform/journal_dialog_answer.h"

#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

ScriptedDialogAnswer TwoRows(std::optional<InputDialogMode> mode, double first, double second) {
  ScriptedDialogAnswer answer;
  answer.mode = mode;
  answer.fields.push_back({u"", 1, Ascii(FormatShortest(first))});
  answer.fields.push_back({u"", 2, Ascii(FormatShortest(second))});
  return answer;
}

}  // namespace

std::optional<ScriptedDialogAnswer> DialogAnswerFromJournal(const JournalEvent& event) {
  switch (event.kind) {
    case JournalEventKind::Point:
      return TwoRows(InputDialogMode::Absolute, event.x, event.y);
    case JournalEventKind::Relative:
      return TwoRows(InputDialogMode::Relative, event.x, event.y);
    case JournalEventKind::Polar:
      return TwoRows(InputDialogMode::Polar, event.x, event.y);
    case JournalEventKind::Value: {
      ScriptedDialogAnswer answer;
      answer.fields.push_back({u"", 1, Ascii(FormatShortest(event.x))});
      return answer;
    }
    case JournalEventKind::Dialog: {
      ScriptedDialogAnswer answer;
      answer.button =
          event.answer == MessageAnswer::Cancel ? InputDialogResult::Cancel : InputDialogResult::Ok;
      for (const JournalDialogField& field : event.fields) {
        answer.fields.push_back({field.label, field.row, field.value});
      }
      return answer;
    }
    default:
      return std::nullopt;
  }
}

std::optional<ScriptedSheetAnswer> SheetAnswerFromJournal(const JournalEvent& event) {
  if (event.kind != JournalEventKind::Dialog) return std::nullopt;
  ScriptedSheetAnswer answer;
  answer.button =
      event.answer == MessageAnswer::Cancel ? PropertySheetResult::Cancel : PropertySheetResult::Ok;
  for (const JournalDialogField& field : event.fields) {
    answer.fields.push_back({field.label, field.row, field.value});
  }
  return answer;
}

}  // namespace korvo
