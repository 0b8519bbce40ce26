#include "core/point_display.h"
#include "core/point_entity.h"
#include "geometry/geometry.h"
#include "text/line_type.h"
#include "view/render_context.h"
#include "view/render_state_guard.h"

namespace korvo {

void PointEntity::DrawShape(RenderContext& rc) {
  const PointDisplay& display = CurrentPointDisplay();
  const double g = display.halfSize;
  if (g == 0) return;
  const RenderStateGuard restore(rc);
  // Selected points keep the highlight line type.
  if (!IsSelected()) rc.lineType = &ContinuousLineType();
  rc.dc->SelectBrush(Brush::Hollow());

  const Point& p = position;
  const auto screenLine = [&](const Point& a, const Point& b) {
    const ScreenPoint sa = rc.WorldToScreen(a), sb = rc.WorldToScreen(b);
    rc.DrawScreenLine(sa.x, sa.y, sb.x, sb.y);
  };
  switch (display.mode & PointSymbol::SymbolMask) {
    case PointSymbol::Dot: {
      const ScreenPoint s = rc.WorldToScreen(p);
      rc.dc->MoveTo(s.x, s.y);
      rc.dc->LineTo(s.x, s.y + 1);
      break;
    }
    case PointSymbol::Plus:
      screenLine(Point(p.x - 2 * g, p.y), Point(p.x + 2 * g, p.y));
      screenLine(Point(p.x, p.y - 2 * g), Point(p.x, p.y + 2 * g));
      break;
    case PointSymbol::Cross: {
      const double d = kSqrt2 * g;
      screenLine(Point(p.x - d, p.y - d), Point(p.x + d, p.y + d));
      screenLine(Point(p.x - d, p.y + d), Point(p.x + d, p.y - d));
      break;
    }
    case PointSymbol::Tick:
      screenLine(p, Point(p.x, p.y + g));
      break;
    default:
      break;
  }
  const ScreenPoint low = rc.WorldToScreen(Point(p.x - g, p.y - g));
  const ScreenPoint high = rc.WorldToScreen(Point(p.x + g, p.y + g));
  if ((display.mode & PointSymbol::Circle) != 0)
    rc.dc->Ellipse(low.x, high.y, high.x + 1, low.y + 1);
  if ((display.mode & PointSymbol::Square) != 0) rc.DrawScreenFrame(low, high);
}

}  // namespace korvo
