#pragma once

#include "platform/raster_device.h"
#include "view/render_context.h"

namespace korvo {

class DrawingSettings;
class Entity;
class EntityList;

// Draws one entity, or a whole list, straight onto a window's device: one render context
// for the client area (right and bottom the last pixel), in draw mode 5 (XOR, so that a
// second call removes it) when `xorMode`, else 0. False when the draw was aborted.
bool DrawOnWindow(Entity& entity, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, bool xorMode);
bool DrawOnWindow(const EntityList& list, DeviceContext& window, const ScreenRect& clientRect,
                  const DrawingSettings& settings, bool xorMode, DrawFilter filter = nullptr,
                  void* filterArg1 = nullptr, void* filterArg2 = nullptr);

}  // namespace korvo
