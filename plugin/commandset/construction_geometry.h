#pragma once

#include "plugin/plugin_api.h"

// The geometry the drawing commands compute themselves before they hand points to the host:
// plain functions of points and doubles, so that they are tested without a host.
namespace korvo::commandset {

// Exact equality: the commands never use a tolerance.
bool SamePoint(const PluginPoint& a, const PluginPoint& b);
double Distance(const PluginPoint& a, const PluginPoint& b);
// The direction of `p` seen from `from`, radians counter-clockwise from the x axis.
double Direction(const PluginPoint& from, const PluginPoint& p);
PluginPoint Midpoint(const PluginPoint& a, const PluginPoint& b);

// `angle` less whole turns, taken towards zero, then one turn less when above a half turn:
// directions from atan2 come out in (-pi, pi].
double NormalizeAngle(double angle);

// The end point of the arc about `center` that starts at `start` and whose included angle is
// the direction of `p` from the centre, counted counter-clockwise in [0, 2 pi): the angle is
// laid off from the start direction at the start's radius.
PluginPoint IncludedAngleEnd(const PluginPoint& center, const PluginPoint& start,
                             const PluginPoint& p);

// An ellipse as the host's elliptic arc takes it.
struct EllipseAxes {
  PluginPoint center;
  double majorRadius;
  double ratio;      // minor radius over major radius, at most 1
  double axisAngle;  // direction of the major axis
};

// The ellipse about `center` with major axis end `majorEnd` and minor radius through
// `minorPoint`. When the minor point lies farther out than the major end, the two exchange
// roles: the major axis then points at `minorPoint`. Both points must differ from the centre.
EllipseAxes AxesOf(const PluginPoint& center, const PluginPoint& majorEnd,
                   const PluginPoint& minorPoint);

// The parameter of the ellipse point whose direction from the centre is that of `p`, in
// (-pi, pi].
double ParameterOf(const EllipseAxes& axes, const PluginPoint& p);
// The same as an end parameter: exactly 0 becomes a full turn, so that an arc from the major
// axis back to it is the whole ellipse.
double EndParameterOf(const EllipseAxes& axes, const PluginPoint& p);

struct EllipticArc {
  EllipseAxes axes;
  double startParameter;
  double endParameter;
};

// The arc of AxesOf(center, majorEnd, minorPoint) from the direction of `start` to that of
// `end`.
EllipticArc EllipticArcOf(const PluginPoint& center, const PluginPoint& majorEnd,
                          const PluginPoint& minorPoint, const PluginPoint& start,
                          const PluginPoint& end);

}  // namespace korvo::commandset
