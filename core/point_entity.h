#pragma once

#include "core/entity.h"
#include "geometry/point.h"

namespace korvo {

// A single position, shown with the symbol of the current point display (point_display.h).
// Its extents and its nearest point follow that symbol; its key point is the position
// alone, so that points snap even when they are not shown.
class PointEntity : public Entity {
 public:
  PointEntity() = default;
  PointEntity(const DrawingSettings& settings, const Point& at) : Entity(settings), position(at) {}
  PointEntity(const DrawingSettings& settings, double x, double y)
      : PointEntity(settings, Point(x, y)) {}

  int GetElementCode() const override { return ElementCode::Point; }
  Entity& CopyFrom(const Entity& other) override;
  // The box of the displayed symbol.
  bool GetExtents(Point& min, Point& max) const override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  void DrawShape(RenderContext& rc) override;
  // The DXF record.
  bool WriteDxf(DxfWriter& writer) const override;
  // The position, or a nearer point on the strokes of the displayed symbol.
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  double NearestKeyPoint(const Point& p, Point& out) const override;

  // Lines own the line/point computation: a point asks the other entity.
  int IntersectWithCircle(const CircleEntity& circle, PointList& out) const override;
  int IntersectWithArc(const ArcEntity& arc, PointList& out) const override;
  int IntersectWithLine(const LineEntity& line, PointList& out) const override;
  int IntersectWithPoint(const PointEntity& point, PointList& out) const override;
  int IntersectWith(const Entity& other, PointList& out) const override;
  // The displayed symbol's box overlaps the rectangle.
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  PointEntity* AsPoint() override { return this; }
  const PointEntity* AsPoint() const override { return this; }

  // 10/20 x/y and the pair (10,20).
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  Point position;
};

}  // namespace korvo
