#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/wide_line_segment_entity.h"
#include "geometry/geometry.h"
#include "geometry/polygon_area.h"
#include "text/dash_walk.h"
#include "text/line_type.h"
#include "view/render_context.h"
#include "view/segment_clip.h"

namespace korvo {
namespace {

// More dashes than this along one segment cannot be told apart on any device: the band is
// then filled whole rather than the walk kept busy.
constexpr double kMaxDashes = 1 << 20;

// The length one round of the pattern advances a walk: complete dash/gap pairs only.
double WalkPeriod(const std::vector<double>& pattern) {
  double period = 0;
  for (std::size_t i = 0; i + 1 < pattern.size(); i += 2) {
    period += std::fabs(pattern[i]) + std::fabs(pattern[i + 1]);
  }
  return period;
}

void FillCorners(RenderContext& rc, const Point (&corners)[4]) {
  std::array<ScreenPoint, 4> screen;
  for (int i = 0; i < 4; ++i) screen[i] = rc.WorldToScreen(corners[i]);
  rc.dc->Polygon(screen);
}

}  // namespace

void WideLineSegmentEntity::DrawShape(RenderContext& rc) {
  // Narrower than two pixels the band is a line, dashed as a line is.
  if (!IsFilled(rc.pixelSize)) {
    rc.DrawLine(start, end);
    return;
  }
  const double length = Distance(start, end);
  const double scale = rc.settings->linetypeScale;
  const LineType* type = rc.lineType;
  const double period = type ? WalkPeriod(type->pattern) * std::fabs(scale) : 0;
  const Point corners[4] = {outlineCorners[0], outlineCorners[1], outlineCorners[2],
                            outlineCorners[3]};
  if (type == nullptr || type->IsContinuous() || !(period > 0) || !std::isfinite(length)) {
    FillCorners(rc, corners);
    return;
  }
  // Only the part of the centre line near the device is walked, from the last whole round
  // of the pattern before it, so the dashes fall where a walk from the start puts them.
  const double margin = std::max(startWidth, endWidth) / 2 + 2 * rc.pixelSize;
  double t0 = 0;
  double t1 = 1;
  if (!ClipSegmentToBox(start, end, rc.origin - Point(margin, margin),
                        rc.upperRight + Point(margin, margin), t0, t1)) {
    return;
  }
  const double visibleFrom = t0 * length;
  const double visibleTo = t1 * length;
  if ((visibleTo - visibleFrom) / period > kMaxDashes) {
    FillCorners(rc, corners);
    return;
  }
  const Point direction((end.x - start.x) / length, (end.y - start.y) / length);
  const Point normal(-direction.y, direction.x);
  const double slope = (endWidth - startWidth) / length;
  const double offset = std::floor(visibleFrom / period) * period;
  // The period above is measured with the scale's size; the walk must advance the same way.
  DashWalk walk(type->pattern, std::fabs(scale));
  double step = 0;
  double dash = 0;
  // Far from the origin a step can vanish against the offset; the count still ends the walk.
  double dashes = 0;
  for (walk.BeginWalk(step, dash); step + offset <= visibleTo && dashes <= kMaxDashes;
       walk.NextDash(step, dash), ++dashes) {
    const double from = step + offset;
    const double to = std::min(from + dash, length);
    if (to < visibleFrom) continue;
    const Point a = start + direction * from;
    const Point b = start + direction * to;
    const Point na = normal * ((startWidth + slope * from) / 2);
    const Point nb = normal * ((startWidth + slope * to) / 2);
    std::array<ScreenPoint, 4> screen = {rc.WorldToScreen(a + na), rc.WorldToScreen(a - na),
                                         rc.WorldToScreen(b - nb), rc.WorldToScreen(b + nb)};
    if (TwiceSignedArea(screen) == 0) {
      // Thinner than the pen: the dash's centre line.
      const ScreenPoint sa = rc.WorldToScreen(a);
      const ScreenPoint sb = rc.WorldToScreen(b);
      rc.DrawScreenLine(sa.x, sa.y, sb.x, sb.y);
    } else {
      rc.dc->Polygon(screen);
    }
  }
}

}  // namespace korvo
