#include "commands/draw_command.h"

#include "commands/command_engine.h"
#include "commands/edit_command.h"
#include "commands/point_input.h"
#include "core/drawing.h"
#include "view/view.h"

namespace korvo {

DrawCommandScope::DrawCommandScope(CommandEngine& engine, int commandId, int menuId)
    : engine_(engine) {
  engine.BeginCommand(commandId, menuId);
}

DrawCommandScope::~DrawCommandScope() {
  engine_.drawing().undo.EndUndoGroup();
  engine_.EndCommand();
}

void AddDrawnEntity(CommandEngine& engine, std::unique_ptr<Entity> entity) {
  Drawing& drawing = engine.drawing();
  Entity* added = entity.release();
  const ListPosition at = drawing.entities.AddTail(added);
  drawing.undo.RecordChange(UndoKind::EntityAdded, added, at);
  Entity* const one[] = {added};
  RemarkOutOfView(drawing, one);
  drawing.SetModifiedFlag(true);
  engine.RepaintNow();
}

void ShapePreview::Show(std::unique_ptr<Entity> shape) {
  Hide();
  if (shape == nullptr) return;
  shape_ = std::move(shape);
  shownOn_ = view_.windowGeneration();
  view_.DrawXor(*shape_);
}

void ShapePreview::Hide() {
  if (shape_ == nullptr) return;
  // A repaint since it was drawn (a zoom, a pan, the grid toggled) took it off already.
  if (view_.windowGeneration() == shownOn_) view_.DrawXor(*shape_);
  shape_.reset();
}

InputResult AskWithShape(CommandEngine& engine, ShapePreview& preview,
                         const ShapeQuestion& question, const ShapeOf& shapeOf, Point& at) {
  for (;;) {
    const InputResult result = GetPoint(engine, question.base, question.defaultPoint, at,
                                        question.promptId, question.descriptionId, question.flags);
    if (result == InputResult::CursorMoved) {
      preview.Show(shapeOf(at));
      continue;
    }
    if (result == InputResult::PenMoved) continue;
    preview.Hide();
    return result;
  }
}

}  // namespace korvo
