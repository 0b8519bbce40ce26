#include "commands/polyline_segment.h"

#include <vector>

#include "core/polyline_entity.h"
#include "core/vertex_entity.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

std::vector<VertexEntity*> Vertices(const PolylineEntity& polyline) {
  std::vector<VertexEntity*> vertices;
  for (Entity* entity : polyline.vertexList)
    if (VertexEntity* vertex = entity->AsVertex()) vertices.push_back(vertex);
  return vertices;
}

double DistanceToSegment(const Point& p, const Point& a, const Point& b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return Distance(p, Point(a.x + t * dx, a.y + t * dy));
}

}  // namespace

int VertexCount(const PolylineEntity& polyline) {
  return static_cast<int>(Vertices(polyline).size());
}

int SegmentEndVertex(const PolylineEntity& polyline, const PolylineSegment& segment) {
  const int vertices = VertexCount(polyline);
  return vertices > 0 ? (segment.index + 1) % vertices : 0;
}

int SegmentCount(const PolylineEntity& polyline) {
  const int vertices = static_cast<int>(Vertices(polyline).size());
  if (vertices < 2) return 0;
  return polyline.IsClosed() ? vertices : vertices - 1;
}

std::optional<PolylineSegment> NearestStraightSegment(const PolylineEntity& polyline,
                                                      const Point& p) {
  if ((polyline.polylineFlags & PolylineFlag::SplineFit) != 0 ||
      polyline.curveType != PolylineCurve::None)
    return std::nullopt;
  const std::vector<VertexEntity*> vertices = Vertices(polyline);
  const int count = SegmentCount(polyline);
  std::optional<PolylineSegment> nearest;
  double best = 0;
  for (int i = 0; i < count; ++i) {
    const VertexEntity& from = *vertices[static_cast<std::size_t>(i)];
    const VertexEntity& to = *vertices[static_cast<std::size_t>((i + 1) % vertices.size())];
    if (from.bulge != 0 || from.position == to.position) continue;
    const double d = DistanceToSegment(p, from.position, to.position);
    if (!nearest || d < best) {
      nearest = PolylineSegment{i, from.position, to.position};
      best = d;
    }
  }
  return nearest;
}

void MoveVertex(PolylineEntity& polyline, int index, const Point& at) {
  const std::vector<VertexEntity*> vertices = Vertices(polyline);
  if (index < 0 || static_cast<std::size_t>(index) >= vertices.size()) return;
  vertices[static_cast<std::size_t>(index)]->position = at;
  polyline.RebuildSegments();
}

void SplitVertex(PolylineEntity& polyline, int index, const Point& first, const Point& second) {
  const std::vector<VertexEntity*> vertices = Vertices(polyline);
  if (index < 0 || static_cast<std::size_t>(index) >= vertices.size()) return;
  VertexEntity* vertex = vertices[static_cast<std::size_t>(index)];
  Entity* copy = EntityList::Clone(*vertex);
  if (copy == nullptr || copy->AsVertex() == nullptr) {
    delete copy;
    return;
  }
  VertexEntity* added = copy->AsVertex();
  added->position = second;
  added->owner = &polyline;
  vertex->position = first;
  vertex->bulge = 0;  // the chamfer segment is straight
  const ListPosition at = polyline.vertexList.Find(vertex);
  polyline.vertexList.InsertBefore(polyline.vertexList.Next(at), added);
  polyline.RebuildSegments();
}

}  // namespace korvo
