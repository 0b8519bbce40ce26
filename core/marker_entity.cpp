#include "core/marker_entity.h"

#include "geometry/geometry.h"

namespace korvo {

Entity& MarkerEntity::CopyFrom(const Entity& other) {
  if (const MarkerEntity* marker = other.AsMarker()) {
    CopyHeaderFrom(other);
    entity = marker->entity;
    node = marker->node;
  }
  return *this;
}

double MarkerEntity::NearestPoint(const Point&, Point&, int) const {
  return kMaxDouble;
}

}  // namespace korvo
