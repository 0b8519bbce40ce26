#include "core/arc_entity.h"

#include <cmath>
#include <utility>

#include "core/archive.h"
#include "core/circle_entity.h"
#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "core/line_entity.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "geometry/rect_crossing.h"

namespace korvo {
namespace {

// Angles this near 0 are 0; −0 becomes +0, so that an arc has one stored form.
double SnapToZero(double angle) {
  return AreNear(angle, 0) ? 0.0 : angle + 0.0;
}

// The centre by group codes 10 and 20, and the pairs (10,20) and (20,10).
CoordinatePart CenterCode(int code) {
  return MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder);
}

}  // namespace

ArcEntity::ArcEntity(const DrawingSettings& settings, const Point& arcCenter, double arcRadius,
                     double start, double end)
    : Entity(settings) {
  SetArc({arcCenter, arcRadius, 1.0, 0.0}, start, end);
}

ArcEntity::ArcEntity(const DrawingSettings& settings, const Point& arcCenter, double arcRadius,
                     double arcRatio, double arcRotation, double start, double end)
    : Entity(settings) {
  SetArc({arcCenter, arcRadius, arcRatio, arcRotation}, start, end);
}

ArcEntity::ArcEntity(const DrawingSettings& settings, const Point& p1, const Point& p2,
                     const Point& p3, ArcFromThreePoints mode)
    : Entity(settings) {
  Point arcCenter;
  Point start;
  Point end;
  if (!ArcFromPoints(p1, p2, p3, mode, arcCenter, start, end)) {
    SetArc({Point(0, 0), 0.0, 1.0, 0.0}, 0, 0);
    visible = 0;
    return;
  }
  SetArc({arcCenter, Distance(start, arcCenter), 1.0, 0.0}, Angle(arcCenter, start),
         Angle(arcCenter, end));
}

void ArcEntity::SetFrame(const CurveFrame& frame) {
  center = frame.center;
  radius = frame.radius;
  ratio = frame.ratio;
  rotation = frame.rotation;
}

void ArcEntity::SetArc(const CurveFrame& frame, double start, double end) {
  SetFrame(frame);
  startAngle = start;
  endAngle = end;
  // Equal angles are taken as they were given: normalising turns them into a full curve,
  // which is kept but not drawn.
  visible = startAngle != endAngle;
  NormalizeArc();
}

void ArcEntity::NormalizeArc() {
  if (GetElementCode() == ElementCode::Arc && ratio == 1.0) {
    startAngle += rotation;
    endAngle += rotation;
    rotation = 0;
  }
  // Normalising a normalised arc must change nothing, or a drawing would not come back
  // unchanged from saving and reopening. A full turn is therefore kept as its start and one
  // turn from it: reducing both ends separately could leave them a rounding step apart, and
  // the full curve would reopen as a sliver.
  if (IsFullTurn(startAngle, endAngle)) {
    startAngle = std::fmod(SnapToZero(startAngle), kTwoPi);
    if (startAngle > kPi) startAngle -= kTwoPi;
    startAngle = SnapToZero(startAngle);
    endAngle = startAngle + kTwoPi;
    return;
  }
  startAngle = SnapToZero(startAngle);
  endAngle = SnapToZero(endAngle);
  NormalizeAngles(startAngle, endAngle);
  // Reducing can bring an angle near 0 again.
  startAngle = SnapToZero(startAngle);
  endAngle = SnapToZero(endAngle);
  // A zero-length arc becomes the full curve, and so does one that is a turn up to rounding
  // or that snapping its start left a little over a turn.
  if (endAngle == startAngle || endAngle - startAngle > kTwoPi || IsFullTurn(startAngle, endAngle))
    endAngle = startAngle + kTwoPi;
}

bool ArcEntity::GetExtents(Point& min, Point& max) const {
  ArcBox(Frame(), startAngle, endAngle, min, max);
  return true;
}

Entity& ArcEntity::CopyFrom(const Entity& other) {
  if (const ArcEntity* arc = other.AsArc()) {
    CopyHeaderFrom(other);
    SetFrame(arc->Frame());
    startAngle = arc->startAngle;
    endAngle = arc->endAngle;
    // Another arc-shaped kind may keep a rotation that this kind folds into its angles.
    if (other.GetElementCode() != GetElementCode()) NormalizeArc();
  }
  return *this;
}

void ArcEntity::Translate(const Point& offset) {
  center += offset;
}

void ArcEntity::Rotate(const Rotation& turn) {
  if (!turn.IsRegular()) return;
  center.Rotate(turn);
  rotation += turn.angle;
  NormalizeArc();
}

void ArcEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  if (scaling.IsUniform()) {
    const Point axisEnd = scaling.Apply(Frame().PointAt(0));
    center = scaling.Apply(center);
    radius = Distance(center, axisEnd);
    // A negative factor turns the arc half round about its centre.
    if (scaling.sx < 0) {
      rotation += kPi;
      NormalizeArc();
    }
    return;
  }
  const CurveFrame old = Frame();
  const bool fullTurn = IsFullTurn(startAngle, endAngle);
  const Point start = scaling.Apply(old.PointAt(startAngle));
  const Point end = scaling.Apply(old.PointAt(endAngle));
  SetFrame(ScaleCurveNonUniform(old, scaling));
  const CurveFrame now = Frame();
  startAngle = Angle(Point(), now.ToUnit(start));
  endAngle = Angle(Point(), now.ToUnit(end));
  // A mirror reverses the direction of travel: exchange the ends so that the arc still
  // runs counter-clockwise over the same points.
  if (scaling.Mirrors()) std::swap(startAngle, endAngle);
  // The two ends of a full turn are one point; its images can come out a rounding step
  // apart in either order, which would leave a sliver.
  if (fullTurn) endAngle = startAngle + kTwoPi;
  NormalizeArc();
}

void ArcEntity::ReadBody(ArchiveReader& archive) {
  CurveFrame frame;
  frame.center.x = archive.ReadF64();
  frame.center.y = archive.ReadF64();
  frame.radius = archive.ReadF64();
  const double start = archive.ReadF64();
  const double end = archive.ReadF64();
  frame.rotation = archive.ReadF64();
  frame.ratio = archive.ReadF64();
  SetArc(frame, start, end);
}

bool ArcEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WriteF64(center.x);
  archive.WriteF64(center.y);
  archive.WriteF64(radius);
  archive.WriteF64(startAngle);
  archive.WriteF64(endAngle);
  archive.WriteF64(rotation);
  archive.WriteF64(ratio);
  return true;
}

double ArcEntity::NearestPoint(const Point& p, Point& out, int) const {
  const CurveFrame frame = Frame();
  const Point q = frame.ToUnit(p);
  double a = Angle(Point(), q);
  if (startAngle < -kPi) a -= kTwoPi;
  double d = a - startAngle;
  if (d < 0) d += kTwoPi;
  Point unit;
  if (d <= endAngle - startAngle) {
    unit = Point(radius * std::cos(a), radius * std::sin(a));
  } else {
    const Point start(radius * std::cos(startAngle), radius * std::sin(startAngle));
    const Point end(radius * std::cos(endAngle), radius * std::sin(endAngle));
    unit = Distance(q, start) < Distance(q, end) ? start : end;
  }
  out = frame.FromUnit(unit);
  return Distance(out, p);
}

double ArcEntity::NearestKeyPoint(const Point& p, Point& out) const {
  const Point candidates[] = {StartPoint(), EndPoint(),
                              Frame().PointAt((startAngle + endAngle) / 2), center};
  out = candidates[0];
  double best = Distance(p, out);
  for (const Point& candidate : candidates) {
    const double d = Distance(p, candidate);
    if (d < best) {
      out = candidate;
      best = d;
    }
  }
  return best;
}

int ArcEntity::IntersectWithCircle(const CircleEntity& circle, PointList& out) const {
  return IntersectCurves(Operand(), {circle.Frame()}, out);
}

int ArcEntity::IntersectWithArc(const ArcEntity& arc, PointList& out) const {
  return IntersectCurves(Operand(), arc.Operand(), out);
}

int ArcEntity::IntersectWithLine(const LineEntity& line, PointList& out) const {
  const ParameterRange range = ParameterRange::Of(startAngle, endAngle);
  return IntersectCurveWithSegment(Frame(), &range, line.start, line.end, out);
}

int ArcEntity::IntersectWithPoint(const PointEntity& point, PointList& out) const {
  const ParameterRange range = ParameterRange::Of(startAngle, endAngle);
  return IntersectCurveWithSegment(Frame(), &range, point.position, point.position, out);
}

int ArcEntity::IntersectWith(const Entity& other, PointList& out) const {
  return other.IntersectWithArc(*this, out);
}

bool ArcEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  const ParameterRange range = ParameterRange::Of(startAngle, endAngle);
  return CurveTouchesRect(Frame(), &range, {x1, y1, x2, y2});
}

bool ArcEntity::GetTypeProperty(int code, PropertyValue& out) const {
  switch (code) {
    case DxfGroup::Radius:
      return out = radius, true;
    case DxfGroup::StartAngle:
      return out = startAngle, true;
    case DxfGroup::EndAngle:
      return out = endAngle, true;
    default:
      return GetCoordinate(center, CenterCode(code), out);
  }
}

bool ArcEntity::SetTypeProperty(int code, const PropertyValue& in) {
  switch (code) {
    case DxfGroup::Radius:
      return GetDouble(in, radius);
    case DxfGroup::StartAngle:
      if (!GetDouble(in, startAngle)) return false;
      NormalizeArc();
      return true;
    case DxfGroup::EndAngle:
      if (!GetDouble(in, endAngle)) return false;
      NormalizeArc();
      return true;
    default:
      return SetCoordinate(center, CenterCode(code), in);
  }
}

}  // namespace korvo
