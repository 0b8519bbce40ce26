#include "core/polyline_entity.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/dxf_group_codes.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"
#include "geometry/spline_fit.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// A fit bigger than this many vertices is refused rather than allowed to exhaust memory:
// the steps per patch come from the drawing file.
constexpr uint64_t kMaxFitVertices = 1'000'000;

}  // namespace

PolylineEntity::PolylineEntity(const DrawingSettings& settings)
    : InsertEntity(u"#PLINE", Point(0, 0), 1.0, 1.0, 0.0, settings) {}

void PolylineEntity::ApplyCurrentProperties(const DrawingSettings& settings) {
  Entity::ApplyCurrentProperties(settings);
  for (Entity* segment : segmentList) segment->ApplyCurrentProperties(settings);
}

void PolylineEntity::CopyProperties(const Entity& other) {
  Entity::CopyProperties(other);
  for (Entity* segment : segmentList) segment->CopyProperties(other);
  for (Entity* vertex : vertexList) vertex->CopyProperties(other);
}

Entity& PolylineEntity::CopyFrom(const Entity& other) {
  const PolylineEntity* polyline = other.AsPolyline();
  if (polyline == nullptr || polyline == this) return *this;
  CopyInsertFrom(*polyline);
  vertexList.CopyFrom(polyline->vertexList);
  polylineFlags = polyline->polylineFlags;
  curveType = polyline->curveType;
  segmentsValid = polyline->segmentsValid;
  SetOwners();
  return *this;
}

void PolylineEntity::Translate(const Point& offset) {
  segmentList.Translate(offset);
  vertexList.Translate(offset);
}

void PolylineEntity::Rotate(const Rotation& turn) {
  if (!turn.IsRegular()) return;
  segmentList.Rotate(turn);
  vertexList.Rotate(turn);
}

bool PolylineEntity::GetExtents(Point& min, Point& max) const {
  const bool any = InsertEntity::GetExtents(min, max);
  // Stale segments are rebuilt when drawn; until then the box stays what it was.
  if (segmentsValid == 0) return any;
  if (!any) {
    min = Point(kNoDistance, kNoDistance);
    max = Point(-kNoDistance, -kNoDistance);
  }
  bool anyVertex = false;
  for (const Entity* vertex : vertexList) {
    if (const VertexEntity* v = vertex->AsVertex()) {
      min = Point(std::min(min.x, v->position.x), std::min(min.y, v->position.y));
      max = Point(std::max(max.x, v->position.x), std::max(max.y, v->position.y));
      anyVertex = true;
    }
  }
  return any || anyVertex;
}

void PolylineEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  vertexList.Scale(scaling);
  if (scaling.IsUniform()) {
    segmentList.Scale(scaling);
    return;
  }
  // Unequal factors would turn arc segments into elliptic arcs that no vertex describes;
  // the polyline stays what its vertices (which are saved) say.
  RebuildSegments();
}

void PolylineEntity::ScaleSegments(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  if (!segmentsValid) RebuildSegments();
  vertexList.Scale(scaling);
  segmentList.Scale(scaling);
}

bool PolylineEntity::GetTypeProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::PolylineFlags:
      return out = int{polylineFlags}, true;
    case DxfGroup::CurveType:
      return out = int{curveType}, true;
    default:
      return false;
  }
}

bool PolylineEntity::SetTypeProperty(int code, const PropertyValue& in) {
  int value = 0;
  if ((code != DxfGroup::PolylineFlags && code != DxfGroup::CurveType) || !GetInt(in, value))
    return false;
  const bool wasSplineFit = (polylineFlags & PolylineFlag::SplineFit) != 0;
  if (code == DxfGroup::PolylineFlags) {
    polylineFlags = static_cast<uint8_t>(value & 0xFF);
  } else {
    curveType = static_cast<uint8_t>(value & 0xFF);
  }
  if (wasSplineFit && (polylineFlags & PolylineFlag::SplineFit) == 0) DropSplineFit();
  RebuildSegments();
  return true;
}

void PolylineEntity::DropSplineFit() {
  for (ListPosition at = vertexList.HeadPosition(); at;) {
    const ListPosition next = vertexList.Next(at);
    VertexEntity* vertex = vertexList.GetAt(at)->AsVertex();
    if (vertex != nullptr && vertex->IsControlPoint()) {
      vertex->vertexFlags &= static_cast<uint8_t>(~VertexFlag::SplineFrame);
    } else if (vertex != nullptr && (vertex->vertexFlags & VertexFlag::SplineFit) != 0) {
      vertexList.RemoveAt(at);
      delete vertex;
    }
    at = next;
  }
  segmentsValid = 0;
}

void PolylineEntity::SetClosed(bool closed) {
  if (closed) {
    polylineFlags |= PolylineFlag::Closed;
  } else {
    polylineFlags &= static_cast<uint8_t>(~PolylineFlag::Closed);
  }
}

VertexEntity* PolylineEntity::AppendVertex(const Point& position, double startWidth,
                                           double endWidth, double bulge, uint8_t vertexFlags,
                                           double tangentDirection) {
  auto* vertex = new VertexEntity();
  vertex->CopyProperties(*this);
  vertex->position = position;
  vertex->startWidth = startWidth;
  vertex->endWidth = endWidth;
  vertex->bulge = bulge;
  vertex->vertexFlags = vertexFlags;
  vertex->tangentDirection = tangentDirection;
  vertex->owner = this;
  vertexList.AddTail(vertex);
  segmentsValid = 0;
  return vertex;
}

VertexEntity* PolylineEntity::AppendArcVertex(int mode, const Point& start, const Point& reference,
                                              const Point& end, double startWidth, double endWidth,
                                              uint8_t vertexFlags, double tangentDirection) {
  return AppendVertex(start, startWidth, endWidth, ArcVertexBulge(mode, start, reference, end),
                      vertexFlags, tangentDirection);
}

void PolylineEntity::RemoveLastVertex() {
  Entity* last = vertexList.Tail();
  if (last == nullptr) return;
  vertexList.RemoveAt(vertexList.TailPosition());
  delete last;
  segmentsValid = 0;
}

void PolylineEntity::RebuildSegments() {
  segmentList.DeleteAll();
  if (!IsValid()) return;
  BuildPolylineSegments(vertexList, IsClosed(), segmentList);
  // The segments draw with the polyline's properties.
  for (Entity* segment : segmentList) {
    segment->layer = layer;
    segment->SetColorIndex(0);
    segment->lineType = &ByBlockLineType();
    segment->lineWeight = LineWeight::ByBlock;
  }
  UpdateInsertionPoint();
  segmentsValid = 1;
}

void PolylineEntity::UpdateInsertionPoint() {
  const Entity* first = segmentList.Head();
  if (first == nullptr) return;
  if (const LineEntity* line = first->AsLine()) {
    insertionPoint = line->start;
  } else if (const ArcEntity* arc = first->AsArc()) {
    insertionPoint = arc->center;
  }
}

void PolylineEntity::SetOwners() {
  for (Entity* entity : vertexList) {
    if (VertexEntity* vertex = entity->AsVertex()) vertex->owner = this;
  }
}

bool PolylineEntity::FitSpline(uint8_t type, uint32_t segmentsPerPatch) {
  if ((type != PolylineCurve::Quadratic && type != PolylineCurve::Cubic) || segmentsPerPatch == 0) {
    return false;
  }
  const SplineDegree degree =
      type == PolylineCurve::Cubic ? SplineDegree::Cubic : SplineDegree::Quadratic;
  // The vertices of an earlier fit are not control points of this one.
  std::vector<Point> controls;
  std::vector<VertexEntity*> controlVertices;
  for (Entity* entity : vertexList) {
    VertexEntity* vertex = entity->AsVertex();
    if (vertex == nullptr) continue;
    if (!vertex->IsControlPoint() && (vertex->vertexFlags & VertexFlag::SplineFit) != 0) continue;
    controls.push_back(vertex->position);
    controlVertices.push_back(vertex);
  }
  if (controls.empty() || SplineCurvePointCount(controls.size(), degree, segmentsPerPatch,
                                                IsClosed()) > kMaxFitVertices) {
    return false;
  }
  const std::vector<Point> curve = FitSplineCurve(controls, degree, segmentsPerPatch, IsClosed());
  polylineFlags &= static_cast<uint8_t>(~PolylineFlag::SplineFit);
  DropSplineFit();
  for (VertexEntity* vertex : controlVertices) vertex->vertexFlags = VertexFlag::SplineFrame;
  const double widthAtStart = controlVertices.front()->startWidth;
  const double widthAtEnd = controlVertices.back()->endWidth;
  // A closed fit repeats its first point at the end; fewer than three control points come
  // back as they are, and dropping the last of those would leave nothing to draw.
  const bool repeatsFirst = IsClosed() && controls.size() >= 3;
  const std::size_t used = repeatsFirst ? curve.size() - 1 : curve.size();
  double total = 0;
  for (std::size_t i = 1; i < curve.size(); ++i) total += Distance(curve[i - 1], curve[i]);
  double travelled = 0;
  double previousEnd = widthAtStart;
  for (std::size_t i = 0; i < used; ++i) {
    double endWidth = widthAtEnd;
    if (i + 1 < used) {
      travelled += Distance(curve[i], curve[i + 1]);
      // A curve of no length keeps the start width throughout.
      endWidth =
          total > 0 ? widthAtStart + (widthAtEnd - widthAtStart) * travelled / total : widthAtStart;
    }
    AppendVertex(curve[i], previousEnd, endWidth, 0, VertexFlag::SplineFit, 0);
    previousEnd = endWidth;
  }
  polylineFlags |= PolylineFlag::SplineFit;
  curveType = type;
  RebuildSegments();
  return true;
}

}  // namespace korvo
