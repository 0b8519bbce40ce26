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
  const Point corners[4] = {outlineCorners[0], outlineCorners[1], outlineCorners[2],
                            outlineCorners[3]};
  if (rc.lineType == nullptr || rc.lineType->IsContinuous()) {
    FillCorners(rc, corners);
    return;
  }
  // Only the part of the centre line near the device is walked.
  const double margin = std::max(startWidth, endWidth) / 2 + 2 * rc.pixelSize;
  double t0 = 0;
  double t1 = 1;
  if (!ClipSegmentToBox(start, end, rc.origin - Point(margin, margin),
                        rc.upperRight + Point(margin, margin), t0, t1)) {
    return;
  }
  const double length = Distance(start, end);
  const Point direction((end.x - start.x) / length, (end.y - start.y) / length);
  const Point normal(-direction.y, direction.x);
  const double slope = (endWidth - startWidth) / length;
  const auto drawDash = [&](double from, double to) {
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
  };
  if (!WalkDashes(rc.lineType, rc.settings->linetypeScale, length, {t0 * length, t1 * length},
                  drawDash)) {
    FillCorners(rc, corners);
  }
}

}  // namespace korvo
