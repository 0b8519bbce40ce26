#pragma once

#include <optional>

#include "platform/headless_input_dialog.h"
#include "platform/headless_property_sheet.h"
#include "platform/journal.h"

namespace korvo {

// The input-dialog answer a journal line stands for: `point X Y` types X and Y in the
// absolute rows, `relative` and `polar` choose their mode first, `value V` types V in the
// first row of whatever the dialog shows, and `dialog ...` presses its button after typing its
// fields. Numbers are typed in their shortest exact form, so the dialog reads back the very
// values of the journal. Nothing for lines that do not answer the dialog.
std::optional<ScriptedDialogAnswer> DialogAnswerFromJournal(const JournalEvent& event);

// The property-sheet answer of a `dialog` line: its button, then its fields typed into the
// rows they name. Nothing for other lines.
std::optional<ScriptedSheetAnswer> SheetAnswerFromJournal(const JournalEvent& event);

}  // namespace korvo
