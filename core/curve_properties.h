#pragma once

#include "core/entity_property.h"
#include "geometry/point.h"

namespace korvo {

// A point addressed by group codes: `xCode` and `yCode` for one coordinate each, and the
// pairs (xCode, yCode) and (yCode, xCode) for both, x first in either order.
bool GetPointProperty(int code, int xCode, int yCode, const Point& p, PropertyValue& out);
// Writes the addressed coordinate(s) of p; false for another code or a value of the wrong type.
bool SetPointProperty(int code, int xCode, int yCode, const PropertyValue& in, Point& p);

}  // namespace korvo
