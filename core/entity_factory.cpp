#include "core/entity_factory.h"

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/ellipse_entity.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/text_entity.h"
#include "core/trace_entity.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"

#include "platform/message_box.h"
#include "platform/text_format.h"

namespace korvo {

std::unique_ptr<Entity> CreateEntity(int elementCode) {
  switch (elementCode) {
    case ElementCode::Line:
      return std::make_unique<LineEntity>();
    case ElementCode::Circle:
      return std::make_unique<CircleEntity>();
    case ElementCode::Arc:
      return std::make_unique<ArcEntity>();
    case ElementCode::Text:
      return std::make_unique<TextEntity>();
    case ElementCode::Solid:
      return std::make_unique<SolidEntity>();
    case ElementCode::Insert:
      return std::make_unique<InsertEntity>();
    case ElementCode::Ellipse:
      return std::make_unique<EllipseEntity>();
    case ElementCode::Point:
      return std::make_unique<PointEntity>();
    case ElementCode::Trace:
      return std::make_unique<TraceEntity>();
    case ElementCode::Polyline:
      return std::make_unique<PolylineEntity>();
    case ElementCode::WideLineSegment:
      return std::make_unique<WideLineSegmentEntity>();
    case ElementCode::WideArcSegment:
      return std::make_unique<WideArcSegmentEntity>();
    case ElementCode::Vertex:
      return std::make_unique<VertexEntity>();
    default:
      break;
  }
  ShowMessage(FormatMessage(u"Undetermined element code: %d", {int64_t{elementCode}}));
  return nullptr;
}

}  // namespace korvo
