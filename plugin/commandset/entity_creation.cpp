#include "plugin/commandset/entity_creation.h"

#include "plugin/commandset/host.h"

namespace korvo::commandset {

namespace {

// Calls entity service `id` with `args` followed by the placement arguments.
template <typename Fn, typename... Args>
PluginEntity* Create(int32_t id, Placement placement, Args... args) {
  const char16_t* const noName = nullptr;
  const char16_t* const target =
      placement == Placement::Temporary ? PluginTemporaryTarget() : nullptr;
  return Call<Fn>(id, args..., kPluginCurrentColor, kPluginDefaultLineWeight, noName, noName,
                  target);
}

}  // namespace

PluginEntity* AddPoint(const PluginPoint& position, Placement placement) {
  return Create<AddPointFn>(PluginService::AddPoint, placement, &position);
}

PluginEntity* AddLine(const PluginPoint& start, const PluginPoint& end, Placement placement) {
  return Create<AddLineFn>(PluginService::AddLine, placement, &start, &end);
}

PluginEntity* AddCircleDiameter(const PluginPoint& end1, const PluginPoint& end2,
                                Placement placement) {
  return Create<AddCircleDiameterFn>(PluginService::AddCircleDiameter, placement, &end1, &end2);
}

PluginEntity* AddCircle3P(const PluginPoint& a, const PluginPoint& b, const PluginPoint& c,
                          Placement placement) {
  return Create<AddCircle3PFn>(PluginService::AddCircle3P, placement, &a, &b, &c);
}

PluginEntity* AddCircleCenterPoint(const PluginPoint& center, const PluginPoint& onCircle,
                                   Placement placement) {
  return Create<AddCircleCenterPointFn>(PluginService::AddCircleCenterPoint, placement, &center,
                                        &onCircle);
}

PluginEntity* AddArc3P(const PluginPoint& start, const PluginPoint& second, const PluginPoint& end,
                       Placement placement) {
  return Create<AddArc3PFn>(PluginService::AddArc3P, placement, &start, &second, &end);
}

PluginEntity* AddArcCenterStartEnd(const PluginPoint& center, const PluginPoint& start,
                                   const PluginPoint& end, Placement placement) {
  return Create<AddArcCenterStartEndFn>(PluginService::AddArcCenterStartEnd, placement, &center,
                                        &start, &end);
}

PluginEntity* AddEllipticArc(const PluginPoint& center, double majorRadius, double ratio,
                             double axisAngle, double startParameter, double endParameter,
                             Placement placement) {
  return Create<AddEllipticArcFn>(PluginService::AddEllipticArc, placement, &center, majorRadius,
                                  ratio, axisAngle, startParameter, endParameter);
}

}  // namespace korvo::commandset
