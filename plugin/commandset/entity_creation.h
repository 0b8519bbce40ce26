#pragma once

#include "plugin/plugin_api.h"

// The host's entity services as the drawing commands call them: always with the current
// colour, line weight, layer and line type, either added to the drawing (recorded for undo
// and drawn by the host) or as a temporary entity for a preview. Null when the host refuses
// the shape or lacks the service.
namespace korvo::commandset {

enum class Placement { Drawing, Temporary };

PluginEntity* AddPoint(const PluginPoint& position, Placement placement);
PluginEntity* AddLine(const PluginPoint& start, const PluginPoint& end, Placement placement);
PluginEntity* AddCircleDiameter(const PluginPoint& end1, const PluginPoint& end2,
                                Placement placement);
PluginEntity* AddCircle3P(const PluginPoint& a, const PluginPoint& b, const PluginPoint& c,
                          Placement placement);
PluginEntity* AddCircleCenterPoint(const PluginPoint& center, const PluginPoint& onCircle,
                                   Placement placement);
PluginEntity* AddArc3P(const PluginPoint& start, const PluginPoint& second, const PluginPoint& end,
                       Placement placement);
PluginEntity* AddArcCenterStartEnd(const PluginPoint& center, const PluginPoint& start,
                                   const PluginPoint& end, Placement placement);
PluginEntity* AddEllipticArc(const PluginPoint& center, double majorRadius, double ratio,
                             double axisAngle, double startParameter, double endParameter,
                             Placement placement);

}  // namespace korvo::commandset
