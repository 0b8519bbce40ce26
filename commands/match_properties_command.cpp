#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/draw_command.h"
#include "commands/draw_commands.h"
#include "commands/draw_option_sheets.h"
#include "commands/edit_command.h"
#include "commands/object_selection.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/line_entity.h"

namespace korvo {
namespace {

// Copies the chosen properties of `source` to `target` through the target's own
// CopyProperties, so that kinds with parts (polylines) pass them on: a carrier holds the
// target's properties with the chosen ones of the source.
void MatchProperties(const Entity& source, Entity& target, const MatchOptions& options) {
  LineEntity carrier;
  carrier.CopyProperties(target);
  if (options.color != 0) carrier.colorIndex = source.colorIndex;
  if (options.layer != 0) carrier.layer = source.layer;
  if (options.lineType != 0) carrier.lineType = source.lineType;
  if (options.lineWeight != 0) carrier.lineWeight = source.lineWeight;
  target.CopyProperties(carrier);
}

}  // namespace

void RunMatchProperties(CommandEngine& engine, MatchOptions& options) {
  const DrawCommandScope scope(engine, CommandId::MatchProperties);
  Drawing& drawing = engine.drawing();
  Entity* source = nullptr;
  for (;;) {
    const InputResult result = PickObject(engine, StringId::MatchSourcePrompt, source);
    if (result == InputResult::Default) {
      AskMatchOptions(engine, options);
      continue;
    }
    if (result != InputResult::Picked) return;
    break;
  }
  for (;;) {
    Entity* target = nullptr;
    const InputResult result = PickObject(engine, StringId::MatchTargetPrompt, target);
    if (result != InputResult::Picked) return;
    if (target == source) continue;
    drawing.undo.RecordEntityChange(UndoKind::EntityModified, target);
    MatchProperties(*source, *target, options);
    Entity* const changed[] = {target};
    RemarkOutOfView(drawing, changed);
    drawing.SetModifiedFlag(true);
    engine.RepaintNow();
  }
}

}  // namespace korvo
