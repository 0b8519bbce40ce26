#pragma once

#include <QImage>

#include "platform/raster_device.h"

namespace korvo {

// A copy of `bitmap` as a Qt image; a null image when Qt cannot allocate one.
QImage ImageOfBitmap(const Bitmap& bitmap);

}  // namespace korvo
