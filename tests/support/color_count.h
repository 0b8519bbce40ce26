#pragma once

#include <cstdint>

#include "platform/raster_device.h"

namespace korvo::testing {

// Pixels of exactly `colour`.
inline int CountColor(const Bitmap& bitmap, uint32_t color) {
  int count = 0;
  for (uint32_t p : bitmap.pixels()) count += p == color;
  return count;
}

// Pixels of any colour but `background`.
inline int CountNot(const Bitmap& bitmap, uint32_t background) {
  return static_cast<int>(bitmap.pixels().size()) - CountColor(bitmap, background);
}

}  // namespace korvo::testing
