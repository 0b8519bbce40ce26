#include <algorithm>
#include <cmath>

#include "core/wide_arc_segment_entity.h"
#include "text/dash_walk.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo {
namespace {

// As for straight bands: beyond this many dashes the arc is drawn whole.
constexpr double kMaxDashes = 1 << 20;

// Puts back the render context's line type: each dash is drawn continuous.
class LineTypeGuard {
 public:
  explicit LineTypeGuard(RenderContext& rc) : rc_(rc), saved_(rc.lineType) {
    rc.lineType = &ContinuousLineType();
  }
  ~LineTypeGuard() { rc_.lineType = saved_; }
  LineTypeGuard(const LineTypeGuard&) = delete;
  LineTypeGuard& operator=(const LineTypeGuard&) = delete;

 private:
  RenderContext& rc_;
  const LineType* saved_;
};

}  // namespace

void WideArcSegmentEntity::DrawShape(RenderContext& rc) {
  if (!(radius > 0) || !std::isfinite(radius)) return;
  // A band wider than the circle would turn inside out: no more than the diameter.
  const double w0 = std::min(startWidth, 2 * radius);
  const double w1 = std::min(endWidth, 2 * radius);
  const double span = endAngle - startAngle;
  if (!(span > 0) || !std::isfinite(span)) return;
  const double slope = (w1 - w0) / span;
  const LineType* type = rc.lineType;
  const double scale = rc.settings->linetypeScale / radius;
  const double period = type ? type->PatternLength() * std::fabs(scale) : 0;
  const bool continuous =
      type == nullptr || type->IsContinuous() || !(period > 0) || span / period > kMaxDashes;
  const bool thin = w0 == 0 && w1 == 0;
  LineTypeGuard continuousPieces(rc);
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
  if (continuous) {
    drawPiece(0, span);
    return;
  }
  DashWalk walk(type->pattern, scale);
  double from = 0;
  double dash = 0;
  // An endless dash ends the walk even along a span longer than it.
  for (walk.BeginWalk(from, dash); from <= span && from < DashWalk::kEndless;
       walk.NextDash(from, dash)) {
    drawPiece(from, std::min(from + dash, span));
  }
}

}  // namespace korvo
