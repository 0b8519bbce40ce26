#pragma once

#include "core/entity.h"
#include "geometry/arc_from_points.h"
#include "geometry/curve_geometry.h"
#include "geometry/curve_intersection.h"

namespace korvo {

// An arc of a circle or of an ellipse, running counter-clockwise from parameter
// `startAngle` to `endAngle`.
//
// After every change NormalizeArc keeps start in (−2π, π], start < end <= start + 2π, and
// gives an ARC proper (not an ellipse or a wide segment) of ratio 1 the rotation 0.
class ArcEntity : public Entity {
 public:
  ArcEntity() = default;
  ArcEntity(const DrawingSettings& settings, const Point& center, double arcRadius, double start,
            double end);
  ArcEntity(const DrawingSettings& settings, const Point& center, double arcRadius, double arcRatio,
            double arcRotation, double start, double end);
  // A circular arc; invisible, at the origin with radius 0, when the points define none.
  ArcEntity(const DrawingSettings& settings, const Point& p1, const Point& p2, const Point& p3,
            ArcFromThreePoints mode);

  int GetElementCode() const override { return ElementCode::Arc; }
  bool GetExtents(Point& min, Point& max) const override;
  // Copies from any arc-shaped kind (arc, ellipse, wide arc segment): they share one model.
  Entity& CopyFrom(const Entity& other) override;
  void Translate(const Point& offset) override;
  void Rotate(const Rotation& turn) override;
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
  // Only the points within the arc.
  int IntersectWithLine(const LineEntity& line, PointList& out) const override;
  int IntersectWithPoint(const PointEntity& point, PointList& out) const override;
  int IntersectWith(const Entity& other, PointList& out) const override;
  // The arc itself, not the rest of its curve.
  bool CrossesRect(double x1, double y1, double x2, double y2) const override;
  ArcEntity* AsArc() override { return this; }
  const ArcEntity* AsArc() const override { return this; }
  // 10, 20 centre x, y; 40 radius; 50, 51 start and end angle (radians); the pairs
  // (10,20) and (20,10) the centre.
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  Point StartPoint() const { return Frame().PointAt(startAngle); }
  Point EndPoint() const { return Frame().PointAt(endAngle); }
  void NormalizeArc();

  CurveFrame Frame() const { return {center, radius, ratio, rotation}; }
  CurveOperand Operand() const { return {Frame(), true, startAngle, endAngle}; }

  Point center;
  double radius = 0;    // major radius
  double ratio = 1.0;   // minor radius / major radius
  double rotation = 0;  // direction of the major axis, radians
  double startAngle = 0;
  double endAngle = 0;

 protected:
  // For derived kinds, which call SetArc from their own constructors: NormalizeArc asks
  // the kind, which a base constructor would answer for the base.
  explicit ArcEntity(const DrawingSettings& settings) : Entity(settings) {}
  // Stores the curve and normalises it. A zero-length arc becomes the full curve but is
  // not drawn.
  void SetArc(const CurveFrame& frame, double start, double end);
  void SetFrame(const CurveFrame& frame);
};

}  // namespace korvo
