#include "core/coordinate_property.h"

namespace korvo {

CoordinatePart MatchCoordinateCode(int code, int xCode, int yCode, PairOrder order) {
  if (code == xCode) return CoordinatePart::X;
  if (code == yCode) return CoordinatePart::Y;
  if (code == PairCode(xCode, yCode)) return CoordinatePart::Both;
  if (order == PairOrder::EitherOrder && code == PairCode(yCode, xCode))
    return CoordinatePart::Both;
  return CoordinatePart::None;
}

bool GetCoordinate(const Point& point, CoordinatePart part, PropertyValue& out) {
  switch (part) {
    case CoordinatePart::X:
      out = point.x;
      return true;
    case CoordinatePart::Y:
      out = point.y;
      return true;
    case CoordinatePart::Both:
      out = point;
      return true;
    case CoordinatePart::None:
      break;
  }
  return false;
}

bool SetCoordinate(Point& point, CoordinatePart part, const PropertyValue& in) {
  switch (part) {
    case CoordinatePart::X:
      return GetDouble(in, point.x);
    case CoordinatePart::Y:
      return GetDouble(in, point.y);
    case CoordinatePart::Both:
      return GetPoint(in, point);
    case CoordinatePart::None:
      break;
  }
  return false;
}

}  // namespace korvo
