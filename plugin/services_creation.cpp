#include <cmath>
#include <memory>
#include <span>
#include <utility>

#include "core/arc_entity.h"
#include "core/block_definition.h"
#include "core/circle_entity.h"
#include "core/drawing.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/text_entity.h"
#include "core/trace_entity.h"
#include "geometry/geometry.h"
#include "plugin/service_support.h"
#include "plugin/service_table.h"
#include "plugin/services_table.h"
#include "text/line_type.h"
#include "view/view.h"

namespace korvo {
namespace {

// The last five arguments of every creating service.
struct Placement {
  int16_t colorIndex;
  double lineWeight;
  PluginStr layer;
  PluginStr lineType;
  PluginStr target;
};

#define KORVO_PLACEMENT_ARGS \
  int16_t colorIndex, double lineWeight, PluginStr layer, PluginStr lineType, PluginStr target
#define KORVO_PLACEMENT_VALUES                      \
  Placement {                                       \
    colorIndex, lineWeight, layer, lineType, target \
  }

enum class DrawNew { Yes, No };

bool IsTemporaryTarget(PluginStr target) {
  return target == PluginTemporaryTarget() || (target != nullptr && *target == 0);
}

// The block a plug-in names as a target: made when missing, recorded once per command.
BlockDefinition* TargetBlock(PluginContext& context, std::u16string_view name) {
  Drawing& drawing = *context.drawing;
  BlockDefinition* block = drawing.blocks.Find(name);
  if (block == nullptr) {
    block = new BlockDefinition(std::u16string(name));
    drawing.blocks.Add(block);
    drawing.undo.RecordChange(UndoKind::BlockAdded, block);
  } else if (!context.changedBlocks.contains(block)) {
    drawing.undo.RecordChange(UndoKind::BlockReloaded, block);
  }
  return block;
}

// Gives a new entity its properties and its place; null (and the entity gone) when the
// placement names what the drawing does not have.
PluginEntity* Place(PluginContext& context, std::unique_ptr<Entity> entity, const Placement& p,
                    DrawNew draw) {
  if (entity == nullptr || entity->visible == 0) return nullptr;
  Drawing& drawing = *context.drawing;
  if (p.colorIndex != kPluginCurrentColor) {
    if (p.colorIndex < 0 || p.colorIndex > 256) return nullptr;
    entity->SetColorIndex(p.colorIndex);
  }
  if (p.lineWeight != kPluginDefaultLineWeight) {
    if (!std::isfinite(p.lineWeight)) return nullptr;
    entity->lineWeight = p.lineWeight;
  }
  if (p.layer != nullptr) {
    Layer* layer = drawing.layers.Find(p.layer);
    if (layer == nullptr) return nullptr;
    entity->layer = layer;
  }
  if (p.lineType == PluginByBlockLineType()) {
    entity->lineType = &ByBlockLineType();
  } else if (p.lineType == PluginByLayerLineType()) {
    entity->lineType = &ByLayerLineType();
  } else if (p.lineType != nullptr) {
    LineType* type = TakePluginLineType(context, p.lineType);
    if (type == nullptr) return nullptr;
    entity->lineType = type;
  }

  Entity* placed = entity.get();
  if (IsTemporaryTarget(p.target)) {
    context.temporaryEntities.emplace(placed, std::move(entity));
    return context.Issue(placed);
  }
  PluginEntity* issued = nullptr;
  if (p.target != nullptr) {
    BlockDefinition* block = TargetBlock(context, p.target);
    const ListPosition at = block->AddTail(entity.release());
    context.changedBlocks[block] = true;
    issued = context.IssueAt(placed, *block, at);
  } else {
    const ListPosition at = drawing.entities.AddTail(entity.release());
    drawing.undo.RecordChange(UndoKind::EntityAdded, placed, at);
    // Undoing the addition takes the whole entity away: later changes need no copy.
    context.changedEntities.insert(placed);
    if (draw == DrawNew::Yes) context.view->DrawOver(*placed);
    issued = context.IssueAt(placed, drawing.entities, at);
  }
  drawing.SetModifiedFlag();
  return issued;
}

PluginEntity* Create(PluginContext* context, std::unique_ptr<Entity> entity, const Placement& p) {
  if (Live(context) == nullptr) return nullptr;
  return Place(*context, std::move(entity), p, DrawNew::Yes);
}

// Every given point is there and finite.
bool Usable(std::initializer_list<const PluginPoint*> points) {
  for (const PluginPoint* p : points) {
    if (p == nullptr || !IsFinite(*p)) return false;
  }
  return true;
}

bool Finite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

const DrawingSettings& SettingsOf(PluginContext* context) {
  return context->drawing->settings;
}

PluginEnt AddPoint(PluginPtr context, const PluginPoint* position, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({position})) return nullptr;
  return Create(context, std::make_unique<PointEntity>(SettingsOf(context), ToPoint(*position)),
                KORVO_PLACEMENT_VALUES);
}

PluginEnt AddLine(PluginPtr context, const PluginPoint* start, const PluginPoint* end,
                  KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({start, end})) return nullptr;
  return Create(context,
                std::make_unique<LineEntity>(ToPoint(*start), ToPoint(*end), SettingsOf(context)),
                KORVO_PLACEMENT_VALUES);
}

PluginEnt AddCircleDiameter(PluginPtr context, const PluginPoint* end1, const PluginPoint* end2,
                            KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({end1, end2})) return nullptr;
  return Create(context,
                std::make_unique<CircleEntity>(ToPoint(*end1), ToPoint(*end2), SettingsOf(context),
                                               CircleFromTwoPoints::Diameter),
                KORVO_PLACEMENT_VALUES);
}

PluginEnt AddCircle3P(PluginPtr context, const PluginPoint* a, const PluginPoint* b,
                      const PluginPoint* c, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({a, b, c})) return nullptr;
  return Create(
      context,
      std::make_unique<CircleEntity>(ToPoint(*a), ToPoint(*b), ToPoint(*c), SettingsOf(context)),
      KORVO_PLACEMENT_VALUES);
}

PluginEnt AddCircleCenterPoint(PluginPtr context, const PluginPoint* center,
                               const PluginPoint* onCircle, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({center, onCircle})) return nullptr;
  return Create(
      context,
      std::make_unique<CircleEntity>(ToPoint(*center), ToPoint(*onCircle), SettingsOf(context),
                                     CircleFromTwoPoints::CenterAndPoint),
      KORVO_PLACEMENT_VALUES);
}

PluginEnt AddCircle(PluginPtr context, const PluginPoint* center, double radius,
                    KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({center}) || !Finite({radius})) return nullptr;
  return Create(context,
                std::make_unique<CircleEntity>(ToPoint(*center), radius, SettingsOf(context)),
                KORVO_PLACEMENT_VALUES);
}

// How the four given corners are taken: a solid's go round its outline; a trace's come as its
// two ends, left then right at each, and the outline takes the second end reversed.
enum class CornerOrder { Boundary, Ends };

template <typename Kind>
PluginEnt AddFourCorners(PluginPtr context, const PluginPoint* corners, CornerOrder order,
                         const Placement& p) {
  if (Live(context) == nullptr || corners == nullptr) return nullptr;
  Point points[4];
  for (int i = 0; i < 4; ++i) {
    if (!IsFinite(corners[i])) return nullptr;
    points[i] = ToPoint(corners[i]);
  }
  if (order == CornerOrder::Ends) std::swap(points[2], points[3]);
  return Create(context,
                std::make_unique<Kind>(std::span<const Point, 4>(points), SettingsOf(context)), p);
}

PluginEnt AddSolid(PluginPtr context, const PluginPoint* corners, KORVO_PLACEMENT_ARGS) {
  return AddFourCorners<SolidEntity>(context, corners, CornerOrder::Boundary,
                                     KORVO_PLACEMENT_VALUES);
}

PluginEnt AddTrace(PluginPtr context, const PluginPoint* corners, KORVO_PLACEMENT_ARGS) {
  return AddFourCorners<TraceEntity>(context, corners, CornerOrder::Ends, KORVO_PLACEMENT_VALUES);
}

PluginEnt AddArc3P(PluginPtr context, const PluginPoint* start, const PluginPoint* second,
                   const PluginPoint* end, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({start, second, end})) return nullptr;
  return Create(context,
                std::make_unique<ArcEntity>(SettingsOf(context), ToPoint(*start), ToPoint(*second),
                                            ToPoint(*end), ArcFromThreePoints::ThroughThree),
                KORVO_PLACEMENT_VALUES);
}

PluginEnt AddArc(PluginPtr context, const PluginPoint* center, double radius, double startAngle,
                 double endAngle, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({center}) || !Finite({radius, startAngle, endAngle}))
    return nullptr;
  return Create(context,
                std::make_unique<ArcEntity>(SettingsOf(context), ToPoint(*center), radius,
                                            startAngle, endAngle),
                KORVO_PLACEMENT_VALUES);
}

PluginEnt AddArcCenterStartEnd(PluginPtr context, const PluginPoint* center,
                               const PluginPoint* start, const PluginPoint* end,
                               KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({center, start, end})) return nullptr;
  const Point c = ToPoint(*center), s = ToPoint(*start), e = ToPoint(*end);
  return AddArc(context, center, Distance(c, s), std::atan2(s.y - c.y, s.x - c.x),
                std::atan2(e.y - c.y, e.x - c.x), colorIndex, lineWeight, layer, lineType, target);
}

PluginEnt AddText(PluginPtr context, const PluginPoint* insertion, double height, double rotation,
                  double widthFactor, double obliqueAngle, int32_t horizontalAlignment,
                  int32_t verticalAlignment, const PluginPoint* alignment, PluginStr text,
                  PluginStr textStyle, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({insertion}) || text == nullptr) return nullptr;
  if (!Finite({height, rotation, widthFactor, obliqueAngle})) return nullptr;
  // The text entity keeps a horizontal alignment only, at its insertion point.
  // FIXME: vertical alignment and a separate alignment point are refused until the text
  // entity can hold them.
  if (horizontalAlignment < 0 || horizontalAlignment > 255 || verticalAlignment != 0)
    return nullptr;
  if (alignment != nullptr && (alignment->x != insertion->x || alignment->y != insertion->y))
    return nullptr;
  TextStyle* style = context->drawing->settings.currentTextStyle;
  if (textStyle != nullptr && *textStyle != 0) {
    style = context->drawing->textStyles.Find(textStyle);
    if (style == nullptr) return nullptr;
  }
  auto entity = std::make_unique<TextEntity>(
      ToPoint(*insertion), height, rotation, widthFactor, obliqueAngle, uint8_t{0},
      static_cast<uint8_t>(horizontalAlignment), std::u16string(text), SettingsOf(context));
  entity->style = style;
  return Create(context, std::move(entity), KORVO_PLACEMENT_VALUES);
}

PluginEnt AddEllipticArc(PluginPtr context, const PluginPoint* center, double majorRadius,
                         double ratio, double axisAngle, double startParameter, double endParameter,
                         KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({center}) ||
      !Finite({majorRadius, ratio, axisAngle, startParameter, endParameter}))
    return nullptr;
  return Create(context,
                std::make_unique<EllipseEntity>(SettingsOf(context), ToPoint(*center), majorRadius,
                                                ratio, axisAngle, startParameter, endParameter),
                KORVO_PLACEMENT_VALUES);
}

PluginEnt AddEllipticArc3P(PluginPtr context, const PluginPoint* center,
                           const PluginPoint* majorEnd, const PluginPoint* minorPoint,
                           double startParameter, double endParameter, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr || !Usable({center, majorEnd, minorPoint}) ||
      !Finite({startParameter, endParameter}))
    return nullptr;
  return Create(
      context,
      std::make_unique<EllipseEntity>(ToPoint(*center), ToPoint(*majorEnd), ToPoint(*minorPoint),
                                      startParameter, endParameter, SettingsOf(context)),
      KORVO_PLACEMENT_VALUES);
}

PluginEnt AddPolyline(PluginPtr context, int32_t closed, KORVO_PLACEMENT_ARGS) {
  if (Live(context) == nullptr) return nullptr;
  auto polyline = std::make_unique<PolylineEntity>(SettingsOf(context));
  polyline->SetClosed(closed != 0);
  return Create(context, std::move(polyline), KORVO_PLACEMENT_VALUES);
}

int32_t AddPolylineVertex(PluginPtr context, const PluginPoint* position, double startWidth,
                          double endWidth, double bulge, double tangentDirection,
                          uint8_t vertexFlags, PluginEnt polyline) {
  Entity* entity = UsableEntity(context, polyline, EntityUse::Modify);
  if (entity == nullptr || entity->AsPolyline() == nullptr || !Usable({position}) ||
      !Finite({startWidth, endWidth, bulge, tangentDirection}))
    return 0;
  RecordModification(*context, *entity);
  entity->AsPolyline()->AppendVertex(ToPoint(*position), startWidth, endWidth, bulge, vertexFlags,
                                     tangentDirection);
  MarkChanged(*context, *entity);
  return 1;
}

PluginEnt CopyEntity(PluginPtr context, PluginEnt source, PluginStr target) {
  const Entity* original = UsableEntity(context, source, EntityUse::Read);
  if (original == nullptr) return nullptr;
  std::unique_ptr<Entity> copy(EntityList::Clone(*original));
  if (copy == nullptr) return nullptr;
  copy->flags &= static_cast<uint8_t>(~EntityFlag::Selected);
  const Placement keep{kPluginCurrentColor, kPluginDefaultLineWeight, nullptr, nullptr, target};
  return Place(*context, std::move(copy), keep, DrawNew::No);
}

#undef KORVO_PLACEMENT_ARGS
#undef KORVO_PLACEMENT_VALUES

}  // namespace

void* CreationService(int32_t id) {
  switch (id) {
    case PluginService::AddPoint:
      return ServiceAddressOf<AddPointFn>(&AddPoint);
    case PluginService::AddLine:
      return ServiceAddressOf<AddLineFn>(&AddLine);
    case PluginService::AddCircleDiameter:
      return ServiceAddressOf<AddCircleDiameterFn>(&AddCircleDiameter);
    case PluginService::AddCircle3P:
      return ServiceAddressOf<AddCircle3PFn>(&AddCircle3P);
    case PluginService::AddCircleCenterPoint:
      return ServiceAddressOf<AddCircleCenterPointFn>(&AddCircleCenterPoint);
    case PluginService::AddCircle:
      return ServiceAddressOf<AddCircleFn>(&AddCircle);
    case PluginService::AddSolid:
      return ServiceAddressOf<AddSolidFn>(&AddSolid);
    case PluginService::AddTrace:
      return ServiceAddressOf<AddTraceFn>(&AddTrace);
    case PluginService::AddArc3P:
      return ServiceAddressOf<AddArc3PFn>(&AddArc3P);
    case PluginService::AddArcCenterStartEnd:
      return ServiceAddressOf<AddArcCenterStartEndFn>(&AddArcCenterStartEnd);
    case PluginService::AddArc:
      return ServiceAddressOf<AddArcFn>(&AddArc);
    case PluginService::AddText:
      return ServiceAddressOf<AddTextFn>(&AddText);
    case PluginService::CopyEntity:
      return ServiceAddressOf<CopyEntityFn>(&CopyEntity);
    case PluginService::AddEllipticArc:
      return ServiceAddressOf<AddEllipticArcFn>(&AddEllipticArc);
    case PluginService::AddEllipticArc3P:
      return ServiceAddressOf<AddEllipticArc3PFn>(&AddEllipticArc3P);
    case PluginService::AddPolylineVertex:
      return ServiceAddressOf<AddPolylineVertexFn>(&AddPolylineVertex);
    case PluginService::AddPolyline:
      return ServiceAddressOf<AddPolylineFn>(&AddPolyline);
    default:
      return nullptr;
  }
}

}  // namespace korvo
