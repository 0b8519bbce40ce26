#pragma once

#include "core/arc_entity.h"

namespace korvo {

// An arc whose property codes follow the DXF ELLIPSE: the major axis by its end point,
// the ratio, and start and end parameters. Its rotation is never folded into the angles.
class EllipseEntity : public ArcEntity {
 public:
  EllipseEntity() = default;
  EllipseEntity(const DrawingSettings& settings, const Point& center, double majorRadius,
                double minorRatio, double axisRotation, double start, double end);
  // From the centre, the end of the major axis, a point giving the minor radius, and the
  // start and end as geometric angles measured from the major axis.
  EllipseEntity(const Point& center, const Point& axisEnd, const Point& minorPoint, double start,
                double end, const DrawingSettings& settings);

  int GetElementCode() const override { return ElementCode::Ellipse; }
  // 10, 20 centre x, y; 11, 21 end point of the major axis (absolute); 40 ratio; 41, 42
  // start and end parameter; the pairs (10,20), (20,10), (11,21) and (21,11).
  bool GetTypeProperty(int code, PropertyValue& out) const override;
  bool SetTypeProperty(int code, const PropertyValue& in) override;

  Point AxisEnd() const { return Frame().PointAt(0); }
};

// The ellipse parameter of the direction at `angle` from the major axis.
double ParameterOfAngle(double angle, double ratio);

}  // namespace korvo
