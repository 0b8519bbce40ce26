#include "core/wide_arc_segment_entity.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/archive.h"
#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"
#include "geometry/rect_crossing.h"

namespace korvo {
namespace {

void Widen(Point& min, Point& max, const Point& p) {
  min = Point(std::min(min.x, p.x), std::min(min.y, p.y));
  max = Point(std::max(max.x, p.x), std::max(max.y, p.y));
}

void Consider(const Point& candidate, const Point& p, double& best, Point& out) {
  const double distance = Distance(candidate, p);
  if (distance < best) best = distance, out = candidate;
}

}  // namespace

WideArcSegmentEntity::WideArcSegmentEntity(const Point& arcCenter, const Point& from,
                                           const Point& to, double widthAtStart, double widthAtEnd)
    : startWidth(widthAtStart), endWidth(widthAtEnd) {
  SetArc({arcCenter, Distance(from, arcCenter), 1.0, 0.0}, Angle(arcCenter, from),
         Angle(arcCenter, to));
}

double WideArcSegmentEntity::WidthAt(double a) const {
  const double span = endAngle - startAngle;
  if (!(span > 0)) return startWidth;
  return startWidth + (endWidth - startWidth) * (a - startAngle) / span;
}

Point WideArcSegmentEntity::OffsetPointAt(double a, double offset) const {
  // The arc of a segment is circular; an axis rotation (from a file or a rotation) only
  // turns its parameters.
  const double direction = a + rotation;
  const double r = radius + offset;
  return Point(center.x + r * std::cos(direction), center.y + r * std::sin(direction));
}

bool WideArcSegmentEntity::IsFilled(double pixelSize) const {
  return IsWideAtPixelSize(startWidth, pixelSize) || IsWideAtPixelSize(endWidth, pixelSize);
}

bool WideArcSegmentEntity::GetExtents(Point& min, Point& max) const {
  min = max = OffsetPointAt(startAngle, -startWidth / 2);
  Widen(min, max, OffsetPointAt(startAngle, startWidth / 2));
  Widen(min, max, OffsetPointAt(endAngle, -endWidth / 2));
  Widen(min, max, OffsetPointAt(endAngle, endWidth / 2));
  // Every quarter turn of the world direction inside the arc; the first one at or after
  // the start.
  const double first = std::ceil((startAngle + rotation) / kHalfPi) * kHalfPi - rotation;
  for (int quarter = 0; quarter < 5; ++quarter) {
    const double a = first + quarter * kHalfPi;
    if (a > endAngle) break;
    Widen(min, max, OffsetPointAt(a, WidthAt(a) / 2));
  }
  return true;
}

Entity& WideArcSegmentEntity::CopyFrom(const Entity& other) {
  if (const WideArcSegmentEntity* segment = other.AsWideArcSegment()) {
    ArcEntity::CopyFrom(other);
    startWidth = segment->startWidth;
    endWidth = segment->endWidth;
  }
  return *this;
}

void WideArcSegmentEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  if (scaling.IsUniform()) {
    ArcEntity::Scale(scaling);
    startWidth *= std::fabs(scaling.sx);
    endWidth *= std::fabs(scaling.sx);
    return;
  }
  const Point startInner = scaling.Apply(OffsetPointAt(startAngle, -startWidth / 2));
  const Point startOuter = scaling.Apply(OffsetPointAt(startAngle, startWidth / 2));
  const Point endInner = scaling.Apply(OffsetPointAt(endAngle, -endWidth / 2));
  const Point endOuter = scaling.Apply(OffsetPointAt(endAngle, endWidth / 2));
  ArcEntity::Scale(scaling);
  startWidth = Distance(startInner, startOuter);
  endWidth = Distance(endInner, endOuter);
  // A mirror exchanges the arc's ends to keep it counter-clockwise; the widths follow them.
  if (scaling.Mirrors()) std::swap(startWidth, endWidth);
}

void WideArcSegmentEntity::ReadBody(ArchiveReader& archive) {
  archive.ReadPoint();  // kept by old files, never used
  CurveFrame frame;
  frame.center = archive.ReadPoint();
  frame.radius = archive.ReadF64();
  const double start = archive.ReadF64();
  const double end = archive.ReadF64();
  frame.rotation = archive.ReadF64();
  frame.ratio = archive.ReadF64();
  startWidth = archive.ReadF64();
  endWidth = archive.ReadF64();
  SetArc(frame, start, end);
}

// Written as read when a segment stands on its own (see the straight segment).
bool WideArcSegmentEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WritePoint(center);  // the slot old files kept; readers discard it
  archive.WritePoint(center);
  archive.WriteF64(radius);
  archive.WriteF64(startAngle);
  // A segment read with equal angles holds a full turn that is not drawn: write the equal
  // angles again, so that it reads back the same.
  archive.WriteF64(visible ? endAngle : startAngle);
  archive.WriteF64(rotation);
  archive.WriteF64(ratio);
  archive.WriteF64(startWidth);
  archive.WriteF64(endWidth);
  return true;
}

double WideArcSegmentEntity::NearestPoint(const Point& p, Point& out, int mode) const {
  double best = ArcEntity::NearestPoint(p, out, mode);
  if (startWidth == 0 && endWidth == 0) return best;
  // The caps at both ends.
  Point onCap;
  double distance = NearestOnSegment(OffsetPointAt(startAngle, -startWidth / 2),
                                     OffsetPointAt(startAngle, startWidth / 2), p, onCap);
  if (distance < best) best = distance, out = onCap;
  distance = NearestOnSegment(OffsetPointAt(endAngle, -endWidth / 2),
                              OffsetPointAt(endAngle, endWidth / 2), p, onCap);
  if (distance < best) best = distance, out = onCap;
  // The band's edges along the radius through p, when that radius meets the arc.
  // fmod rather than a loop: a rotation read from a file may be far beyond one turn.
  const double turn = std::fmod(Angle(center, p) - rotation - startAngle, kTwoPi);
  const double a = startAngle + (turn < 0 ? turn + kTwoPi : turn);
  if (a <= endAngle) {
    const double half = WidthAt(a) / 2;
    Consider(OffsetPointAt(a, -half), p, best, out);
    Consider(OffsetPointAt(a, half), p, best, out);
  }
  return best;
}

namespace {

// Steps of a band edge whose width varies, which is no circle.
constexpr int kEdgeSteps = 256;

}  // namespace

bool WideArcSegmentEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  if (!IsFilled(0)) return ArcEntity::CrossesRect(x1, y1, x2, y2);
  const WorldRect rect{x1, y1, x2, y2};
  const ParameterRange range = ParameterRange::Of(startAngle, endAngle);
  // A rectangle that meets the band without meeting its outline has its corners in it.
  const auto inBand = [&](const Point& p) {
    const double direction = Angle(center, p) - rotation;
    if (!range.Contains(direction, 0)) return false;
    const double a = startAngle + NormalizeAngle(direction - startAngle);
    return std::fabs(Distance(center, p) - radius) <= WidthAt(a) / 2;
  };
  const Point corners[4] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
  for (const Point& corner : corners)
    if (inBand(corner)) return true;
  // The two caps, then the inner and outer edge.
  if (SegmentTouchesRect(OffsetPointAt(startAngle, -startWidth / 2),
                         OffsetPointAt(startAngle, startWidth / 2), rect) ||
      SegmentTouchesRect(OffsetPointAt(endAngle, -endWidth / 2),
                         OffsetPointAt(endAngle, endWidth / 2), rect))
    return true;
  for (double side : {-0.5, 0.5}) {
    if (startWidth == endWidth) {
      const CurveFrame edge{center, radius + side * startWidth, 1.0, rotation};
      if (CurveTouchesRect(edge, &range, rect)) return true;
      continue;
    }
    // FIXME: an edge of varying width is taken as a chain of short chords, not exactly.
    Point previous = OffsetPointAt(startAngle, side * startWidth);
    for (int i = 1; i <= kEdgeSteps; ++i) {
      const double a = startAngle + (endAngle - startAngle) * i / kEdgeSteps;
      const Point next = OffsetPointAt(a, side * WidthAt(a));
      if (SegmentTouchesRect(previous, next, rect)) return true;
      previous = next;
    }
  }
  return false;
}

}  // namespace korvo
