#pragma once

#include <array>
#include <span>

#include "core/entity.h"
#include "geometry/point.h"

namespace korvo {

// A filled quadrilateral (a triangle when two corners are equal). `corners` are in boundary
// order; DXF numbers them 0, 1, 3, 2, so the group codes of the last two are swapped.
class SolidEntity : public Entity {
 public:
  SolidEntity() = default;
  SolidEntity(std::span<const Point, 4> points, const DrawingSettings& settings);
  // The axis-parallel rectangle with its lower-left corner at (x, y).
  SolidEntity(double x, double y, double width, double height, const DrawingSettings& settings);

  int GetElementCode() const override { return ElementCode::Solid; }
  Entity& CopyFrom(const Entity& other) override;
  bool GetExtents(Point& min, Point& max) const override;
  bool IsFilled(double pixelSize) const override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  void DrawShape(RenderContext& rc) override;
  // The DXF record.
  bool WriteDxf(DxfWriter& writer) const override;
  // Over the outline; an edge taken later wins only when strictly nearer.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  double NearestKeyPoint(const Point& p, Point& out) const override;

  // All by the four edges, each asked of the other entity as a line.
  int IntersectWithCircle(const CircleEntity& circle, PointList& out) const override;
  int IntersectWithArc(const ArcEntity& arc, PointList& out) const override;
  int IntersectWithLine(const LineEntity& line, PointList& out) const override;
  int IntersectWithPoint(const PointEntity& point, PointList& out) const override;
  int IntersectWith(const Entity& other, PointList& out) const override;
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  SolidEntity* AsSolid() override { return this; }
  const SolidEntity* AsSolid() const override { return this; }

  // In DXF numbering: 10/20 corners[0], 11/21 corners[1], 12/22 corners[3], 13/23
  // corners[2]; the pairs (10,20) ... (13,23) and their swapped forms, x first.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  std::array<Point, 4> corners;

 private:
  // The sum of other.IntersectWithLine over the edges.
  int IntersectEdgesWith(const Entity& other, PointList& out) const;
};

}  // namespace korvo
