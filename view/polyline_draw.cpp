#include "core/drawing_settings.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// Makes the polyline the parent of its segments for one pass and puts back the previous
// parent and the polyline's own properties, which resolving against a parent changes.
class ParentGuard {
 public:
  ParentGuard(RenderContext& rc, PolylineEntity& polyline)
      : rc_(rc),
        polyline_(polyline),
        previousParent_(rc.parentInsert),
        lineWeight_(polyline.lineWeight),
        colorIndex_(polyline.colorIndex),
        lineType_(polyline.lineType) {
    ResolveByBlock();
    rc.parentInsert = &polyline;
  }
  ~ParentGuard() {
    rc_.parentInsert = previousParent_;
    polyline_.lineWeight = lineWeight_;
    polyline_.SetColorIndex(colorIndex_);
    polyline_.lineType = lineType_;
  }
  ParentGuard(const ParentGuard&) = delete;
  ParentGuard& operator=(const ParentGuard&) = delete;

 private:
  // A polyline inside a block reference takes that reference's properties where its own
  // are by block.
  void ResolveByBlock() {
    const Entity* parent = previousParent_;
    if (parent == nullptr) return;
    if (polyline_.lineWeight == LineWeight::ByBlock) {
      polyline_.lineWeight = parent->lineWeight == LineWeight::ByLayer && parent->layer
                                 ? parent->layer->lineWeight
                                 : parent->lineWeight;
    }
    if (polyline_.colorIndex == 0) {
      polyline_.SetColorIndex(parent->colorIndex == 256 && parent->layer ? parent->layer->colorIndex
                                                                         : parent->colorIndex);
    }
    if (polyline_.lineType == &ByBlockLineType()) {
      polyline_.lineType = parent->lineType == &ByLayerLineType() && parent->layer
                               ? parent->layer->lineType
                               : parent->lineType;
    }
  }

  RenderContext& rc_;
  PolylineEntity& polyline_;
  const Entity* previousParent_;
  double lineWeight_;
  int16_t colorIndex_;
  LineType* lineType_;
};

// Each segment draws with the polyline's selected bit, so a selected polyline highlights
// all of them; the segment's own bit is put back afterwards.
bool DrawSegment(Entity& segment, bool selected, RenderContext& rc) {
  const uint8_t flags = segment.flags;
  segment.flags =
      static_cast<uint8_t>(selected ? flags | EntityFlag::Selected : flags & ~EntityFlag::Selected);
  const bool result = segment.Draw(rc);
  segment.flags = flags;
  return result;
}

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
  {
    ParentGuard parent(rc, *this);
    for (Entity* segment : segmentList) {
      if (!DrawSegment(*segment, IsSelected(), rc)) return false;
    }
  }
  if ((polylineFlags & PolylineFlag::SplineFit) != 0 && rc.settings.splineFrame != 0) {
    return DrawSplineFrame(*this, rc);
  }
  return true;
}

}  // namespace korvo
