#include "commands/edit_transform.h"

#include <cmath>

#include "core/entity.h"
#include "core/entity_list.h"
#include "geometry/geometry.h"

namespace korvo {

EditTransform EditTransform::Translation(const Point& offset) {
  EditTransform t(Kind::Translate);
  t.offset_ = offset;
  return t;
}

EditTransform EditTransform::Rotation(const Point& center, double angle) {
  EditTransform t(Kind::Rotate);
  t.rotation_ = korvo::Rotation::About(center, angle);
  return t;
}

EditTransform EditTransform::Scaling(const Point& base, double factor) {
  EditTransform t(Kind::Scale);
  t.scaling_ = korvo::Scaling{base, factor, factor};
  return t;
}

EditTransform EditTransform::Mirror(const Point& first, double angle) {
  EditTransform t(Kind::Mirror);
  t.rotation_ = korvo::Rotation::About(first, angle);
  t.inverse_ = korvo::Rotation::About(first, -angle);
  t.scaling_ = korvo::Scaling{first, 1, -1};
  return t;
}

void EditTransform::Apply(Entity& entity) const {
  switch (kind_) {
    case Kind::Translate:
      entity.Translate(offset_);
      break;
    case Kind::Rotate:
      entity.Rotate(rotation_);
      break;
    case Kind::Scale:
      // A factor of 1 leaves the objects as they are; scaling by it anyway would let the
      // entities' own arithmetic move their last bits.
      if (scaling_.sx != 1.0 || scaling_.sy != 1.0) entity.Scale(scaling_);
      break;
    case Kind::Mirror:
      entity.Rotate(inverse_);
      entity.Scale(scaling_);
      entity.Rotate(rotation_);
      break;
  }
}

void EditTransform::Apply(EntityList& list) const {
  for (Entity* entity : list) Apply(*entity);
}

Point EditTransform::Apply(const Point& p) const {
  switch (kind_) {
    case Kind::Translate:
      return p + offset_;
    case Kind::Rotate:
      return rotation_.Apply(p);
    case Kind::Scale:
      return scaling_.Apply(p);
    case Kind::Mirror:
      return rotation_.Apply(scaling_.Apply(inverse_.Apply(p)));
  }
  return p;
}

EditTransform MoveTransform(const Point& base, const Point& to) {
  return EditTransform::Translation(Point(to.x - base.x, to.y - base.y));
}

EditTransform RotateTransform(const Point& center, const Point& direction) {
  return EditTransform::Rotation(center, Angle(center, direction));
}

double ScaleFactor(const Point& base, const Point& at) {
  const double distance = Distance(base, at);
  return distance == 0 ? 1.0 : distance;
}

EditTransform ScaleTransform(const Point& base, const Point& at) {
  return EditTransform::Scaling(base, ScaleFactor(base, at));
}

std::optional<EditTransform> MirrorTransform(const Point& first, const Point& second) {
  const bool finite = std::isfinite(first.x) && std::isfinite(first.y) && std::isfinite(second.x) &&
                      std::isfinite(second.y);
  if (!finite || first == second) return std::nullopt;
  return EditTransform::Mirror(first, Angle(first, second));
}

}  // namespace korvo
