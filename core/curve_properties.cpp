#include "core/curve_properties.h"

namespace korvo {

bool GetPointProperty(int code, int xCode, int yCode, const Point& p, PropertyValue& out) {
  if (code == xCode) return out = p.x, true;
  if (code == yCode) return out = p.y, true;
  if (code == PairCode(xCode, yCode) || code == PairCode(yCode, xCode)) return out = p, true;
  return false;
}

bool SetPointProperty(int code, int xCode, int yCode, const PropertyValue& in, Point& p) {
  if (code == xCode) return GetDouble(in, p.x);
  if (code == yCode) return GetDouble(in, p.y);
  if (code == PairCode(xCode, yCode) || code == PairCode(yCode, xCode)) return GetPoint(in, p);
  return false;
}

}  // namespace korvo
