#pragma once

#include <memory>

#include "core/drawing_settings.h"
#include "core/layer.h"
#include "platform/raster_device.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo::testing {

// A small picture where one world unit is one pixel: world (0, 0) is the bottom-left pixel
// and world (size - 1, size - 1) the top-right one.
struct Canvas {
  explicit Canvas(int pictureSize = 16, uint32_t background = 0)
      : size(pictureSize), bitmap(pictureSize, pictureSize, background), dc(bitmap) {
    dc.SetBackgroundColour(background);
    settings.viewOrigin = Point(0, 0);
    settings.viewExtent = Size{double(size - 1), double(size - 1)};
    settings.limitsMin = Point(0, 0);
    settings.limitsMax = Point(size - 1, size - 1);
    settings.linetypeScale = 1;
    settings.currentLayer = &layer;
    settings.currentLineType = &ByLayerLineType();
  }

  std::unique_ptr<RenderContext> Context(int mode = DrawMode::Normal) {
    return std::make_unique<RenderContext>(dc, ScreenRect{0, 0, size - 1, size - 1}, settings,
                                           mode);
  }

  int CountNot(uint32_t background) const {
    int count = 0;
    for (uint32_t p : bitmap.pixels()) count += p != background;
    return count;
  }

  int size;
  Bitmap bitmap;
  DeviceContext dc;
  DrawingSettings settings;
  Layer layer{u"0", 1, &ContinuousLineType(), -3.0};  // red
};

}  // namespace korvo::testing
