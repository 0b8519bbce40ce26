#pragma once

#include <string>
#include <variant>

#include "geometry/point.h"

namespace korvo {

class LineType;
class Layer;
class TextStyle;

// A property value addressed by DXF group code. Integers carry 16-bit colour indices and
// byte-sized flags; pairs of coordinates travel as a Point, x first.
using PropertyValue =
    std::variant<std::monostate, double, int, Point, std::u16string, LineType*, Layer*, TextStyle*>;

// The code of a coordinate pair, for example PairCode(10, 20) = 0x000A0014.
inline constexpr int PairCode(int first, int second) {
  return (first << 16) | second;
}

// Reads a double out of a property value; false (and `out` unchanged) for any other type.
inline bool GetDouble(const PropertyValue& value, double& out) {
  if (const double* d = std::get_if<double>(&value)) return out = *d, true;
  return false;
}
inline bool GetInt(const PropertyValue& value, int& out) {
  if (const int* i = std::get_if<int>(&value)) return out = *i, true;
  return false;
}
inline bool GetPoint(const PropertyValue& value, Point& out) {
  if (const Point* p = std::get_if<Point>(&value)) return out = *p, true;
  return false;
}

}  // namespace korvo
