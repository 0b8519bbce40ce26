#pragma once

#include "core/entity.h"
#include "core/entity_list.h"

namespace korvo {

// Left in a list at the place an entity was moved away from (drawing order), so that undo
// can move it back. Hidden and erased: never drawn, saved or picked.
class MarkerEntity : public Entity {
 public:
  MarkerEntity() { flags = EntityFlag::Hidden | EntityFlag::Erased; }
  MarkerEntity(Entity* movedEntity, ListPosition newPosition) : MarkerEntity() {
    entity = movedEntity;
    node = newPosition;
  }

  int GetElementCode() const override { return ElementCode::Marker; }
  Entity& CopyFrom(const Entity& other) override;
  void ReadBody(ArchiveReader&) override {}
  bool WriteBody(ArchiveWriter&) const override { return false; }
  double NearestPoint(const Point& p, Point& out, int mode) const override;
  MarkerEntity* AsMarker() override { return this; }
  const MarkerEntity* AsMarker() const override { return this; }

  Entity* entity = nullptr;  // the entity it stands for
  ListPosition node;         // that entity's new list node
};

}  // namespace korvo
