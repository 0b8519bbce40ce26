#include "core/line_entity.h"

#include <algorithm>

#include "core/arc_entity.h"
#include "core/archive.h"
#include "core/circle_entity.h"
#include "core/coordinate_property.h"
#include "core/dxf_group_codes.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "geometry/rect_crossing.h"

namespace korvo {
namespace {

bool Inside(const Point& p, double x1, double y1, double x2, double y2) {
  return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2;
}

}  // namespace

Entity& LineEntity::CopyFrom(const Entity& other) {
  if (const LineEntity* line = other.AsLine()) {
    CopyHeaderFrom(other);
    start = line->start;
    end = line->end;
  }
  return *this;
}

bool LineEntity::GetExtents(Point& min, Point& max) const {
  min = Point(std::min(start.x, end.x), std::min(start.y, end.y));
  max = Point(std::max(start.x, end.x), std::max(start.y, end.y));
  return true;
}

void LineEntity::Translate(const Point& offset) {
  start.Translate(offset);
  end.Translate(offset);
}

void LineEntity::Rotate(const Rotation& rotation) {
  if (!rotation.IsRegular()) return;
  start.Rotate(rotation);
  end.Rotate(rotation);
}

void LineEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  start.Scale(scaling);
  end.Scale(scaling);
}

void LineEntity::ReadBody(ArchiveReader& archive) {
  start = archive.ReadPoint();
  end = archive.ReadPoint();
}

bool LineEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WritePoint(start);
  archive.WritePoint(end);
  return true;
}

double LineEntity::NearestPoint(const Point& p, Point& out, int) const {
  return NearestOnSegment(start, end, p, out);
}

double LineEntity::NearestKeyPoint(const Point& p, Point& out) const {
  // The start wins only when strictly nearer, and the midpoint only when strictly nearer
  // than both ends.
  const double toStart = Distance(start, p);
  const double toEnd = Distance(end, p);
  double best = toEnd;
  out = end;
  if (toStart < toEnd) best = toStart, out = start;
  const Point middle((start.x + end.x) / 2, (start.y + end.y) / 2);
  const double toMiddle = Distance(middle, p);
  if (toMiddle < best) best = toMiddle, out = middle;
  return best;
}

int LineEntity::IntersectWithCircle(const CircleEntity& circle, PointList& out) const {
  return circle.IntersectWithLine(*this, out);
}
int LineEntity::IntersectWithArc(const ArcEntity& arc, PointList& out) const {
  return arc.IntersectWithLine(*this, out);
}

int LineEntity::IntersectWithLine(const LineEntity& line, PointList& out) const {
  Point min, max, otherMin, otherMax;
  GetExtents(min, max);
  line.GetExtents(otherMin, otherMax);
  if (max.x < otherMin.x || min.x > otherMax.x || max.y < otherMin.y || min.y > otherMax.y)
    return 0;
  Point crossing;
  if (!IntersectSegments(start, end, line.start, line.end, crossing, SegmentMode::Segments))
    return 0;
  out.push_back(crossing);
  return 1;
}

int LineEntity::IntersectWithPoint(const PointEntity& point, PointList& out) const {
  Point min, max;
  GetExtents(min, max);
  const Point& p = point.position;
  if (!Inside(p, min.x, min.y, max.x, max.y)) return 0;
  Point crossing;
  if (!IntersectSegments(start, end, p, p, crossing, SegmentMode::Segments)) return 0;
  out.push_back(crossing);
  return 1;
}

int LineEntity::IntersectWith(const Entity& other, PointList& out) const {
  return other.IntersectWithLine(*this, out);
}

bool LineEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  return SegmentTouchesRect(start, end, {x1, y1, x2, y2});
}

bool LineEntity::GetTypeProperty(int code, PropertyValue& out) const {
  if (CoordinatePart part =
          MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder);
      part != CoordinatePart::None) {
    return GetCoordinate(start, part, out);
  }
  return GetCoordinate(
      end, MatchCoordinateCode(code, DxfGroup::X2, DxfGroup::Y2, PairOrder::EitherOrder), out);
}

bool LineEntity::SetTypeProperty(int code, const PropertyValue& in) {
  if (CoordinatePart part =
          MatchCoordinateCode(code, DxfGroup::X1, DxfGroup::Y1, PairOrder::EitherOrder);
      part != CoordinatePart::None) {
    return SetCoordinate(start, part, in);
  }
  return SetCoordinate(
      end, MatchCoordinateCode(code, DxfGroup::X2, DxfGroup::Y2, PairOrder::EitherOrder), in);
}

}  // namespace korvo
