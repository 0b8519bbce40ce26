#include "commands/edit_command.h"

#include "commands/borrowed_list.h"
#include "commands/command_engine.h"
#include "commands/object_selection.h"
#include "commands/point_input.h"
#include "commands/string_table.h"
#include "commands/transform_preview.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"
#include "view/picture.h"

namespace korvo {

EditCommandScope::EditCommandScope(CommandEngine& engine, int commandId) : engine_(engine) {
  engine.BeginCommand(commandId, kSelectionMenuBar);
}

EditCommandScope::~EditCommandScope() {
  Drawing& drawing = engine_.drawing();
  if (!drawing.selection.empty()) {
    drawing.ClearSelection();
    engine_.RepaintNow();
  }
  drawing.undo.EndUndoGroup();
  engine_.EndCommand();
}

void RunEditCommand(CommandEngine& engine, int commandId, const EditStep& step,
                    SelectionAnswers answers) {
  const EditCommandScope scope(engine, commandId);
  const Drawing& drawing = engine.drawing();
  for (;;) {
    const InputResult result =
        SelectObjects(engine, StringId::SelectObjectsPrompt, SelectionMode::Many);
    const bool goOn =
        result == InputResult::Default ||
        (answers == SelectionAnswers::NoMoreOrPicked && result == InputResult::Picked);
    if (!goOn || drawing.selection.empty()) return;
    if (!step(engine)) return;
    if (!HasLiveEntities(drawing)) return;
  }
}

void FinishEditStep(CommandEngine& engine) {
  Drawing& drawing = engine.drawing();
  drawing.ClearSelection();
  drawing.SetModifiedFlag(true);
  engine.RepaintNow();
}

bool HasLiveEntities(const Drawing& drawing) {
  for (const Entity* entity : drawing.entities)
    if (!entity->IsErased()) return true;  // markers of the drawing order are erased too
  return false;
}

InputResult AskWithPreview(CommandEngine& engine, TransformPreview& preview,
                           const TransformQuestion& question, const TransformOf& transformOf,
                           Point& at) {
  const PenMoveWaiting waiting = [&engine] { return engine.NewerPenMoveQueued(); };
  for (;;) {
    const InputResult result = GetPoint(engine, question.base, question.base, at, question.promptId,
                                        question.descriptionId, question.flags);
    if (result == InputResult::CursorMoved) {
      const std::optional<Point> bandFrom =
          question.rubberBand ? std::optional<Point>(question.base) : std::nullopt;
      preview.Show(transformOf(at), waiting, bandFrom, at);
      continue;
    }
    if (result == InputResult::PenMoved) continue;
    preview.Hide();
    return result;
  }
}

void TransformInPlace(Drawing& drawing, std::span<Entity* const> entities,
                      const EditTransform& transform) {
  drawing.undo.RecordListChange(UndoKind::EntityModified, entities);
  for (Entity* entity : entities) transform.Apply(*entity);
  RemarkOutOfView(drawing, entities);
}

std::vector<Entity*> AddTransformedClones(Drawing& drawing, std::span<Entity* const> sources,
                                          const EditTransform& transform) {
  std::vector<Entity*> clones;
  clones.reserve(sources.size());
  for (const Entity* source : sources) {
    Entity* clone = EntityList::Clone(*source);
    if (clone == nullptr) continue;
    clone->flags &= ~EntityFlag::Selected;
    transform.Apply(*clone);
    drawing.entities.AddTail(clone);
    clones.push_back(clone);
  }
  drawing.undo.RecordListChange(UndoKind::EntityAdded, clones);
  RemarkOutOfView(drawing, clones);
  return clones;
}

void RemarkOutOfView(Drawing& drawing, std::span<Entity* const> entities) {
  BorrowedList borrowed(entities);
  MarkOutOfViewOfLastPicture(borrowed.list(), drawing.settings);
}

SourceChoice AskDeleteSources(CommandEngine& engine, int questionId) {
  const MessageAnswer answer = engine.messageBox().Show(
      LoadHostString(questionId), MessageButtons::YesNoCancel, MessageIcon::Question);
  if (answer == MessageAnswer::Yes) return SourceChoice::Delete;
  if (answer == MessageAnswer::No) return SourceChoice::Keep;
  return SourceChoice::Cancel;
}

}  // namespace korvo
