#include "view/draw_on_window.h"

#include "core/entity.h"
#include "core/entity_list.h"

namespace korvo {

bool DrawOnWindow(Entity& entity, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, bool xorMode) {
  RenderContext rc(window, clientRect, settings, xorMode ? DrawMode::Xor : DrawMode::Normal);
  return entity.Draw(rc);
}

bool DrawOnWindow(const EntityList& list, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, bool xorMode, DrawFilter filter,
                  void* filterArg1, void* filterArg2) {
  RenderContext rc(window, clientRect, settings, xorMode ? DrawMode::Xor : DrawMode::Normal, filter,
                   filterArg1, filterArg2);
  return list.Draw(rc);
}

}  // namespace korvo
