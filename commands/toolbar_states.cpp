#include "commands/toolbar_states.h"

#include "commands/command_id.h"
#include "commands/command_table.h"
#include "commands/toolbar_model.h"
#include "core/drawing.h"

namespace korvo {

void RecordRecentCommand(ToolbarModel& recent, int commandId, std::u16string_view scriptName) {
  if (IsNeverRecordedCommand(commandId)) return;
  const std::u16string_view name =
      commandId == CommandId::RunScriptCommand ? scriptName : CommandTable::NameOf(commandId);
  if (name.empty() || name == CommandTable::kNoCommandName) return;
  // A command without a button of its own leaves the toolbar as it is.
  if (!recent.MoveButton(name, kRecentCommandPosition)) return;
  recent.MoveButton(u"UNDO", kRecentUndoPosition);
  recent.MoveButton(u"REDO", kRecentUndoPosition);
}

bool UpdateToolbarStates(ToolbarModel& toolbar, const Drawing& drawing) {
  bool changed = false;
  const bool selected = !drawing.selection.empty();
  for (const std::u16string_view name : EditingCommandBarNames())
    changed |= toolbar.SetButtonEnabled(name, selected);
  changed |= toolbar.SetButtonEnabled(u"UNDO", drawing.undo.CanUndo());
  changed |= toolbar.SetButtonEnabled(u"REDO", drawing.undo.CanRedo());
  changed |= toolbar.SetButtonChecked(u"GRID", drawing.settings.gridOn != 0);
  changed |= toolbar.SetButtonChecked(u"GRIDSNAP", drawing.settings.gridSnap != 0);
  changed |= toolbar.SetButtonChecked(u"ORTHOSNAP", drawing.settings.orthoSnap != 0);
  return changed;
}

}  // namespace korvo
