#pragma once

#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

#include "core/drawing_settings.h"
#include "core/layer.h"
#include "platform/raster_device.h"
#include "tests/support/color_count.h"
#include "tests/support/one_unit_a_pixel.h"
#include "tests/support/picture.h"
#include "text/line_type.h"
#include "view/render_context.h"

namespace korvo::testing {

// A small picture where one world unit is one pixel: world (0, 0) is the bottom-left pixel
// and world (size - 1, size - 1) the top-right one. A margin adds pixels to the right of and
// below the picture that the render context does not know about.
struct Canvas {
  explicit Canvas(int pictureSize = 16, uint32_t background = 0, int margin = 0)
      : size(pictureSize),
        bitmap(pictureSize + margin, pictureSize + margin, background),
        dc(bitmap) {
    dc.SetBackgroundColor(background);
    ShowOneUnitAPixel(settings, size);
    settings.linetypeScale = 1;
    settings.currentLayer = &layer;
    settings.currentLineType = &ByLayerLineType();
  }

  std::unique_ptr<RenderContext> Context(int mode = DrawMode::Normal) {
    return std::make_unique<RenderContext>(dc, ScreenRect{0, 0, size - 1, size - 1}, settings,
                                           mode);
  }

  int CountNot(uint32_t background) const { return testing::CountNot(bitmap, background); }

  int size;
  Bitmap bitmap;
  DeviceContext dc;
  DrawingSettings settings;
  Layer layer{u"0", 1, &ContinuousLineType(), -3.0};  // red
};

// Draws the same on a 16-pixel canvas and on one with a wide margin: the pictures must agree,
// so nothing drawn past an edge of the small bitmap wraps round into it, and something must
// have been drawn for the comparison to mean anything.
template <typename Draw>
void ExpectNothingWrapsIn(Draw draw) {
  Canvas alone(16);
  Canvas withMargin(16, 0, 48);
  draw(alone);
  draw(withMargin);
  EXPECT_NE(alone.CountNot(0), 0) << "nothing was drawn";
  ExpectSameCorner(alone.bitmap, withMargin.bitmap);
}

}  // namespace korvo::testing
