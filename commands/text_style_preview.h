#pragma once

#include <memory>
#include <string_view>

#include "platform/raster_device.h"

namespace korvo {

class TextStyle;

// A sample text drawn with `style` (its font, width factor, oblique angle and mirroring) on a
// new white bitmap of `width` x `height` pixels, fitted into it as a symbol preview is. Null
// when the bitmap cannot be had or the size is not positive.
std::unique_ptr<Bitmap> RenderTextStylePreview(const TextStyle& style, std::u16string_view sample,
                                               int width, int height);

}  // namespace korvo
