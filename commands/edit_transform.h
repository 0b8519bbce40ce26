#pragma once

#include <optional>

#include "geometry/point.h"
#include "geometry/transform.h"

namespace korvo {

class Entity;
class EntityList;

// The placement change of an editing command, as the points the user gave define it: a
// translation, a rotation, a uniform scaling or a reflection. Entities are changed through
// their own Translate, Rotate and Scale, so every kind keeps its own rules (text stays
// readable, arcs keep their direction).
class EditTransform {
 public:
  enum class Kind { Translate, Rotate, Scale, Mirror };

  static EditTransform Translation(const Point& offset);
  static EditTransform Rotation(const Point& center, double angle);
  static EditTransform Scaling(const Point& base, double factor);
  // The reflection about the line through `first` at `angle` (radians).
  static EditTransform Mirror(const Point& first, double angle);

  Kind kind() const { return kind_; }
  const Point& offset() const { return offset_; }
  const korvo::Rotation& rotation() const { return rotation_; }
  const korvo::Scaling& scaling() const { return scaling_; }

  void Apply(Entity& entity) const;
  void Apply(EntityList& list) const;
  // Where the transform takes a point: what the entities' own operations do to their points.
  Point Apply(const Point& p) const;

 private:
  explicit EditTransform(Kind kind) : kind_(kind) {}

  Kind kind_;
  Point offset_;
  // Rotate: the rotation. Mirror: the rotation by +α back from the x axis; `inverse_` is
  // the rotation by −α onto it.
  korvo::Rotation rotation_;
  korvo::Rotation inverse_;
  korvo::Scaling scaling_;
};

// Move and copy: the displacement from `base` to `to`.
EditTransform MoveTransform(const Point& base, const Point& to);
// Rotate: about `center` by the angle of the vector center → `direction`; a direction on
// the centre gives the angle 0.
EditTransform RotateTransform(const Point& center, const Point& direction);
// Scale: the factor is the distance from `base` to `at` in drawing units, the same along
// both axes; a distance of exactly 0 gives the factor 1.
double ScaleFactor(const Point& base, const Point& at);
EditTransform ScaleTransform(const Point& base, const Point& at);
// Mirror about the line through `first` and `second`: rotate by −α about the first point
// (α the angle of the line), scale by (1, −1) about it, rotate by +α. Two equal points
// define no line, and neither do points that are not finite: none then, so that no command
// ever applies a reflection about an arbitrary direction or writes NaN into the drawing.
std::optional<EditTransform> MirrorTransform(const Point& first, const Point& second);

}  // namespace korvo
