#include "core/entity.h"

#include "core/color_palette.h"
#include "core/drawing_settings.h"
#include "core/dxf_group_codes.h"
#include "core/entity_pool.h"
#include "core/layer.h"
#include "core/polyline_entity.h"
#include "geometry/geometry.h"
#include "text/line_type.h"

namespace korvo {

Entity::Entity(const DrawingSettings& settings) {
  ApplyCurrentProperties(settings);
}

void* Entity::operator new(std::size_t size) {
  return AllocateEntityStorage(size);
}

void Entity::operator delete(void* storage, std::size_t size) noexcept {
  ReleaseEntityStorage(storage, size);
}

void Entity::ApplyCurrentProperties(const DrawingSettings& settings) {
  SetColorIndex(settings.currentColorIndex);
  lineType = settings.currentLineType;
  lineWeight = settings.currentLineWeight;
  layer = settings.currentLayer;
}

void Entity::CopyProperties(const Entity& other) {
  colorIndex = other.colorIndex;
  lineType = other.lineType;
  lineWeight = other.lineWeight;
  layer = other.layer;
  visible = other.visible;
}

void Entity::CopyHeaderFrom(const Entity& other) {
  lineWeight = other.lineWeight;
  layer = other.layer;
  lineType = other.lineType;
  colorIndex = other.colorIndex;
  visible = other.visible;
  flags = other.flags & ~EntityFlag::OutOfView;
}

bool Entity::GetExtents(Point&, Point&) const {
  return false;
}
bool Entity::IsFilled(double) const {
  return false;
}
Entity& Entity::CopyFrom(const Entity&) {
  return *this;
}
void Entity::Translate(const Point&) {}
void Entity::Rotate(const Rotation&) {}
void Entity::Scale(const Scaling&) {}

double Entity::NearestPoint(const Point&, Point&, int) const {
  return kNoDistance;
}

double Entity::NearestKeyPoint(const Point&, Point& out) const {
  out = Point(0, 0);
  return kNoDistance;
}

int Entity::IntersectWithCircle(const CircleEntity&, PointList&) const {
  return 0;
}
int Entity::IntersectWithArc(const ArcEntity&, PointList&) const {
  return 0;
}
int Entity::IntersectWithLine(const LineEntity&, PointList&) const {
  return 0;
}
int Entity::IntersectWithPoint(const PointEntity&, PointList&) const {
  return 0;
}
int Entity::IntersectWith(const Entity&, PointList&) const {
  return 0;
}
int Entity::IntersectSelf(PointList&) const {
  return 0;
}

bool Entity::CrossesRect(double x1, double y1, double x2, double y2) const {
  const Point corners[4] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
  for (const Point& corner : corners) {
    Point nearest;
    NearestPoint(corner, nearest, 0);
    if (nearest.x >= x1 && nearest.x <= x2 && nearest.y >= y1 && nearest.y <= y2) return true;
  }
  return false;
}

bool Entity::GetTypeProperty(int, PropertyValue&) const {
  return false;
}
bool Entity::SetTypeProperty(int, const PropertyValue&) {
  return false;
}

bool Entity::IsVisible() const {
  if ((flags & (EntityFlag::Hidden | EntityFlag::Erased)) != 0) return false;
  return layer != nullptr && !layer->IsFrozen();
}

uint32_t Entity::GetColor() const {
  return ColorFromIndex(colorIndex);
}

bool Entity::GetProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::LineTypeName:
      if (lineType == nullptr) return false;
      out = lineType->name;
      return true;
    case DxfGroup::LayerName:
      if (layer == nullptr) return false;
      out = layer->name;
      return true;
    case DxfGroup::ColorIndex:
      out = static_cast<int>(colorIndex);
      return true;
    case DxfGroup::LineWeight:
      out = lineWeight;
      return true;
    default:
      return GetTypeProperty(code, out);
  }
}

bool Entity::SetProperty(int code, const PropertyValue& in) {
  switch (code) {
    case DxfGroup::LineTypeName:
      if (auto* type = std::get_if<LineType*>(&in); type != nullptr && *type != nullptr) {
        lineType = *type;
        return true;
      }
      return false;
    case DxfGroup::LayerName:
      if (auto* target = std::get_if<Layer*>(&in); target != nullptr && *target != nullptr) {
        layer = *target;
        // A polyline's segments are hidden by a frozen layer as the polyline is, and its
        // vertices are saved with a layer: both follow it.
        if (PolylineEntity* polyline = AsPolyline()) {
          for (Entity* segment : polyline->segmentList) segment->layer = layer;
          for (Entity* vertex : polyline->vertexList) vertex->layer = layer;
        }
        return true;
      }
      return false;
    case DxfGroup::ColorIndex: {
      int index = 0;
      // Only valid indices are ever stored.
      if (!GetInt(in, index) || index < 0 || index > 256) return false;
      SetColorIndex(index);
      return true;
    }
    case DxfGroup::LineWeight:
      return GetDouble(in, lineWeight);
    default:
      return SetTypeProperty(code, in);
  }
}

}  // namespace korvo
