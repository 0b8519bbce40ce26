#include "commands/layer_removal.h"

#include <vector>

#include "core/drawing.h"
#include "core/insert_entity.h"

namespace korvo {
namespace {

bool AnyOnLayer(const EntityList& list, const Layer* layer);

// The parts an entity carries besides itself.
bool PartsOnLayer(const Entity& entity, const Layer* layer) {
  if (const InsertEntity* insert = entity.AsInsert()) {
    if (AnyOnLayer(insert->expanded, layer) || AnyOnLayer(insert->attached, layer)) return true;
  }
  const EntityList* vertices = entity.AsVertexList();
  return vertices != nullptr && AnyOnLayer(*vertices, layer);
}

bool AnyOnLayer(const EntityList& list, const Layer* layer) {
  for (const Entity* entity : list) {
    if (entity->IsErased()) continue;
    if (entity->layer == layer || PartsOnLayer(*entity, layer)) return true;
  }
  return false;
}

}  // namespace

bool CanRemoveLayer(const Drawing& drawing, const Layer* layer) {
  for (const BlockDefinition* block : drawing.blocks) {
    if (AnyOnLayer(*block, layer)) return false;
  }
  for (const Entity* entity : drawing.entities) {
    // An entity on the layer goes with everything it carries.
    if (entity->IsErased() || entity->layer == layer) continue;
    if (PartsOnLayer(*entity, layer)) return false;
  }
  return true;
}

void RemoveLayer(Drawing& drawing, Layer* layer) {
  std::vector<Entity*> onLayer;
  for (Entity* entity : drawing.entities) {
    if (!entity->IsErased() && entity->layer == layer) onLayer.push_back(entity);
  }
  for (Entity* entity : onLayer) drawing.DropFromSelection(entity);
  drawing.undo.RecordListChange(UndoKind::EntityErased, onLayer);
  for (Entity* entity : onLayer) entity->flags |= EntityFlag::Erased;
  // Recorded first: the record notes the layer's place, where undo puts it back.
  if (!drawing.layers.PositionOf(layer)) return;
  drawing.undo.RecordChange(UndoKind::LayerRemoved, layer);
  drawing.layers.Remove(layer, TableRemoval::Keep);
}

}  // namespace korvo
