#pragma once

#include <string>

#include "core/entity.h"
#include "core/entity_list.h"
#include "geometry/point.h"

namespace korvo {

class BlockDefinition;

// A block reference: places a block definition at an insertion point with x and y scale
// factors and a rotation. It does not draw the definition itself but keeps its own
// `expanded` copy of the block's entities in drawing coordinates, plus `attached` entities
// that belong to this reference alone and are saved with it. Snapping, intersections and
// drawing work over the two lists, so a kind that keeps generated parts in `expanded` (the
// polyline keeps its segments there) inherits them all.
class InsertEntity : public Entity {
 public:
  InsertEntity() = default;
  InsertEntity(std::u16string name, const Point& insertion, double scaleX, double scaleY,
               double angle, const DrawingSettings& settings);

  // Replaces `expanded` by clones of the block's entities mapped into drawing coordinates:
  // a block point q lands at insertionPoint + R(rotation)·((q − basePoint)·(xScale, yScale)).
  void SetBlock(const BlockDefinition& block);

  int GetElementCode() const override { return ElementCode::Insert; }
  // From any block reference (or kind derived from one): every field and clones of both
  // lists.
  Entity& CopyFrom(const Entity& other) override;
  // The box of both lists: everything the reference draws.
  bool GetExtents(Point& min, Point& max) const override;
  // Translating moves the parts as they are: nothing is expanded again.
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  // The parts, with this reference as the parent their by-block properties come from and
  // each part selected exactly when the reference is; a reference without parts draws as
  // any entity does, through DrawShape.
  bool Draw(RenderContext& rc) override;
  // A selected reference without parts shows a square of 10 x 10 pixels at its insertion
  // point; an unselected one nothing.
  void DrawShape(RenderContext& rc) override;
  // INSERT, then the attached entities as ordinary records.
  bool WriteDxf(DxfWriter& writer) const override;
  // Over `expanded`; a reference without expanded parts answers its insertion point.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  // Over both lists; a reference without parts answers its insertion point.
  double NearestKeyPoint(const Point& p, Point& out) const override;

  // The parts of `expanded`, then of `attached`, each intersected with the other entity.
  int IntersectWithCircle(const CircleEntity& circle, PointList& out) const override;
  int IntersectWithArc(const ArcEntity& arc, PointList& out) const override;
  int IntersectWithLine(const LineEntity& line, PointList& out) const override;
  int IntersectWithPoint(const PointEntity& point, PointList& out) const override;
  int IntersectWith(const Entity& other, PointList& out) const override;
  // Among the visible parts: each part with itself, with every later expanded part and
  // with every attached part.
  int IntersectSelf(PointList& out) const override;
  // Any part of either list; a reference without parts, its insertion point.
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  InsertEntity* AsInsert() override { return this; }
  const InsertEntity* AsInsert() const override { return this; }

  // 2 block name (setting needs a non-empty name), 10/20 insertion point and the pairs
  // (10,20) and (20,10), 41 x scale, 42 y scale, 50 rotation in radians. Setting does not
  // expand again: callers call SetBlock afterwards.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  Point insertionPoint;
  double xScale = 1.0;
  double yScale = 1.0;
  double rotation = 0;       // radians, counter-clockwise
  std::u16string blockName;  // matched without regard to case
  EntityList expanded;       // owned; never saved
  EntityList attached;       // owned; saved

 protected:
  // The common header, the insert's fields and clones of both lists, for derived kinds
  // whose CopyFrom accepts only their own kind.
  void CopyInsertFrom(const InsertEntity& other);
  // Applies `operation` to every part of both lists.
  template <class Operation>
  void ForEachPart(Operation operation) {
    for (Entity* part : expanded) operation(*part);
    for (Entity* part : attached) operation(*part);
  }
  template <class Operation>
  void ForEachPart(Operation operation) const {
    for (const Entity* part : expanded) operation(*part);
    for (const Entity* part : attached) operation(*part);
  }

 private:
  // The sum of `intersect`(part) over the parts of both lists.
  template <class Intersect>
  int SumOverParts(Intersect intersect) const;
};

}  // namespace korvo
