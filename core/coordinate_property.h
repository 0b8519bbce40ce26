#pragma once

#include "core/entity_property.h"
#include "geometry/point.h"

namespace korvo {

// Which part of a point a DXF group code addresses: one coordinate, or both at once through
// a pair code (x first whatever the order of the codes in the pair).
enum class CoordinatePart { None, X, Y, Both };

// Whether the swapped pair (y code, x code) is accepted besides (x code, y code).
enum class PairOrder { XCodeFirst, EitherOrder };

CoordinatePart MatchCoordinateCode(int code, int xCode, int yCode, PairOrder order);

// A double for one coordinate, a Point for both; false for CoordinatePart::None.
bool GetCoordinate(const Point& point, CoordinatePart part, PropertyValue& out);
// Expects a double for one coordinate and a Point for both; any other value changes nothing
// and gives false.
bool SetCoordinate(Point& point, CoordinatePart part, const PropertyValue& in);

}  // namespace korvo
