#pragma once

#include "core/entity.h"
#include "geometry/curve_geometry.h"

namespace korvo {

// How a circle is given by two points.
enum class CircleFromTwoPoints {
  CenterAndPoint,  // the first point is the centre, the second lies on the circle
  Diameter,        // the two points are the ends of a diameter
};

// A circle, or a full ellipse when the ratio is not 1.
class CircleEntity : public Entity {
 public:
  CircleEntity() = default;
  CircleEntity(const Point& center, double circleRadius, const DrawingSettings& settings);
  CircleEntity(const Point& p1, const Point& p2, const DrawingSettings& settings,
               CircleFromTwoPoints mode);
  // Through three points; invisible, at the origin with radius 0, when they define no circle.
  CircleEntity(const Point& p1, const Point& p2, const Point& p3, const DrawingSettings& settings);

  int GetElementCode() const override { return ElementCode::Circle; }
  bool GetExtents(Point& min, Point& max) const override;
  Entity& CopyFrom(const Entity& other) override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& rotation) override;
  void Scale(const Scaling& scaling) override;
  void ReadBody(ArchiveReader& archive) override;
  bool WriteBody(ArchiveWriter& archive) const override;
  void DrawShape(RenderContext& rc) override;
  // The DXF record.
  bool WriteDxf(DxfWriter& writer) const override;
  double NearestPoint(const Point& p, Point& out, int mode = 0) const override;
  double NearestKeyPoint(const Point& p, Point& out) const override;
  int IntersectWithCircle(const CircleEntity& circle, PointList& out) const override;
  int IntersectWithArc(const ArcEntity& arc, PointList& out) const override;
  int IntersectWithLine(const LineEntity& line, PointList& out) const override;
  // A point is a segment of length zero.
  int IntersectWithPoint(const PointEntity& point, PointList& out) const override;
  int IntersectWith(const Entity& other, PointList& out) const override;
  // The curve itself: a window inside a circle, clear of its edge, does not cross it.
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;
  CircleEntity* AsCircle() override { return this; }
  const CircleEntity* AsCircle() const override { return this; }
  // 10, 20 centre x, y; 40 radius; the pairs (10,20) and (20,10) the centre.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  CurveFrame Frame() const { return {center, radius, ratio, rotation}; }
  void SetFrame(const CurveFrame& frame);

  Point center;
  double radius = 0;    // major radius
  double ratio = 1.0;   // minor radius / major radius
  double rotation = 0;  // direction of the major axis, radians
};

}  // namespace korvo
