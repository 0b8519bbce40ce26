// Lines, points, circles, arcs, ellipses, solids and traces from DXF records.
#include <cmath>
#include <numbers>

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"
#include "core/trace_entity.h"
#include "exchange/dxf_entity_builders.h"
#include "exchange/dxf_import_context.h"
#include "geometry/curve_geometry.h"

namespace korvo {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Null, and counted under the kind, for numbers no drawing can hold.
template <class T>
std::unique_ptr<Entity> Checked(std::unique_ptr<T> entity, bool usable, std::string_view kind,
                                DxfImportContext& context) {
  if (usable) return entity;
  context.Skip(std::string(kind) + " with unusable numbers");
  return nullptr;
}

bool PlanarOrSkipped(const DxfOcs& ocs, std::string_view kind, DxfImportContext& context) {
  if (ocs.planar) return true;
  context.Skip(std::string(kind) + " not in the xy plane");
  return false;
}

// The corners of a solid or trace: DXF gives the fourth corner third (12) and the third
// last (13); a three-corner solid repeats its third.
template <class T>
std::unique_ptr<Entity> BuildCorners(const DxfRecord& record, DxfImportContext& context,
                                     std::string_view kind) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!PlanarOrSkipped(ocs, kind, context)) return nullptr;
  auto entity = std::make_unique<T>();
  context.ApplyCommon(record, *entity);
  const Point fourth = record.PointAt(12);
  entity->corners[0] = ocs.Map(record.PointAt(10));
  entity->corners[1] = ocs.Map(record.PointAt(11));
  entity->corners[3] = ocs.Map(fourth);
  entity->corners[2] = ocs.Map(record.Has(13) ? record.PointAt(13) : fourth);
  bool usable = true;
  for (const Point& corner : entity->corners) usable = usable && AllUsable({corner.x, corner.y});
  return Checked(std::move(entity), usable, kind, context);
}

}  // namespace

std::unique_ptr<Entity> BuildDxfLine(const DxfRecord& record, DxfImportContext& context) {
  auto line = std::make_unique<LineEntity>();
  context.ApplyCommon(record, *line);
  // Lines are in world coordinates whatever their extrusion.
  line->start = record.PointAt(10);
  line->end = record.PointAt(11);
  const bool usable = AllUsable({line->start.x, line->start.y, line->end.x, line->end.y});
  return Checked(std::move(line), usable, "LINE", context);
}

std::unique_ptr<Entity> BuildDxfPoint(const DxfRecord& record, DxfImportContext& context) {
  auto point = std::make_unique<PointEntity>();
  context.ApplyCommon(record, *point);
  point->position = record.PointAt(10);
  const bool usable = AllUsable({point->position.x, point->position.y});
  return Checked(std::move(point), usable, "POINT", context);
}

std::unique_ptr<Entity> BuildDxfCircle(const DxfRecord& record, DxfImportContext& context) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!PlanarOrSkipped(ocs, "CIRCLE", context)) return nullptr;
  auto circle = std::make_unique<CircleEntity>();
  context.ApplyCommon(record, *circle);
  circle->center = ocs.Map(record.PointAt(10));
  circle->radius = record.Real(40);
  const bool usable =
      AllUsable({circle->center.x, circle->center.y, circle->radius}) && circle->radius > 0;
  return Checked(std::move(circle), usable, "CIRCLE", context);
}

std::unique_ptr<Entity> BuildDxfArc(const DxfRecord& record, DxfImportContext& context) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!PlanarOrSkipped(ocs, "ARC", context)) return nullptr;
  auto arc = std::make_unique<ArcEntity>();
  context.ApplyCommon(record, *arc);
  arc->center = ocs.Map(record.PointAt(10));
  arc->radius = record.Real(40);
  const double startDegrees = record.Real(50), endDegrees = record.Real(51);
  if (!AllUsable({arc->center.x, arc->center.y, arc->radius, startDegrees, endDegrees}) ||
      !(arc->radius > 0)) {
    return Checked(std::move(arc), false, "ARC", context);
  }
  double start = std::fmod(startDegrees, 360.0) * kRadiansPerDegree;
  double span = endDegrees - startDegrees;
  // A span of a whole turn, or none at all, is the full circle: 360 more is how the
  // export writes one, equal angles how older files did.
  const bool full = std::fabs(std::fabs(span) - 360.0) < 1e-9 || span == 0;
  span = full ? kTwoPi : std::fmod(std::fmod(span, 360.0) + 360.0, 360.0) * kRadiansPerDegree;
  if (ocs.mirrored) {
    // Counter-clockwise in a mirrored system runs clockwise here: the ends swap.
    start = ocs.MapAngle(start + span);
  }
  arc->startAngle = start;
  arc->endAngle = start + span;
  if (!full) NormalizeAngles(arc->startAngle, arc->endAngle);
  arc->NormalizeArc();
  return arc;
}

std::unique_ptr<Entity> BuildDxfEllipse(const DxfRecord& record, DxfImportContext& context) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!PlanarOrSkipped(ocs, "ELLIPSE", context)) return nullptr;
  // Centre and axis are world coordinates; a mirrored extrusion only turns the parameter
  // the other way.
  const Point center = record.PointAt(10);
  const Point axis = record.PointAt(11);
  const double ratio = record.Real(40, 1);
  double start = record.Real(41, 0), end = record.Real(42, kTwoPi);
  const double radius = std::hypot(axis.x, axis.y);
  if (!AllUsable({center.x, center.y, axis.x, axis.y, ratio, start, end}) || !(radius > 0) ||
      !(ratio > 0)) {
    context.Skip("ELLIPSE with unusable numbers");
    return nullptr;
  }
  const double rotation = std::atan2(axis.y, axis.x);
  // A whole turn, to the six decimals writers often keep, is the full ellipse.
  const double span = std::fabs(end - start);
  if (span == 0 || std::fabs(span - kTwoPi) < 1e-6) {
    auto circle = std::make_unique<CircleEntity>();
    context.ApplyCommon(record, *circle);
    circle->center = center;
    circle->radius = radius;
    circle->ratio = ratio;
    circle->rotation = rotation;
    return circle;
  }
  if (ocs.mirrored) {
    const double mirroredStart = -end;
    end = -start;
    start = mirroredStart;
  }
  auto ellipse = std::make_unique<EllipseEntity>();
  context.ApplyCommon(record, *ellipse);
  ellipse->center = center;
  ellipse->radius = radius;
  ellipse->ratio = ratio;
  ellipse->rotation = rotation;
  ellipse->startAngle = start;
  ellipse->endAngle = end;
  ellipse->NormalizeArc();
  return ellipse;
}

std::unique_ptr<Entity> BuildDxfSolid(const DxfRecord& record, DxfImportContext& context) {
  return BuildCorners<SolidEntity>(record, context, "SOLID");
}

std::unique_ptr<Entity> BuildDxfTrace(const DxfRecord& record, DxfImportContext& context) {
  return BuildCorners<TraceEntity>(record, context, "TRACE");
}

}  // namespace korvo
