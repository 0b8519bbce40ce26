#include "core/line_entity.h"
#include "view/render_context.h"

namespace korvo {

void LineEntity::DrawShape(RenderContext& rc) {
  rc.DrawLine(start, end);
}

}  // namespace korvo
