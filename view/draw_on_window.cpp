#include "view/draw_on_window.h"

#include "core/entity.h"
#include "core/entity_list.h"

namespace korvo {
namespace {

int ModeOf(WindowDraw how) {
  return how == WindowDraw::Xor ? DrawMode::Xor : DrawMode::Normal;
}

}  // namespace

bool DrawOnWindow(Entity& entity, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, WindowDraw how) {
  RenderContext rc(window, clientRect, settings, ModeOf(how));
  return entity.Draw(rc);
}

bool DrawOnWindow(const EntityList& list, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, WindowDraw how, DrawFilter filter,
                  void* filterArg1, void* filterArg2) {
  RenderContext rc(window, clientRect, settings, ModeOf(how), filter, filterArg1, filterArg2);
  return list.Draw(rc);
}

}  // namespace korvo
