#include "cli/entity_fields.h"

#include "cli/drawing_dump.h"
#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/insert_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/polyline_entity.h"
#include "core/solid_entity.h"
#include "core/text_entity.h"
#include "core/text_style.h"
#include "core/vertex_entity.h"
#include "core/wide_arc_segment_entity.h"
#include "core/wide_line_segment_entity.h"

namespace korvo {
namespace {

void LineFields(const Entity& entity, JsonWriter& json) {
  const LineEntity& line = *entity.AsLine();
  json.Member("start", line.start);
  json.Member("end", line.end);
}

void PointFields(const Entity& entity, JsonWriter& json) {
  json.Member("position", entity.AsPoint()->position);
}

template <typename Corners>
void CornerMembers(const Corners& corners, JsonWriter& json) {
  json.Key("corners");
  json.BeginArray(JsonWriter::Layout::Inline);
  for (const Point& corner : corners) json.Point(corner);
  json.EndArray();
}

void SolidFields(const Entity& entity, JsonWriter& json) {
  CornerMembers(entity.AsSolid()->corners, json);
}

// Circles and arcs share the curve's fields but not a base class.
template <typename Curve>
void CurveMembers(const Curve& curve, JsonWriter& json) {
  json.Member("center", curve.center);
  json.Member("radius", curve.radius);
  json.Member("ratio", curve.ratio);
  json.Member("rotation", curve.rotation);
}

void CircleFields(const Entity& entity, JsonWriter& json) {
  CurveMembers(*entity.AsCircle(), json);
}

void ArcFields(const Entity& entity, JsonWriter& json) {
  const ArcEntity& arc = *entity.AsArc();
  CurveMembers(arc, json);
  json.Member("startAngle", arc.startAngle);
  json.Member("endAngle", arc.endAngle);
}

void TextFields(const Entity& entity, JsonWriter& json) {
  const TextEntity& text = *entity.AsText();
  json.Key("style");
  if (text.style != nullptr) {
    json.String(text.style->name);
  } else {
    json.Null();
  }
  json.Member("insertionPoint", text.insertionPoint);
  json.Member("height", text.height);
  json.Member("widthFactor", text.widthFactor);
  json.Member("rotation", text.rotation);
  json.Member("obliqueAngle", text.obliqueAngle);
  json.Member("generationFlags", text.generationFlags);
  json.Member("horizontalAlignment", text.horizontalAlignment);
  json.Member("content", text.content);
}

void InsertFields(const Entity& entity, JsonWriter& json) {
  const InsertEntity& insert = *entity.AsInsert();
  json.Member("blockName", insert.blockName);
  json.Member("insertionPoint", insert.insertionPoint);
  json.Member("xScale", insert.xScale);
  json.Member("yScale", insert.yScale);
  json.Member("rotation", insert.rotation);
  // The expanded parts are left out: they are rebuilt from the block, never stored.
  json.Key("attached");
  WriteEntities(json, insert.attached);
}

void VertexMembers(const VertexEntity& vertex, JsonWriter& json) {
  json.Member("position", vertex.position);
  json.Member("startWidth", vertex.startWidth);
  json.Member("endWidth", vertex.endWidth);
  json.Member("bulge", vertex.bulge);
  json.Member("vertexFlags", vertex.vertexFlags);
  json.Member("tangentDirection", vertex.tangentDirection);
}

void PolylineFields(const Entity& entity, JsonWriter& json) {
  const PolylineEntity& polyline = *entity.AsPolyline();
  json.Member("polylineFlags", polyline.polylineFlags);
  json.Member("curveType", polyline.curveType);
  json.Key("vertices");
  json.BeginArray();
  for (const Entity* member : polyline.vertexList) {
    const VertexEntity* vertex = member->AsVertex();
    if (vertex == nullptr) continue;
    json.BeginObject();
    VertexMembers(*vertex, json);
    json.EndObject();
  }
  json.EndArray();
}

// Vertices and segments belong inside polylines, but a file may hold them anywhere.
void VertexFields(const Entity& entity, JsonWriter& json) {
  VertexMembers(*entity.AsVertex(), json);
}

void WideLineSegmentFields(const Entity& entity, JsonWriter& json) {
  const WideLineSegmentEntity& segment = *entity.AsWideLineSegment();
  LineFields(entity, json);
  json.Member("startWidth", segment.startWidth);
  json.Member("endWidth", segment.endWidth);
  CornerMembers(segment.outlineCorners, json);
}

void WideArcSegmentFields(const Entity& entity, JsonWriter& json) {
  const WideArcSegmentEntity& segment = *entity.AsWideArcSegment();
  ArcFields(entity, json);
  json.Member("startWidth", segment.startWidth);
  json.Member("endWidth", segment.endWidth);
}

// One row per kind; a kind that comes later adds its row and its function.
struct KindFields {
  int elementCode;
  void (*write)(const Entity&, JsonWriter&);
};
constexpr KindFields kKinds[] = {
    {ElementCode::Line, LineFields},
    {ElementCode::Point, PointFields},
    {ElementCode::Solid, SolidFields},
    {ElementCode::Trace, SolidFields},
    {ElementCode::Circle, CircleFields},
    {ElementCode::Arc, ArcFields},
    {ElementCode::Ellipse, ArcFields},
    {ElementCode::Text, TextFields},
    {ElementCode::Insert, InsertFields},
    {ElementCode::Polyline, PolylineFields},
    {ElementCode::Vertex, VertexFields},
    {ElementCode::WideLineSegment, WideLineSegmentFields},
    {ElementCode::WideArcSegment, WideArcSegmentFields},
};

}  // namespace

void WriteEntityFields(const Entity& entity, JsonWriter& json) {
  for (const KindFields& kind : kKinds) {
    if (kind.elementCode == entity.GetElementCode()) return kind.write(entity, json);
  }
}

}  // namespace korvo
