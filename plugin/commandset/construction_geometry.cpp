#include "plugin/commandset/construction_geometry.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace korvo::commandset {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

}  // namespace

bool SamePoint(const PluginPoint& a, const PluginPoint& b) {
  return a.x == b.x && a.y == b.y;
}

double Distance(const PluginPoint& a, const PluginPoint& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

double Direction(const PluginPoint& from, const PluginPoint& p) {
  return std::atan2(p.y - from.y, p.x - from.x);
}

PluginPoint Midpoint(const PluginPoint& a, const PluginPoint& b) {
  return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

double NormalizeAngle(double angle) {
  double a = angle - kTurn * std::trunc(angle / kTurn);
  if (a > std::numbers::pi) a -= kTurn;
  return a;
}

PluginPoint IncludedAngleEnd(const PluginPoint& center, const PluginPoint& start,
                             const PluginPoint& p) {
  const double radius = Distance(center, start);
  const double startAngle = NormalizeAngle(Direction(center, start));
  double included = NormalizeAngle(Direction(center, p));
  if (included < 0) included += kTurn;
  return {center.x + radius * std::cos(startAngle + included),
          center.y + radius * std::sin(startAngle + included)};
}

EllipseAxes AxesOf(const PluginPoint& center, const PluginPoint& majorEnd,
                   const PluginPoint& minorPoint) {
  double major = Distance(center, majorEnd);
  double minor = Distance(center, minorPoint);
  double axisAngle = Direction(center, majorEnd);
  if (major < minor) {
    std::swap(major, minor);
    axisAngle = Direction(center, minorPoint);
  }
  return {center, major, minor / major, axisAngle};
}

double ParameterOf(const EllipseAxes& axes, const PluginPoint& p) {
  // The point at direction theta from the axis lies where (cos t, ratio sin t) points that
  // way: tan theta = ratio tan t.
  const double theta = Direction(axes.center, p) - axes.axisAngle;
  return std::atan2(std::sin(theta) / axes.ratio, std::cos(theta));
}

double EndParameterOf(const EllipseAxes& axes, const PluginPoint& p) {
  const double t = ParameterOf(axes, p);
  return t == 0 ? kTurn : t;
}

EllipticArc EllipticArcOf(const PluginPoint& center, const PluginPoint& majorEnd,
                          const PluginPoint& minorPoint, const PluginPoint& start,
                          const PluginPoint& end) {
  const EllipseAxes axes = AxesOf(center, majorEnd, minorPoint);
  return {axes, ParameterOf(axes, start), EndParameterOf(axes, end)};
}

}  // namespace korvo::commandset
