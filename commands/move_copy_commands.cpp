#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/edit_command.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "commands/transform_commands.h"
#include "commands/transform_preview.h"
#include "core/drawing.h"

namespace korvo {
namespace {

// The base point of a displacement; no preview, so pen movement does not end the question.
bool AskBasePoint(CommandEngine& engine, Point& base) {
  return GetPoint(engine, base, StringId::DisplacementBasePrompt,
                  StringId::DisplacementBaseDescription, kPointKeepWaiting) == InputResult::Picked;
}

bool MoveStep(CommandEngine& engine) {
  Point base;
  if (!AskBasePoint(engine, base)) return false;
  Drawing& drawing = engine.drawing();
  const std::vector<Entity*> chosen = drawing.selection;
  TransformPreview preview(engine.view(), chosen);
  const TransformQuestion question{base, StringId::DisplacementSecondPrompt,
                                   StringId::DisplacementSecondDescription, kPointNoDefault};
  Point to;
  const InputResult result = AskWithPreview(
      engine, preview, question, [&](const Point& p) { return MoveTransform(base, p); }, to);
  if (result != InputResult::Picked) return false;
  TransformInPlace(drawing, chosen, MoveTransform(base, to));
  FinishEditStep(engine);
  return true;
}

// Copies go on being placed from one base point until "<no more>"; then a new selection.
bool CopyStep(CommandEngine& engine) {
  Point base;
  if (!AskBasePoint(engine, base)) return false;
  Drawing& drawing = engine.drawing();
  const std::vector<Entity*> sources = drawing.selection;
  drawing.ClearSelection();
  engine.RepaintNow();
  TransformPreview preview(engine.view(), sources);
  const TransformQuestion question{base, StringId::CopySecondPrompt,
                                   StringId::DisplacementSecondDescription, 0};
  for (;;) {
    Point to;
    const InputResult result = AskWithPreview(
        engine, preview, question, [&](const Point& p) { return MoveTransform(base, p); }, to);
    if (result != InputResult::Picked) return result == InputResult::Default;
    AddTransformedClones(drawing, sources, MoveTransform(base, to));
    drawing.SetModifiedFlag(true);
    engine.RepaintNow();
  }
}

}  // namespace

void RunMove(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::Move, MoveStep);
}

void RunCopy(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::Copy, CopyStep);
}

}  // namespace korvo
