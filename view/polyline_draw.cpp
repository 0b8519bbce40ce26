#include "core/drawing_settings.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// The lines between consecutive spline frame control points (and back to the first for a
// closed polyline), with the polyline's properties but drawn continuous.
bool DrawSplineFrame(const PolylineEntity& polyline, RenderContext& rc) {
  LineEntity frame;
  frame.CopyProperties(polyline);
  frame.lineType = &ContinuousLineType();
  const VertexEntity* first = nullptr;
  const VertexEntity* previous = nullptr;
  for (const Entity* entity : polyline.vertexList) {
    const VertexEntity* vertex = entity->AsVertex();
    if (vertex == nullptr || !vertex->IsControlPoint()) continue;
    if (first == nullptr) first = vertex;
    if (previous != nullptr) {
      frame.start = previous->position;
      frame.end = vertex->position;
      if (!frame.Draw(rc)) return false;
    }
    previous = vertex;
  }
  if (polyline.IsClosed() && first != nullptr && previous != first) {
    frame.start = previous->position;
    frame.end = first->position;
    if (!frame.Draw(rc)) return false;
  }
  return true;
}

}  // namespace

bool PolylineEntity::Draw(RenderContext& rc) {
  if (!IsVisible() || !IsValid()) return true;
  if (segmentsValid == 0) RebuildSegments();
  // The segments are drawn as a block reference draws its parts: the polyline is their
  // parent, so their by-block properties and their selection are the polyline's.
  if (!InsertEntity::Draw(rc)) return false;
  if ((polylineFlags & PolylineFlag::SplineFit) != 0 && rc.settings->splineFrame != 0) {
    return DrawSplineFrame(*this, rc);
  }
  return true;
}

void PolylineEntity::DrawShape(RenderContext&) {}

}  // namespace korvo
