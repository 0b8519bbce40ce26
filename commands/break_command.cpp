#include "commands/break_entity.h"
#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/cut_commands.h"
#include "commands/object_highlight.h"
#include "commands/object_selection.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"
#include "platform/point_flags.h"

namespace korvo {
namespace {

bool IsBreakable(const Entity& entity) {
  const int code = entity.GetElementCode();
  return code == ElementCode::Line || code == ElementCode::Circle || code == ElementCode::Arc ||
         code == ElementCode::Ellipse;
}

// Asks the two break points of `object` (highlighted meanwhile) and breaks it. False when
// an answer ends the command.
bool BreakOne(CommandEngine& engine, Entity& object, bool& changed) {
  ObjectHighlight highlight(engine.view(), object);
  Point first;
  if (GetPoint(engine, Point(), Point(), first, StringId::BreakFirstPrompt,
               StringId::BreakFirstDescription,
               kPointNoBase | kPointKeepWaiting) != InputResult::Picked)
    return false;
  Point second;
  const InputResult result = GetPoint(engine, first, first, second, StringId::BreakSecondPrompt,
                                      StringId::BreakSecondDescription, kPointKeepWaiting);
  if (result != InputResult::Picked && result != InputResult::Default) return false;
  highlight.Remove();
  const BreakPoints points = result == InputResult::Picked ? BreakPoints::Two : BreakPoints::One;
  if (BreakEntity(engine.drawing(), &engine.view(), object, first, second, points)) changed = true;
  return true;
}

}  // namespace

void RunBreak(CommandEngine& engine) {
  engine.BeginCommand(CommandId::Break, kSelectionMenuBar);
  Drawing& drawing = engine.drawing();
  bool changed = false;
  for (;;) {
    Entity* object = nullptr;
    if (PickObject(engine, StringId::BreakObjectPrompt, object) != InputResult::Picked ||
        object == nullptr)
      break;
    if (!IsBreakable(*object)) {
      engine.messageBox().Show(LoadHostString(StringId::BreakRefusedMessage), MessageButtons::Ok,
                               MessageIcon::Exclamation);
      continue;
    }
    if (!BreakOne(engine, *object, changed)) break;
  }
  if (changed) {
    drawing.SetModifiedFlag(true);
    engine.RepaintNow();
  }
  engine.EndCommand();
  drawing.undo.EndUndoGroup();
}

}  // namespace korvo
