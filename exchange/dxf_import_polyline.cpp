// POLYLINE with its vertices, LWPOLYLINE and LEADER as polylines.
#include <cmath>
#include <numbers>

#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "exchange/dxf_entity_builders.h"
#include "exchange/dxf_import_context.h"

namespace korvo {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// POLYLINE flags beyond a 2D polyline: a 3D polyline, a mesh, a polyface mesh.
constexpr int64_t kPolyline3d = 8;
constexpr int64_t kPolygonMesh = 16;
constexpr int64_t kPolyfaceMesh = 64;
// Flags a 2D polyline keeps: closed, curve-fit, spline-fit, line type generation.
constexpr int64_t kKeptFlags = 0x01 | 0x02 | 0x04 | 0x80;
// VERTEX flags of 3D polylines and meshes.
constexpr int64_t kVertexNot2d = 32 | 64 | 128;

bool UsableVertex(const Point& p, double startWidth, double endWidth, double bulge) {
  return AllUsable({p.x, p.y, startWidth, endWidth, bulge});
}

}  // namespace

DxfPolylineInProgress BuildDxfPolyline(const DxfRecord& record, DxfImportContext& context) {
  DxfPolylineInProgress result;
  const int64_t flags = record.Integer(70, 0);
  if ((flags & (kPolyline3d | kPolygonMesh | kPolyfaceMesh)) != 0) {
    context.Skip((flags & kPolyline3d) != 0 ? "3D POLYLINE" : "POLYLINE mesh");
    return result;
  }
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!ocs.planar) {
    context.Skip("POLYLINE not in the xy plane");
    return result;
  }
  result.polyline = std::make_unique<PolylineEntity>();
  PolylineEntity& polyline = *result.polyline;
  context.ApplyCommon(record, polyline);
  polyline.polylineFlags = static_cast<uint8_t>(flags & kKeptFlags);
  const int64_t curve = record.Integer(75, 0);
  polyline.curveType =
      curve == PolylineCurve::Quadratic || curve == PolylineCurve::Cubic || curve == 8
          ? static_cast<uint8_t>(curve)
          : PolylineCurve::None;
  result.startWidth = record.Real(40, 0);
  result.endWidth = record.Real(41, 0);
  result.mirrored = ocs.mirrored;
  return result;
}

void AddDxfVertex(const DxfRecord& record, DxfImportContext& context,
                  DxfPolylineInProgress& polyline) {
  if (polyline.polyline == nullptr) return;
  const int64_t flags = record.Integer(70, 0);
  if ((flags & kVertexNot2d) != 0) {
    context.Skip("VERTEX of a 3D polyline or mesh");
    return;
  }
  Point position = record.PointAt(10);
  const double startWidth = record.Real(40, polyline.startWidth);
  const double endWidth = record.Real(41, polyline.endWidth);
  double bulge = record.Real(42, 0);
  double tangent = record.Real(50, 0) * kRadiansPerDegree;
  if (!UsableVertex(position, startWidth, endWidth, bulge) || !AllUsable({tangent})) {
    context.Skip("VERTEX with unusable numbers");
    return;
  }
  if (polyline.mirrored) {
    // Mirrored, every arc turns the other way.
    position.x = -position.x;
    bulge = -bulge;
    tangent = std::numbers::pi - tangent;
  }
  polyline.polyline->AppendVertex(position, startWidth, endWidth, bulge,
                                  static_cast<uint8_t>(flags & 0x1F), tangent);
}

std::unique_ptr<Entity> FinishDxfPolyline(DxfPolylineInProgress& polyline,
                                          DxfImportContext& context) {
  if (polyline.polyline == nullptr) return nullptr;
  if (!polyline.polyline->IsValid()) {
    context.Skip("POLYLINE with fewer than two vertices");
    polyline.polyline.reset();
    return nullptr;
  }
  polyline.polyline->RebuildSegments();
  return std::move(polyline.polyline);
}

std::unique_ptr<Entity> BuildDxfLwPolyline(const DxfRecord& record, DxfImportContext& context) {
  const DxfOcs ocs = DxfOcs::Of(record);
  if (!ocs.planar) {
    context.Skip("LWPOLYLINE not in the xy plane");
    return nullptr;
  }
  auto polyline = std::make_unique<PolylineEntity>();
  context.ApplyCommon(record, *polyline);
  polyline->polylineFlags = static_cast<uint8_t>(record.Integer(70, 0) & (0x01 | 0x80));
  const double constantWidth = record.Real(43, 0);
  // Each vertex starts at its 10 group; the widths and bulge that follow belong to it.
  struct Pending {
    Point position;
    double startWidth, endWidth, bulge;
  };
  bool open = false;
  Pending vertex{};
  bool usable = AllUsable({constantWidth});
  auto flush = [&] {
    if (!open) return;
    if (!UsableVertex(vertex.position, vertex.startWidth, vertex.endWidth, vertex.bulge)) {
      usable = false;
      return;
    }
    Point position = ocs.Map(vertex.position);
    polyline->AppendVertex(position, vertex.startWidth, vertex.endWidth,
                           ocs.mirrored ? -vertex.bulge : vertex.bulge, 0, 0);
  };
  for (const DxfGroup& group : record.groups) {
    switch (group.code) {
      case 10:
        flush();
        open = true;
        vertex = Pending{Point(group.real, 0), constantWidth, constantWidth, 0};
        break;
      case 20:
        if (open) vertex.position.y = group.real;
        break;
      case 40:
        if (open) vertex.startWidth = group.real;
        break;
      case 41:
        if (open) vertex.endWidth = group.real;
        break;
      case 42:
        if (open) vertex.bulge = group.real;
        break;
      default:
        break;
    }
  }
  flush();
  if (!usable) {
    context.Skip("LWPOLYLINE with unusable numbers");
    return nullptr;
  }
  if (!polyline->IsValid()) {
    context.Skip("LWPOLYLINE with fewer than two vertices");
    return nullptr;
  }
  polyline->RebuildSegments();
  return polyline;
}

std::unique_ptr<Entity> BuildDxfLeader(const DxfRecord& record, DxfImportContext& context) {
  auto polyline = std::make_unique<PolylineEntity>();
  context.ApplyCommon(record, *polyline);
  // The leader's path, in world coordinates; its arrowhead and annotation are not drawn.
  bool open = false;
  Point position;
  bool usable = true;
  auto flush = [&] {
    if (!open) return;
    if (!AllUsable({position.x, position.y})) {
      usable = false;
      return;
    }
    polyline->AppendVertex(position, 0, 0, 0, 0, 0);
  };
  for (const DxfGroup& group : record.groups) {
    if (group.code == 10) {
      flush();
      open = true;
      position = Point(group.real, 0);
    } else if (group.code == 20 && open) {
      position.y = group.real;
    }
  }
  flush();
  if (!usable || !polyline->IsValid()) {
    context.Skip(usable ? "LEADER with fewer than two vertices" : "LEADER with unusable numbers");
    return nullptr;
  }
  polyline->RebuildSegments();
  return polyline;
}

}  // namespace korvo
