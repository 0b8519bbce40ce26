#pragma once

#include <span>

#include "platform/raster_device.h"

namespace korvo {

// Twice the signed area of a pixel polygon (the shoelace sum), exact in integers; 0 when
// the polygon has collapsed onto a line or a point.
long long TwiceSignedArea(std::span<const ScreenPoint> polygon);

}  // namespace korvo
