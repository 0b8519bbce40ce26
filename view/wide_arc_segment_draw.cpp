#include <algorithm>
#include <cmath>

#include "core/wide_arc_segment_entity.h"
#include "platform/scoped_change.h"
#include "text/dash_walk.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {

void WideArcSegmentEntity::DrawShape(RenderContext& rc) {
  if (!(radius > 0) || !std::isfinite(radius)) return;
  // A band wider than the circle would turn inside out: no more than the diameter.
  const double w0 = std::min(startWidth, 2 * radius);
  const double w1 = std::min(endWidth, 2 * radius);
  const double span = endAngle - startAngle;
  if (!(span > 0) || !std::isfinite(span)) return;
  const double slope = (w1 - w0) / span;
  const bool thin = w0 == 0 && w1 == 0;
  // Each dash is drawn continuous.
  const ScopedChange continuousPieces(rc.lineType, &ContinuousLineType());
  const auto drawPiece = [&](double a, double b) {
    const double from = startAngle + a;
    const double to = startAngle + b;
    if (thin) {
      rc.DrawArc(center, radius, from + rotation, to + rotation);
    } else {
      rc.DrawWideArc(center, radius, from + rotation, to + rotation, w0 + slope * a,
                     w0 + slope * b);
    }
  };
  if (!WalkDashes(continuousPieces.saved(), rc.settings->linetypeScale / radius, span, {0, span},
                  drawPiece)) {
    drawPiece(0, span);
  }
}

}  // namespace korvo
