#pragma once

#include "platform/raster_device.h"
#include "view/render_context.h"

namespace korvo {

class DrawingSettings;
class Entity;
class EntityList;

// How a draw straight onto a window meets what the window shows.
enum class WindowDraw {
  Copy,  // draw mode 0: over it
  Xor,   // draw mode 5: a second identical draw removes it again
};

// Draws one entity, or a whole list, straight onto a window's device: one render context
// for the client area (right and bottom the last pixel). False when the draw was aborted.
bool DrawOnWindow(Entity& entity, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, WindowDraw how);
bool DrawOnWindow(const EntityList& list, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, WindowDraw how, DrawFilter filter = nullptr,
                  void* filterArg1 = nullptr, void* filterArg2 = nullptr);

}  // namespace korvo
