#pragma once

#include <cmath>

#include "plugin/plugin_api.h"

// Points of the editing commands as plane vectors. The module sees the host's points only as
// PluginPoint, so the little arithmetic it needs lives here.
namespace korvo::commandset::editing {

inline PluginPoint operator+(PluginPoint a, PluginPoint b) {
  return {a.x + b.x, a.y + b.y};
}
inline PluginPoint operator-(PluginPoint a, PluginPoint b) {
  return {a.x - b.x, a.y - b.y};
}
inline PluginPoint operator-(PluginPoint a) {
  return {-a.x, -a.y};
}
inline PluginPoint operator*(double s, PluginPoint a) {
  return {s * a.x, s * a.y};
}
// Points are equal only when both coordinates are; the commands use no tolerance here.
inline bool operator==(PluginPoint a, PluginPoint b) {
  return a.x == b.x && a.y == b.y;
}

inline double Length(PluginPoint v) {
  return std::hypot(v.x, v.y);
}
// Direction of `p` seen from `from`, radians in [-pi, pi].
inline double DirectionFrom(PluginPoint from, PluginPoint p) {
  return std::atan2(p.y - from.y, p.x - from.x);
}
inline PluginPoint Polar(double length, double angle) {
  return {length * std::cos(angle), length * std::sin(angle)};
}
// `v` turned counter-clockwise by `angle` about the origin.
inline PluginPoint Turned(PluginPoint v, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

}  // namespace korvo::commandset::editing
