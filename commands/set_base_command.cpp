#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/draw_command.h"
#include "commands/draw_commands.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/drawing.h"

namespace korvo {

void RunSetBase(CommandEngine& engine) {
  const DrawCommandScope scope(engine, CommandId::SetBase);
  Drawing& drawing = engine.drawing();
  Point at;
  // The default shows the base point as it is; taking it changes nothing.
  const InputResult result =
      GetPoint(engine, Point(), drawing.settings.basePoint, at, StringId::InsertionBasePrompt,
               StringId::InsertionBaseDescription, kPointNoBase | kPointKeepWaiting);
  if (result != InputResult::Picked) return;
  drawing.undo.RecordChange(UndoKind::SettingsChanged);
  drawing.settings.basePoint = at;
  drawing.SetModifiedFlag(true);
}

}  // namespace korvo
