#include <cmath>

#include "core/solid_entity.h"
#include "view/render_context.h"

namespace korvo {

void SolidEntity::DrawShape(RenderContext& rc) {
  for (const Point& corner : corners)
    if (!std::isfinite(corner.x) || !std::isfinite(corner.y)) return;
  ScreenPoint screen[4];
  rc.WorldToScreenMany(corners, screen);
  rc.dc->Polygon(screen);
}

}  // namespace korvo
