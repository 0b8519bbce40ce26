#pragma once

#include <cstdint>

#include "platform/raster_device.h"
#include "platform/scoped_change.h"
#include "view/render_context.h"

namespace korvo {

// Puts back the drawing state that one entity's draw sets: the render context's line type
// and pen width, and the device's pen, brush and colours. What draws next then starts from
// the state its caller left, not from the last entity's.
class RenderStateGuard {
 public:
  explicit RenderStateGuard(RenderContext& rc)
      : lineType_(rc.lineType),
        penWidthPixels_(rc.penWidthPixels),
        dc_(*rc.dc),
        pen_(dc_.pen()),
        brush_(dc_.brush()),
        text_(dc_.textColor()),
        background_(dc_.backgroundColor()) {}
  ~RenderStateGuard() {
    dc_.SelectPen(pen_);
    dc_.SelectBrush(brush_);
    dc_.SetTextColor(text_);
    dc_.SetBackgroundColor(background_);
  }
  RenderStateGuard(const RenderStateGuard&) = delete;
  RenderStateGuard& operator=(const RenderStateGuard&) = delete;

 private:
  ScopedChange<const LineType*> lineType_;
  ScopedChange<int> penWidthPixels_;
  // The device keeps its state behind setters, so it is saved by value here.
  DeviceContext& dc_;
  Pen pen_;
  Brush brush_;
  uint32_t text_;
  uint32_t background_;
};

}  // namespace korvo
