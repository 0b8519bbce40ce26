#include "core/ellipse_entity.h"

#include <cmath>

#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

// The centre by group codes 10 and 20, and the pairs (10,20) and (20,10).
CoordinatePart CenterCode(int code) {
  return MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder);
}

// The end of the major axis by group codes 11 and 21, and the pairs (11,21) and (21,11).
CoordinatePart AxisEndCode(int code) {
  return MatchCoordinateCode(code, DxfGroup::X2, DxfGroup::Y2, PairOrder::EitherOrder);
}

}  // namespace

double ParameterOfAngle(double angle, double ratio) {
  // A flat ellipse has no parameter for a direction off its axis; keep the angle.
  if (ratio == 0) return angle;
  return SafeAtan2(std::sin(angle) / ratio, std::cos(angle));
}

EllipseEntity::EllipseEntity(const DrawingSettings& settings, const Point& ellipseCenter,
                             double majorRadius, double minorRatio, double axisRotation,
                             double start, double end)
    : ArcEntity(settings) {
  SetArc({ellipseCenter, majorRadius, minorRatio, axisRotation}, start, end);
}

EllipseEntity::EllipseEntity(const Point& ellipseCenter, const Point& axisEnd,
                             const Point& minorPoint, double start, double end,
                             const DrawingSettings& settings)
    : ArcEntity(settings) {
  const double major = Distance(ellipseCenter, axisEnd);
  // An ellipse without extent keeps the ratio of a circle rather than 0/0.
  const double minorRatio = major != 0 ? Distance(ellipseCenter, minorPoint) / major : 1.0;
  SetArc({ellipseCenter, major, minorRatio, Angle(ellipseCenter, axisEnd)},
         ParameterOfAngle(start, minorRatio), ParameterOfAngle(end, minorRatio));
}

bool EllipseEntity::GetTypeProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::AxisRatio:
      return out = ratio, true;
    case DxfGroup::StartParameter:
      return out = startAngle, true;
    case DxfGroup::EndParameter:
      return out = endAngle, true;
    case DxfGroup::StartAngle:  // an ellipse has parameters, not the angles of an arc
    case DxfGroup::EndAngle:
      return false;
    default:
      return GetCoordinate(center, CenterCode(code), out) ||
             GetCoordinate(AxisEnd(), AxisEndCode(code), out);
  }
}

bool EllipseEntity::SetTypeProperty(int code, const PropertyValue& in) {
  switch (code) {
    case DxfGroup::AxisRatio:
      return GetDouble(in, ratio);
    case DxfGroup::StartParameter:
      if (!GetDouble(in, startAngle)) return false;
      NormalizeArc();
      return true;
    case DxfGroup::EndParameter:
      if (!GetDouble(in, endAngle)) return false;
      NormalizeArc();
      return true;
    case DxfGroup::StartAngle:  // an ellipse has parameters, not the angles of an arc
    case DxfGroup::EndAngle:
      return false;
    default:
      break;
  }
  if (SetCoordinate(center, CenterCode(code), in)) return true;
  Point axisEnd = AxisEnd();
  if (!SetCoordinate(axisEnd, AxisEndCode(code), in)) return false;
  rotation = Angle(center, axisEnd);
  radius = Distance(center, axisEnd);
  NormalizeArc();
  return true;
}

}  // namespace korvo
