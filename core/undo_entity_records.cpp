#include "core/undo_entity_records.h"

#include "core/drawing.h"
#include "core/entity.h"
#include "core/marker_entity.h"

namespace korvo {
namespace {

class EntityErasedRecord : public UndoRecord {
 public:
  EntityErasedRecord(Entity* entity, ListPosition position)
      : UndoRecord(UndoKind::EntityErased), entity_(entity), position_(position) {}

  void Undo(Drawing&) override { entity_->flags &= ~EntityFlag::Erased; }
  void Redo(Drawing& drawing) override {
    drawing.DropFromSelection(entity_);
    entity_->flags |= EntityFlag::Erased;
  }
  void Discard(Drawing& drawing, GroupState state, const TextStyleHeld&) override {
    if (state == GroupState::Applied && entity_->IsErased()) drawing.Delete(entity_, position_);
  }

 private:
  Entity* entity_;
  ListPosition position_;  // where it was when erased: saves a search when it is deleted
};

class EntityAddedRecord : public UndoRecord {
 public:
  EntityAddedRecord(Entity* entity, ListPosition position)
      : UndoRecord(UndoKind::EntityAdded), entity_(entity), position_(position) {}

  void Undo(Drawing& drawing) override {
    drawing.DropFromSelection(entity_);
    entity_->flags |= EntityFlag::Erased;
  }
  void Redo(Drawing&) override { entity_->flags &= ~EntityFlag::Erased; }
  void Discard(Drawing& drawing, GroupState state, const TextStyleHeld&) override {
    if (state == GroupState::Undone && entity_->IsErased()) drawing.Delete(entity_, position_);
  }

 private:
  Entity* entity_;
  ListPosition position_;
};

class EntityModifiedRecord : public UndoRecord {
 public:
  EntityModifiedRecord(Entity* entity, std::unique_ptr<Entity> saved)
      : UndoRecord(UndoKind::EntityModified), entity_(entity), saved_(std::move(saved)) {
    saved_->flags &= ~EntityFlag::Selected;
  }

  void Undo(Drawing&) override { Exchange(); }
  void Redo(Drawing&) override { Exchange(); }
  void Discard(Drawing&, GroupState, const TextStyleHeld&) override { saved_.reset(); }

 private:
  // The live entity keeps its selected bit: the selection set still lists it or not,
  // whatever state it takes.
  void Exchange() {
    std::unique_ptr<Entity> live(EntityList::Clone(*entity_));
    if (!live || !saved_) return;
    const uint8_t selected = entity_->flags & EntityFlag::Selected;
    entity_->CopyFrom(*saved_);
    entity_->flags = static_cast<uint8_t>((entity_->flags & ~EntityFlag::Selected) | selected);
    saved_->CopyFrom(*live);
    saved_->flags &= ~EntityFlag::Selected;
  }

  Entity* entity_;
  std::unique_ptr<Entity> saved_;
};

class DrawingOrderRecord : public UndoRecord {
 public:
  DrawingOrderRecord(MarkerEntity* marker, ListPosition oldNode)
      : UndoRecord(UndoKind::DrawingOrderChanged), marker_(marker), oldNode_(oldNode) {}

  // The entity and its marker trade nodes, both ways: the nodes never move, so records of
  // other entities keep their positions.
  void Undo(Drawing& drawing) override { drawing.entities.SwapEntities(oldNode_, marker_->node); }
  void Redo(Drawing& drawing) override { drawing.entities.SwapEntities(oldNode_, marker_->node); }

  void Discard(Drawing& drawing, GroupState, const TextStyleHeld&) override {
    EntityList& list = drawing.entities;
    ListPosition at;
    if (list.Holds(oldNode_, marker_)) {
      at = oldNode_;
    } else if (list.Holds(marker_->node, marker_)) {
      at = marker_->node;
    } else {
      at = list.Find(marker_);
    }
    // A marker that is no longer in the list was taken out by its owner, who deletes it.
    if (!at) return;
    list.RemoveAt(at);
    delete marker_;
  }

 private:
  MarkerEntity* marker_;
  ListPosition oldNode_;
};

}  // namespace

std::unique_ptr<UndoRecord> MakeEntityUndoRecord(Drawing& drawing, UndoKind kind, Entity* entity,
                                                 ListPosition position) {
  if (entity == nullptr || !drawing.entities.Holds(position, entity)) return nullptr;
  switch (kind) {
    case UndoKind::EntityErased:
      return std::make_unique<EntityErasedRecord>(entity, position);
    case UndoKind::EntityAdded:
      return std::make_unique<EntityAddedRecord>(entity, position);
    case UndoKind::EntityModified: {
      std::unique_ptr<Entity> saved(EntityList::Clone(*entity));
      if (!saved) return nullptr;
      return std::make_unique<EntityModifiedRecord>(entity, std::move(saved));
    }
    case UndoKind::DrawingOrderChanged: {
      MarkerEntity* marker = entity->AsMarker();
      if (marker == nullptr || marker->entity == nullptr ||
          !drawing.entities.Holds(marker->node, marker->entity))
        return nullptr;
      return std::make_unique<DrawingOrderRecord>(marker, position);
    }
    default:
      return nullptr;
  }
}

}  // namespace korvo
