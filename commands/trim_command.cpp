#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/cut_commands.h"
#include "commands/object_selection.h"
#include "commands/string_table.h"
#include "commands/trim_entity.h"
#include "core/drawing.h"
#include "core/entity.h"
#include "core/entity_list.h"
#include "platform/command_menus.h"
#include "platform/message_box.h"
#include "view/view.h"

namespace korvo {
namespace {

// The cutting edges while objects are trimmed: out of the selection, so that picking an
// object does not clear them, but still flagged selected, so that the window keeps them
// highlighted (the picture itself highlights only the selection: a repaint meanwhile shows
// them plain, and the picture is drawn anew once they are back). On leaving they are in the
// selection again (those that are still selected: an edge trimmed away left it).
class CuttingEdges {
 public:
  explicit CuttingEdges(Drawing& drawing) : drawing_(drawing), edges_(drawing.selection) {
    drawing.selection.clear();
    for (const Entity* edge : edges_) cutters_.emplace_back(EntityList::Clone(*edge));
  }
  ~CuttingEdges() {
    for (Entity* edge : edges_)
      if (edge->IsSelected()) drawing_.selection.push_back(edge);
  }
  CuttingEdges(const CuttingEdges&) = delete;
  CuttingEdges& operator=(const CuttingEdges&) = delete;

  // The edge flags are off while an object is picked: the pick toggles the selection of
  // what it hits, and an edge may be trimmed too. The window keeps showing them dotted, and
  // the pick's pre-highlight knows it.
  InputResult Pick(CommandEngine& engine, Entity*& object, PickedPoints& picked) {
    std::vector<Entity*> flagged;
    for (Entity* edge : edges_) {
      if (!edge->IsSelected()) continue;
      edge->flags &= ~EntityFlag::Selected;
      flagged.push_back(edge);
    }
    const AlsoShownSelected dotted = [&flagged](const Entity& entity) {
      return std::find(flagged.begin(), flagged.end(), &entity) != flagged.end();
    };
    const InputResult result =
        PickObject(engine, StringId::TrimObjectPrompt, object, &picked, {}, dotted);
    for (Entity* edge : flagged) edge->flags |= EntityFlag::Selected;
    return result;
  }

  // The edges cut as they were chosen: trimming an edge does not shorten the others' cuts.
  PointList IntersectionsWith(const Entity& object) const {
    PointList points;
    for (std::size_t i = 0; i < edges_.size(); ++i)
      if (edges_[i] != &object && cutters_[i] != nullptr)
        cutters_[i]->IntersectWith(object, points);
    return points;
  }

 private:
  Drawing& drawing_;
  std::vector<Entity*> edges_;
  std::vector<std::unique_ptr<Entity>> cutters_;  // copies of the edges, in their order
};

// Trims objects against the edges until the prompt is answered otherwise; returns that
// answer.
InputResult TrimObjects(CommandEngine& engine) {
  Drawing& drawing = engine.drawing();
  bool changed = false;
  InputResult result;
  const uint64_t generation = engine.view().windowGeneration();
  // The picture draws highlights only for the selection: repaint once the edges are back.
  {
    CuttingEdges edges(drawing);
    for (;;) {
      Entity* object = nullptr;
      PickedPoints picked;
      result = edges.Pick(engine, object, picked);
      if (result != InputResult::Picked) break;
      if (object == nullptr) continue;
      const PointList points = edges.IntersectionsWith(*object);
      if (points.empty()) {
        engine.messageBox().Show(LoadHostString(StringId::TrimNoEdgeMessage), MessageButtons::Ok,
                                 MessageIcon::Exclamation);
        continue;
      }
      const auto tap = picked.find(object);
      if (tap == picked.end()) continue;
      if (TrimEntity(drawing, &engine.view(), *object, tap->second, points)) {
        changed = true;
        drawing.SetModifiedFlag(true);
      }
    }
  }
  // A picture drawn meanwhile (a zoom, a pan, the grid toggled) shows the edges plain, so
  // that taking their highlight off later would leave them dotted: draw it anew.
  const bool repainted = engine.view().windowGeneration() != generation;
  if (repainted) engine.view().InvalidatePicture(PictureBitmap::Keep);
  if (changed || repainted) engine.RepaintNow();
  return result;
}

}  // namespace

void RunTrim(CommandEngine& engine) {
  engine.BeginCommand(CommandId::Trim, kSelectionMenuBar);
  Drawing& drawing = engine.drawing();
  for (;;) {
    if (SelectObjects(engine, StringId::SelectObjectsPrompt, SelectionMode::Many) !=
            InputResult::Default ||
        drawing.selection.empty())
      break;
    if (TrimObjects(engine) != InputResult::Default) break;
  }
  drawing.ClearSelection();
  engine.RepaintNow();
  engine.EndCommand();
  drawing.undo.EndUndoGroup();
  engine.SetCursorStyle(CursorStyle::Crosshair);
}

}  // namespace korvo
