#include "core/circle_entity.h"

#include <algorithm>
#include <cmath>

#include "core/arc_entity.h"
#include "core/archive.h"
#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "geometry/curve_intersection.h"
#include "geometry/geometry.h"
#include "geometry/rect_crossing.h"

namespace korvo {
namespace {

// The centre by group codes 10 and 20, and the pairs (10,20) and (20,10).
CoordinatePart CenterCode(int code) {
  return MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder);
}

}  // namespace

CircleEntity::CircleEntity(const Point& circleCenter, double circleRadius,
                           const DrawingSettings& settings)
    : Entity(settings), center(circleCenter), radius(circleRadius) {}

CircleEntity::CircleEntity(const Point& p1, const Point& p2, const DrawingSettings& settings,
                           CircleFromTwoPoints mode)
    : Entity(settings) {
  if (mode == CircleFromTwoPoints::Diameter) {
    center = Point((p1.x + p2.x) / 2, (p1.y + p2.y) / 2);
    radius = Distance(p1, p2) / 2;
  } else {
    center = p1;
    radius = Distance(p1, p2);
  }
}

CircleEntity::CircleEntity(const Point& p1, const Point& p2, const Point& p3,
                           const DrawingSettings& settings)
    : Entity(settings) {
  if (CircleThrough3(p1, p2, p3, center)) {
    radius = Distance(p1, center);
  } else {
    visible = 0;
    center = Point(0, 0);
    radius = 0;
  }
}

void CircleEntity::SetFrame(const CurveFrame& frame) {
  center = frame.center;
  radius = frame.radius;
  ratio = frame.ratio;
  rotation = frame.rotation;
}

bool CircleEntity::GetExtents(Point& min, Point& max) const {
  // The major radius bounds the curve whatever its rotation; a ratio above 1 makes the
  // "minor" axis the longer one.
  const double reach = std::fabs(radius) * std::max(1.0, std::fabs(ratio));
  min = Point(center.x - reach, center.y - reach);
  max = Point(center.x + reach, center.y + reach);
  return true;
}

Entity& CircleEntity::CopyFrom(const Entity& other) {
  if (const CircleEntity* circle = other.AsCircle()) {
    CopyHeaderFrom(other);
    SetFrame(circle->Frame());
  }
  return *this;
}

void CircleEntity::Translate(const Point& offset) {
  center += offset;
}

void CircleEntity::Rotate(const Rotation& turn) {
  if (!turn.IsRegular()) return;
  center.Rotate(turn);
  rotation += turn.angle;
}

void CircleEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  if (!scaling.IsUniform()) {
    SetFrame(ScaleCurveNonUniform(Frame(), scaling));
    return;
  }
  const Point axisEnd = scaling.Apply(Frame().PointAt(0));
  center = scaling.Apply(center);
  radius = Distance(center, axisEnd);
  // A negative factor turns the curve half round about its centre.
  if (scaling.sx < 0) rotation += kPi;
}

void CircleEntity::ReadBody(ArchiveReader& archive) {
  center.x = archive.ReadF64();
  center.y = archive.ReadF64();
  radius = archive.ReadF64();
  rotation = archive.ReadF64();
  ratio = archive.ReadF64();
}

bool CircleEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WriteF64(center.x);
  archive.WriteF64(center.y);
  archive.WriteF64(radius);
  archive.WriteF64(rotation);
  archive.WriteF64(ratio);
  return true;
}

double CircleEntity::NearestPoint(const Point& p, Point& out, int) const {
  // Exact for a circle; on an ellipse the point in the same direction of the unit frame.
  const CurveFrame frame = Frame();
  const Point q = frame.ToUnit(p);
  out = frame.PointAt(SafeAtan2(q.y, q.x));
  return Distance(out, p);
}

double CircleEntity::NearestKeyPoint(const Point& p, Point& out) const {
  const CurveFrame frame = Frame();
  const Point q = frame.ToUnit(p);
  const Point candidates[] = {{0, 0}, {radius, 0}, {-radius, 0}, {0, radius}, {0, -radius}};
  Point best = candidates[0];
  double bestDistance = Distance(q, best);
  for (const Point& candidate : candidates) {
    const double d = Distance(q, candidate);
    if (d < bestDistance) {
      best = candidate;
      bestDistance = d;
    }
  }
  out = frame.FromUnit(best);
  return Distance(out, p);
}

int CircleEntity::IntersectWithCircle(const CircleEntity& circle, PointList& out) const {
  return IntersectCurves({Frame()}, {circle.Frame()}, out);
}

int CircleEntity::IntersectWithArc(const ArcEntity& arc, PointList& out) const {
  return IntersectCurves({Frame()}, arc.Operand(), out);
}

int CircleEntity::IntersectWithLine(const LineEntity& line, PointList& out) const {
  return IntersectCurveWithSegment(Frame(), nullptr, line.start, line.end, out);
}

int CircleEntity::IntersectWithPoint(const PointEntity& point, PointList& out) const {
  return IntersectCurveWithSegment(Frame(), nullptr, point.position, point.position, out);
}

int CircleEntity::IntersectWith(const Entity& other, PointList& out) const {
  return other.IntersectWithCircle(*this, out);
}

bool CircleEntity::GetTypeProperty(int code, PropertyValue& out) const {
  if (code == DxfGroup::Radius) return out = radius, true;
  return GetCoordinate(center, CenterCode(code), out);
}

bool CircleEntity::SetTypeProperty(int code, const PropertyValue& in) {
  if (code == DxfGroup::Radius) return GetDouble(in, radius);
  return SetCoordinate(center, CenterCode(code), in);
}

bool CircleEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  return CurveTouchesRect(Frame(), nullptr, {x1, y1, x2, y2});
}

}  // namespace korvo
