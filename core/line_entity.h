#pragma once

#include "core/entity.h"
#include "geometry/point.h"

namespace korvo {

// A straight segment from `start` to `end`.
class LineEntity : public Entity {
 public:
  LineEntity() = default;
  LineEntity(double x1, double y1, double x2, double y2, const DrawingSettings& settings)
      : LineEntity(Point(x1, y1), Point(x2, y2), settings) {}
  LineEntity(const Point& lineStart, const Point& lineEnd, const DrawingSettings& settings)
      : Entity(settings), start(lineStart), end(lineEnd) {}

  int GetElementCode() const override { return ElementCode::Line; }
  Entity& CopyFrom(const Entity& other) override;
  bool GetExtents(Point& min, Point& max) const override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  void DrawShape(RenderContext& rc) override;
  // The DXF record.
  bool WriteDxf(DxfWriter& writer) const override;
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  // Start, end or midpoint.
  double NearestKeyPoint(const Point& p, Point& out) const override;

  // Lines own the segment computations; circles and arcs own the curved ones, so those two
  // forward to the curve with the arguments swapped.
  int IntersectWithCircle(const CircleEntity& circle, PointList& out) const override;
  int IntersectWithArc(const ArcEntity& arc, PointList& out) const override;
  int IntersectWithLine(const LineEntity& line, PointList& out) const override;
  int IntersectWithPoint(const PointEntity& point, PointList& out) const override;
  int IntersectWith(const Entity& other, PointList& out) const override;
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;

  LineEntity* AsLine() override { return this; }
  const LineEntity* AsLine() const override { return this; }

  // 10/20 start x/y, 11/21 end x/y; the pairs (10,20) and (20,10) give the start and
  // (11,21) and (21,11) the end, x first either way.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  Point start;
  Point end;
};

}  // namespace korvo
