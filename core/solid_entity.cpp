#include "core/solid_entity.h"

#include <algorithm>

#include "core/arc_entity.h"
#include "core/archive.h"
#include "core/circle_entity.h"
#include "core/coordinate_property.h"
#include "core/drawing_settings.h"
#include "core/dxf_group_codes.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "geometry/rect_crossing.h"

namespace korvo {
namespace {

// The DXF group codes of each corner in boundary order: the last two are swapped.
struct CornerCodes {
  int xCode;
  int yCode;
  int corner;
};
constexpr CornerCodes kCornerCodes[4] = {
    {DxfGroup::X1, DxfGroup::Y1, 0},
    {DxfGroup::X2, DxfGroup::Y2, 1},
    {DxfGroup::X3, DxfGroup::Y3, 3},
    {DxfGroup::X4, DxfGroup::Y4, 2},
};

// Edges are made into lines with the properties of a fresh drawing; only their geometry
// matters.
const DrawingSettings& EdgeSettings() {
  static const DrawingSettings settings;
  return settings;
}

}  // namespace

SolidEntity::SolidEntity(std::span<const Point, 4> points, const DrawingSettings& settings)
    : Entity(settings) {
  std::copy(points.begin(), points.end(), corners.begin());
}

SolidEntity::SolidEntity(double x, double y, double width, double height,
                         const DrawingSettings& settings)
    : Entity(settings),
      corners{Point(x, y), Point(x, y + height), Point(x + width, y + height),
              Point(x + width, y)} {}

Entity& SolidEntity::CopyFrom(const Entity& other) {
  if (const SolidEntity* solid = other.AsSolid()) {
    CopyHeaderFrom(other);
    corners = solid->corners;
  }
  return *this;
}

bool SolidEntity::GetExtents(Point& min, Point& max) const {
  min = max = corners[0];
  for (const Point& corner : corners) {
    min.x = std::min(min.x, corner.x);
    min.y = std::min(min.y, corner.y);
    max.x = std::max(max.x, corner.x);
    max.y = std::max(max.y, corner.y);
  }
  return true;
}

bool SolidEntity::IsFilled(double) const {
  return true;
}

void SolidEntity::Translate(const Point& offset) {
  for (Point& corner : corners) corner.Translate(offset);
}

void SolidEntity::Rotate(const Rotation& rotation) {
  if (!rotation.IsRegular()) return;
  for (Point& corner : corners) corner.Rotate(rotation);
}

void SolidEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  for (Point& corner : corners) corner.Scale(scaling);
}

void SolidEntity::ReadBody(ArchiveReader& archive) {
  for (Point& corner : corners) corner = archive.ReadPoint();
}

bool SolidEntity::WriteBody(ArchiveWriter& archive) const {
  for (const Point& corner : corners) archive.WritePoint(corner);
  return true;
}

double SolidEntity::NearestPoint(const Point& p, Point& out, int) const {
  // The closing edge comes first.
  double best = NearestOnSegment(corners[3], corners[0], p, out);
  for (int i = 0; i < 3; ++i) {
    Point candidate;
    const double distance = NearestOnSegment(corners[i], corners[i + 1], p, candidate);
    if (distance < best) best = distance, out = candidate;
  }
  return best;
}

double SolidEntity::NearestKeyPoint(const Point& p, Point& out) const {
  out = corners[0];
  double best = Distance(corners[0], p);
  for (int i = 1; i < 4; ++i) {
    const double distance = Distance(corners[i], p);
    if (distance < best) best = distance, out = corners[i];
  }
  return best;
}

int SolidEntity::IntersectEdgesWith(const Entity& other, PointList& out) const {
  const DrawingSettings& settings = EdgeSettings();
  const LineEntity edges[4] = {
      LineEntity(corners[0], corners[1], settings), LineEntity(corners[1], corners[2], settings),
      LineEntity(corners[2], corners[3], settings), LineEntity(corners[0], corners[3], settings)};
  int count = 0;
  for (const LineEntity& edge : edges) count += other.IntersectWithLine(edge, out);
  return count;
}

int SolidEntity::IntersectWithCircle(const CircleEntity& circle, PointList& out) const {
  return IntersectEdgesWith(circle, out);
}
int SolidEntity::IntersectWithArc(const ArcEntity& arc, PointList& out) const {
  return IntersectEdgesWith(arc, out);
}

int SolidEntity::IntersectWithLine(const LineEntity& line, PointList& out) const {
  return IntersectEdgesWith(line, out);
}

int SolidEntity::IntersectWithPoint(const PointEntity& point, PointList& out) const {
  return IntersectEdgesWith(point, out);
}

int SolidEntity::IntersectWith(const Entity& other, PointList& out) const {
  return IntersectEdgesWith(other, out);
}

bool SolidEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  // The filled area counts, not only its outline: a window inside a solid selects it.
  return FilledPolygonTouchesRect(corners, {x1, y1, x2, y2});
}

bool SolidEntity::GetTypeProperty(int code, PropertyValue& out) const {
  for (const CornerCodes& codes : kCornerCodes) {
    const CoordinatePart part =
        MatchCoordinateCode(code, codes.xCode, codes.yCode, PairOrder::EitherOrder);
    if (part != CoordinatePart::None) return GetCoordinate(corners[codes.corner], part, out);
  }
  return false;
}

bool SolidEntity::SetTypeProperty(int code, const PropertyValue& in) {
  for (const CornerCodes& codes : kCornerCodes) {
    const CoordinatePart part =
        MatchCoordinateCode(code, codes.xCode, codes.yCode, PairOrder::EitherOrder);
    if (part != CoordinatePart::None) return SetCoordinate(corners[codes.corner], part, in);
  }
  return false;
}

}  // namespace korvo
