#include "core/arc_entity.h"
#include "core/circle_entity.h"
#include "view/render_context.h"

namespace korvo {

void CircleEntity::DrawShape(RenderContext& rc) {
  rc.DrawCircle(center, radius, rotation, ratio);
}

void ArcEntity::DrawShape(RenderContext& rc) {
  rc.DrawArc(center, radius, startAngle, endAngle, rotation, ratio);
}

}  // namespace korvo
