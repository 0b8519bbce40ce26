#include <optional>
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

// The first point of a transform; no preview, so pen movement does not end the question.
bool AskFirstPoint(CommandEngine& engine, int promptId, int descriptionId, Point& out) {
  return GetPoint(engine, out, promptId, descriptionId, kPointKeepWaiting) == InputResult::Picked;
}

// Yes: the selection itself is transformed; No: transformed copies are added; Cancel:
// nothing. The selection is cleared in every case.
void ApplyAsAnswered(CommandEngine& engine, int questionId, const std::vector<Entity*>& chosen,
                     const EditTransform& transform) {
  Drawing& drawing = engine.drawing();
  switch (AskDeleteSources(engine, questionId)) {
    case SourceChoice::Delete:
      TransformInPlace(drawing, chosen, transform);
      break;
    case SourceChoice::Keep:
      AddTransformedClones(drawing, chosen, transform);
      break;
    case SourceChoice::Cancel:
      drawing.ClearSelection();
      engine.RepaintNow();
      return;
  }
  FinishEditStep(engine);
}

bool RotateStep(CommandEngine& engine) {
  Point center;
  if (!AskFirstPoint(engine, StringId::RotationBasePrompt, StringId::RotationBaseDescription,
                     center))
    return false;
  const std::vector<Entity*> chosen = engine.drawing().selection;
  TransformPreview preview(engine.view(), chosen);
  const TransformQuestion question{center, StringId::RotationAnglePrompt,
                                   StringId::RotationAngleDescription,
                                   kPointNoDefault | kPointShowAngle, true};
  Point direction;
  const InputResult result = AskWithPreview(
      engine, preview, question, [&](const Point& p) { return RotateTransform(center, p); },
      direction);
  if (result != InputResult::Picked) return false;
  ApplyAsAnswered(engine, StringId::RotateDeleteSourceQuestion, chosen,
                  RotateTransform(center, direction));
  return true;
}

bool ScaleStep(CommandEngine& engine) {
  Point base;
  if (!AskFirstPoint(engine, StringId::ScalingBasePrompt, StringId::ScalingBaseDescription, base))
    return false;
  Drawing& drawing = engine.drawing();
  const std::vector<Entity*> chosen = drawing.selection;
  TransformPreview preview(engine.view(), chosen);
  const TransformQuestion question{base, StringId::ScaleFactorPrompt,
                                   StringId::ScaleFactorDescription,
                                   kPointNoDefault | kPointShowDistance};
  Point at;
  const InputResult result = AskWithPreview(
      engine, preview, question, [&](const Point& p) { return ScaleTransform(base, p); }, at);
  if (result != InputResult::Picked) return false;
  // A factor of 1 still takes its undo records: the command did run.
  TransformInPlace(drawing, chosen, ScaleTransform(base, at));
  FinishEditStep(engine);
  return true;
}

bool MirrorStep(CommandEngine& engine) {
  Point first;
  if (!AskFirstPoint(engine, StringId::MirrorFirstPrompt, StringId::MirrorFirstDescription, first))
    return false;
  const std::vector<Entity*> chosen = engine.drawing().selection;
  TransformPreview preview(engine.view(), chosen);
  const TransformQuestion question{first, StringId::MirrorSecondPrompt,
                                   StringId::MirrorSecondDescription, kPointNoDefault};
  const TransformOf mirrorTo = [&](const Point& p) { return MirrorTransform(first, p); };
  // A second point on the first defines no line: the question is asked again.
  std::optional<EditTransform> mirror;
  while (!mirror) {
    Point second;
    if (AskWithPreview(engine, preview, question, mirrorTo, second) != InputResult::Picked)
      return false;
    mirror = MirrorTransform(first, second);
  }
  ApplyAsAnswered(engine, StringId::MirrorDeleteSourceQuestion, chosen, *mirror);
  return true;
}

}  // namespace

void RunRotate(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::Rotate, RotateStep);
}

void RunScale(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::Scale, ScaleStep);
}

void RunMirror(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::Mirror, MirrorStep);
}

}  // namespace korvo
