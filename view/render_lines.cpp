#include <algorithm>
#include <cmath>

#include "geometry/geometry.h"
#include "text/dash_walk.h"
#include "text/line_type.h"
#include "view/render_context.h"
#include "view/segment_clip.h"

namespace korvo {
namespace {

// Screen segments are cut to this box (pixel offsets from the origin) before rounding, so
// that a line reaching far outside keeps its direction on the device.
constexpr double kClipLimit = 134217728.0;  // 2^27

}  // namespace

Point RenderContext::ToScreenExact(const Point& world) const {
  return Point((world.x - origin.x) / pixelSize, (world.y - origin.y) / pixelSize);
}

void RenderContext::DrawScreenSegment(Point a, Point b) {
  const bool far = !(std::fabs(a.x) < kClipLimit && std::fabs(a.y) < kClipLimit &&
                     std::fabs(b.x) < kClipLimit && std::fabs(b.y) < kClipLimit);
  if (far && !ClipSegmentEnds(a, b, Point(-kClipLimit, -kClipLimit), Point(kClipLimit, kClipLimit)))
    return;
  DrawScreenLine(RoundToPixel(a.x) + screenRect.left, screenRect.bottom - RoundToPixel(a.y),
                 RoundToPixel(b.x) + screenRect.left, screenRect.bottom - RoundToPixel(b.y));
}

void RenderContext::DrawWideSegment(Point a, Point b, const Point& worldDirection) {
  const double half = penWidthPixels / 2.0;
  if (!ClipSegmentEnds(a, b, Point(-kClipLimit, -kClipLimit), Point(kClipLimit, kClipLimit)))
    return;
  Point direction = b - a;
  double length = std::hypot(direction.x, direction.y);
  if (!(length > 0)) {
    // Both ends on one spot: take the direction of the whole line so that the dash shows
    // as a square of the pen's width.
    direction = worldDirection;
    length = std::hypot(direction.x, direction.y);
    if (!(length > 0)) direction = Point(1, 0), length = 1;
  }
  const Point normal(-direction.y / length * half, direction.x / length * half);
  const Point corners[4] = {a + normal, b + normal, b - normal, a - normal};
  ScreenPoint screen[4];
  for (int i = 0; i < 4; ++i)
    screen[i] = {RoundToPixel(corners[i].x) + screenRect.left,
                 screenRect.bottom - RoundToPixel(corners[i].y)};
  dc->Polygon(screen);
}

void RenderContext::DrawLine(const Point& p1, const Point& p2) {
  const Point a = ToScreenExact(p1), b = ToScreenExact(p2);
  const double length = Distance(p1, p2);
  const Point direction =
      length > 0 ? Point((p2.x - p1.x) / length, (p2.y - p1.y) / length) : Point(0, 0);
  const auto drawPiece = [&](Point from, Point to) {
    if (penWidthPixels >= 2)
      DrawWideSegment(from, to, direction);
    else
      DrawScreenSegment(from, to);
  };
  if (lineType == nullptr || lineType->IsContinuous()) {
    drawPiece(a, b);
    return;
  }
  // Only the part near the device is walked.
  const double margin = penWidthPixels + 2.0;
  const double w = screenRect.right - screenRect.left, h = screenRect.bottom - screenRect.top;
  double t0 = 0, t1 = 1;
  if (!ClipSegmentToBox(a, b, Point(-margin, -margin), Point(w + margin, h + margin), t0, t1))
    return;
  const auto drawDash = [&](double from, double to) {
    drawPiece(ToScreenExact(p1 + direction * from), ToScreenExact(p1 + direction * to));
  };
  if (!WalkDashes(lineType, settings->linetypeScale, length, {t0 * length, t1 * length}, drawDash))
    drawPiece(a, b);
}

}  // namespace korvo
