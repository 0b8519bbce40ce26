#include <optional>
#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/cut_commands.h"
#include "commands/edit_command.h"
#include "commands/object_selection.h"
#include "commands/string_table.h"
#include "core/block_definition.h"
#include "core/drawing.h"
#include "core/insert_entity.h"
#include "core/polyline_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"
#include "view/view.h"

namespace korvo {
namespace {

// A rotated reference scaled unequally is no longer a reference: its block cannot be
// exploded into copies that keep their kinds.
bool HasRotatedNestedReference(const Drawing& drawing, const InsertEntity& reference) {
  const BlockDefinition* block = drawing.blocks.Find(reference.blockName);
  if (block == nullptr) return false;
  for (const Entity* entity : *block) {
    const InsertEntity* nested = entity->AsInsert();
    if (nested != nullptr && nested->AsPolyline() == nullptr && nested->rotation != 0) return true;
  }
  return false;
}

// Arcs and widths of a polyline do not survive unequal scaling as polyline vertices.
bool NeedsPieces(const PolylineEntity& polyline) {
  for (const Entity* piece : polyline.segmentList) {
    if (piece->AsArc() != nullptr) return true;
    if (const WideLineSegmentEntity* wide = piece->AsWideLineSegment())
      if (wide->startWidth != 0 || wide->endWidth != 0) return true;
  }
  return false;
}

// Copies placed at the end of the drawing, each drawn over the window at once.
class Copies {
 public:
  Copies(Drawing& drawing, View& view) : drawing_(drawing), view_(view) {}

  void Add(const Entity& part, std::optional<int16_t> colorIndex = std::nullopt) {
    Entity* copy = EntityList::Clone(part);
    if (copy == nullptr) return;
    copy->flags &= ~EntityFlag::Selected;
    if (colorIndex) copy->colorIndex = *colorIndex;
    drawing_.entities.AddTail(copy);
    view_.DrawOver(*copy);
    added_.push_back(copy);
  }
  void Record() {
    drawing_.undo.RecordListChange(UndoKind::EntityAdded, added_);
    RemarkOutOfView(drawing_, added_);
  }

 private:
  Drawing& drawing_;
  View& view_;
  std::vector<Entity*> added_;
};

// Replaces a block reference or a polyline by its parts; false for anything else and for
// what cannot be exploded.
bool Explode(CommandEngine& engine, Entity& object) {
  InsertEntity* reference = object.AsInsert();
  if (reference == nullptr) return false;
  Drawing& drawing = engine.drawing();
  PolylineEntity* polyline = object.AsPolyline();
  const bool unequal = polyline == nullptr && reference->xScale != reference->yScale;
  if (unequal && HasRotatedNestedReference(drawing, *reference)) return false;
  if (polyline != nullptr && polyline->segmentsValid == 0) polyline->RebuildSegments();
  if (!drawing.Erase(&object)) return false;
  Copies copies(drawing, engine.view());
  for (const Entity* part : reference->expanded) {
    const PolylineEntity* nested = part->AsPolyline();
    if (polyline != nullptr) {
      copies.Add(*part, polyline->colorIndex);
    } else if (unequal && nested != nullptr && NeedsPieces(*nested)) {
      for (const Entity* piece : nested->segmentList) copies.Add(*piece, nested->colorIndex);
    } else {
      copies.Add(*part);
    }
  }
  // Attached entities belong to the reference alone; they would be lost with it.
  for (const Entity* part : reference->attached) copies.Add(*part);
  copies.Record();
  drawing.SetModifiedFlag(true);
  return true;
}

}  // namespace

void RunExplode(CommandEngine& engine) {
  engine.BeginCommand(CommandId::Explode, kCommandMenuBar);
  bool exploded = false;
  for (;;) {
    Entity* object = nullptr;
    if (PickObject(engine, StringId::ExplodeObjectPrompt, object) != InputResult::Picked ||
        object == nullptr)
      break;
    if (Explode(engine, *object)) {
      exploded = true;
      continue;
    }
    engine.messageBox().Show(LoadHostString(StringId::ExplodeRefusedMessage), MessageButtons::Ok,
                             MessageIcon::Stop);
  }
  engine.drawing().undo.EndUndoGroup();
  if (exploded) engine.RepaintNow();
  engine.EndCommand();
}

}  // namespace korvo
