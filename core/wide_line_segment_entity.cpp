#include "core/wide_line_segment_entity.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/archive.h"
#include "geometry/geometry.h"
#include "geometry/rect_crossing.h"

namespace korvo {
namespace {

void Consider(const Point& a, const Point& b, const Point& p, double& best, Point& out) {
  Point candidate;
  const double distance = NearestOnSegment(a, b, p, candidate);
  if (distance < best) best = distance, out = candidate;
}

}  // namespace

bool IsWideAtPixelSize(double width, double pixelSize) {
  if (pixelSize == 0) return width != 0;
  // Truncating to whole pixels: 1.0 at 0.6 per pixel is one pixel, at 0.5 it is two.
  return width / pixelSize >= 2.0;
}

WideLineSegmentEntity::WideLineSegmentEntity(const Point& from, const Point& to,
                                             double widthAtStart, double widthAtEnd)
    : startWidth(widthAtStart), endWidth(widthAtEnd) {
  start = from;
  end = to;
  SquareStart();
  SquareEnd();
}

Point WideLineSegmentEntity::LeftNormal() const {
  const Point d = end - start;
  const double length = Length(d);
  // A segment of no length has direction 0, as Angle gives it, so its normal points up.
  if (!(length > 0) || !std::isfinite(length)) {
    const double direction = Angle(start, end) + kHalfPi;
    return Point(std::cos(direction), std::sin(direction));
  }
  return Perpendicular(UnitVector(d));
}

void WideLineSegmentEntity::SquareStart() {
  const Point offset = LeftNormal() * (startWidth / 2);
  outlineCorners[Corner::StartLeft] = start + offset;
  outlineCorners[Corner::StartRight] = start - offset;
}

void WideLineSegmentEntity::SquareEnd() {
  const Point offset = LeftNormal() * (endWidth / 2);
  outlineCorners[Corner::EndLeft] = end + offset;
  outlineCorners[Corner::EndRight] = end - offset;
}

void WideLineSegmentEntity::Reverse() {
  std::swap(start, end);
  std::swap(startWidth, endWidth);
  // Walking the other way the old end-right corner is the new start-left one.
  std::swap(outlineCorners[Corner::StartLeft], outlineCorners[Corner::EndRight]);
  std::swap(outlineCorners[Corner::StartRight], outlineCorners[Corner::EndLeft]);
}

bool WideLineSegmentEntity::IsFilled(double pixelSize) const {
  return IsWideAtPixelSize(startWidth, pixelSize) || IsWideAtPixelSize(endWidth, pixelSize);
}

bool WideLineSegmentEntity::GetExtents(Point& min, Point& max) const {
  if (!IsFilled(0)) return LineEntity::GetExtents(min, max);
  min = max = outlineCorners[0];
  for (const Point& corner : outlineCorners) {
    min = Point(std::min(min.x, corner.x), std::min(min.y, corner.y));
    max = Point(std::max(max.x, corner.x), std::max(max.y, corner.y));
  }
  return true;
}

Entity& WideLineSegmentEntity::CopyFrom(const Entity& other) {
  if (const WideLineSegmentEntity* segment = other.AsWideLineSegment()) {
    LineEntity::CopyFrom(other);
    startWidth = segment->startWidth;
    endWidth = segment->endWidth;
    outlineCorners = segment->outlineCorners;
  }
  return *this;
}

void WideLineSegmentEntity::Translate(const Point& offset) {
  LineEntity::Translate(offset);
  for (Point& corner : outlineCorners) corner.Translate(offset);
}

void WideLineSegmentEntity::Rotate(const Rotation& rotation) {
  if (!rotation.IsRegular()) return;
  LineEntity::Rotate(rotation);
  for (Point& corner : outlineCorners) corner.Rotate(rotation);
}

void WideLineSegmentEntity::Scale(const Scaling& scaling) {
  if (!scaling.IsRegular()) return;
  LineEntity::Scale(scaling);
  // A width is a size: a mirroring factor must not make it negative.
  startWidth *= std::fabs(scaling.sx);
  endWidth *= std::fabs(scaling.sx);
  for (Point& corner : outlineCorners) corner.Scale(scaling);
}

void WideLineSegmentEntity::ReadBody(ArchiveReader& archive) {
  LineEntity::ReadBody(archive);
  startWidth = archive.ReadF64();
  endWidth = archive.ReadF64();
  for (Point& corner : outlineCorners) corner = archive.ReadPoint();
}

// A polyline writes its vertices, never its segments; a segment on its own (from an old
// file, or left by a command) is written as read, so the drawing can still be saved.
bool WideLineSegmentEntity::WriteBody(ArchiveWriter& archive) const {
  LineEntity::WriteBody(archive);
  archive.WriteF64(startWidth);
  archive.WriteF64(endWidth);
  for (const Point& corner : outlineCorners) archive.WritePoint(corner);
  return true;
}

double WideLineSegmentEntity::NearestPoint(const Point& p, Point& out, int mode) const {
  double best = LineEntity::NearestPoint(p, out, mode);
  if (startWidth == 0 && endWidth == 0) return best;
  const auto& c = outlineCorners;
  if (startWidth != 0) Consider(c[Corner::StartLeft], c[Corner::StartRight], p, best, out);
  if (endWidth != 0) Consider(c[Corner::EndRight], c[Corner::EndLeft], p, best, out);
  Consider(c[Corner::StartLeft], c[Corner::EndLeft], p, best, out);
  Consider(c[Corner::StartRight], c[Corner::EndRight], p, best, out);
  return best;
}

bool WideLineSegmentEntity::CrossesRect(double x1, double y1, double x2, double y2) const {
  if (!IsFilled(0)) return LineEntity::CrossesRect(x1, y1, x2, y2);
  // The band is drawn filled from its outline.
  return FilledPolygonTouchesRect(outlineCorners, {x1, y1, x2, y2});
}

}  // namespace korvo
