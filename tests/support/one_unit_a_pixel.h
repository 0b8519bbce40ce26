#pragma once

#include "core/drawing_settings.h"
#include "geometry/point.h"

namespace korvo::testing {

// Settings that show a picture of `size` x `size` pixels one world unit a pixel: world
// (0, 0) is the bottom-left pixel, world (size - 1, size - 1) the top-right one, and the
// limits cover the picture.
inline void ShowOneUnitAPixel(DrawingSettings& settings, int size) {
  settings.viewOrigin = Point(0, 0);
  settings.viewExtent = Size{double(size - 1), double(size - 1)};
  settings.limitsMin = Point(0, 0);
  settings.limitsMax = Point(size - 1, size - 1);
}

}  // namespace korvo::testing
