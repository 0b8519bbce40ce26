#include "cli/entity_fields.h"

#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "core/solid_entity.h"

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

void SolidFields(const Entity& entity, JsonWriter& json) {
  json.Key("corners");
  json.BeginArray(JsonWriter::Layout::Inline);
  for (const Point& corner : entity.AsSolid()->corners) json.Point(corner);
  json.EndArray();
}

void CircleFields(const Entity& entity, JsonWriter& json) {
  const CircleEntity& circle = *entity.AsCircle();
  json.Member("center", circle.center);
  json.Member("radius", circle.radius);
  json.Member("ratio", circle.ratio);
  json.Member("rotation", circle.rotation);
}

void ArcFields(const Entity& entity, JsonWriter& json) {
  const ArcEntity& arc = *entity.AsArc();
  json.Member("center", arc.center);
  json.Member("radius", arc.radius);
  json.Member("ratio", arc.ratio);
  json.Member("rotation", arc.rotation);
  json.Member("startAngle", arc.startAngle);
  json.Member("endAngle", arc.endAngle);
}

// One row per kind; a kind that comes later adds its row and its function.
struct KindFields {
  int elementCode;
  void (*write)(const Entity&, JsonWriter&);
};
constexpr KindFields kKinds[] = {
    {ElementCode::Line, LineFields},     {ElementCode::Point, PointFields},
    {ElementCode::Solid, SolidFields},   {ElementCode::Trace, SolidFields},
    {ElementCode::Circle, CircleFields}, {ElementCode::Arc, ArcFields},
    {ElementCode::Ellipse, ArcFields},
};

}  // namespace

void WriteEntityFields(const Entity& entity, JsonWriter& json) {
  for (const KindFields& kind : kKinds) {
    if (kind.elementCode == entity.GetElementCode()) return kind.write(entity, json);
  }
}

}  // namespace korvo
