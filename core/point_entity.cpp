#include "core/point_entity.h"

#include <cmath>

#include "core/arc_entity.h"
#include "core/archive.h"
#include "core/circle_entity.h"
#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "core/line_entity.h"
#include "core/point_display.h"
#include "geometry/geometry.h"

namespace korvo {
namespace {

void Widen(Point& min, Point& max, double by) {
  min -= Point(by, by);
  max += Point(by, by);
}

// Keeps the nearer of the current answer and the nearest point of segment a-b; the current
// answer stays on a tie.
void ConsiderSegment(const Point& a, const Point& b, const Point& p, double& best, Point& out) {
  Point candidate;
  const double distance = NearestOnSegment(a, b, p, candidate);
  if (distance < best) best = distance, out = candidate;
}

}  // namespace

Entity& PointEntity::CopyFrom(const Entity& other) {
  if (const PointEntity* point = other.AsPoint()) {
    CopyHeaderFrom(other);
    position = point->position;
  }
  return *this;
}

bool PointEntity::GetExtents(Point& min, Point& max) const {
  const PointDisplay& display = CurrentPointDisplay();
  const double g = display.halfSize;
  // A negative size from a file draws the same strokes mirrored; the box stays ordered.
  const double size = std::fabs(g);
  min = max = position;
  switch (display.mode & PointSymbol::SymbolMask) {
    case PointSymbol::Plus:
      Widen(min, max, 2 * size);
      return true;
    case PointSymbol::Cross:
      Widen(min, max, kSqrt2 * size);
      return true;
    case PointSymbol::Tick:
      (g >= 0 ? max.y : min.y) = position.y + g;
      break;
    default:
      break;
  }
  if ((display.mode & (PointSymbol::Circle | PointSymbol::Square)) != 0) Widen(min, max, size);
  return true;
}

void PointEntity::Translate(const Point& offset) {
  position.Translate(offset);
}
void PointEntity::Rotate(const Rotation& rotation) {
  if (!rotation.IsRegular()) return;
  position.Rotate(rotation);
}
void PointEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  position.Scale(scaling);
}

void PointEntity::ReadBody(ArchiveReader& archive) {
  position = archive.ReadPoint();
}

bool PointEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WritePoint(position);
  return true;
}

double PointEntity::NearestPoint(const Point& p, Point& out, int) const {
  out = position;
  double best = Distance(position, p);
  const PointDisplay& display = CurrentPointDisplay();
  const double g = display.halfSize;
  if (display.mode == 0 || g == 0) return best;
  const double x = position.x;
  const double y = position.y;
  switch (display.mode & PointSymbol::SymbolMask) {
    case PointSymbol::Plus:
      ConsiderSegment({x - 2 * g, y}, {x + 2 * g, y}, p, best, out);
      ConsiderSegment({x, y - 2 * g}, {x, y + 2 * g}, p, best, out);
      break;
    case PointSymbol::Cross: {
      const double r = kSqrt2 * g;
      ConsiderSegment({x - r, y - r}, {x + r, y + r}, p, best, out);
      ConsiderSegment({x - r, y + r}, {x + r, y - r}, p, best, out);
      break;
    }
    case PointSymbol::Tick:
      ConsiderSegment(position, {x, y + g}, p, best, out);
      break;
    default:
      break;
  }
  if ((display.mode & PointSymbol::Circle) != 0) {
    const double radius = std::fabs(g);
    const double direction = Angle(position, p);
    const Point onCircle(x + radius * std::cos(direction), y + radius * std::sin(direction));
    const double distance = Distance(onCircle, p);
    if (distance < best) best = distance, out = onCircle;
  }
  if ((display.mode & PointSymbol::Square) != 0) {
    const Point corners[4] = {{x - g, y - g}, {x + g, y - g}, {x + g, y + g}, {x - g, y + g}};
    for (int i = 0; i < 4; ++i) ConsiderSegment(corners[i], corners[(i + 1) % 4], p, best, out);
  }
  return best;
}

double PointEntity::NearestKeyPoint(const Point& p, Point& out) const {
  out = position;
  return Distance(position, p);
}

int PointEntity::IntersectWithCircle(const CircleEntity& circle, PointList& out) const {
  return circle.IntersectWithPoint(*this, out);
}
int PointEntity::IntersectWithArc(const ArcEntity& arc, PointList& out) const {
  return arc.IntersectWithPoint(*this, out);
}

int PointEntity::IntersectWithLine(const LineEntity& line, PointList& out) const {
  return line.IntersectWithPoint(*this, out);
}

int PointEntity::IntersectWithPoint(const PointEntity& point, PointList& out) const {
  if (point.position != position) return 0;
  out.push_back(position);
  return 1;
}

int PointEntity::IntersectWith(const Entity& other, PointList& out) const {
  return other.IntersectWithPoint(*this, out);
}

bool PointEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  Point min, max;
  GetExtents(min, max);
  return min.x <= x2 && max.x >= x1 && min.y <= y2 && max.y >= y1;
}

bool PointEntity::GetTypeProperty(int code, PropertyValue& out) const {
  return GetCoordinate(
      position, MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::XCodeFirst), out);
}

bool PointEntity::SetTypeProperty(int code, const PropertyValue& in) {
  return SetCoordinate(
      position, MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::XCodeFirst), in);
}

}  // namespace korvo
