#pragma once

#include <cstdint>

namespace korvo {

// Colour indices: 0 = by block, 256 = by layer, 1..255 the palette.
inline constexpr int kColorByBlock = 0;
inline constexpr int kColorByLayer = 256;

// The pixel value (red in the low byte) of a colour index. 0 and 256 give white
// (the real colour comes from the block reference or the layer when drawing), as do indices
// outside 0..256.
uint32_t ColorFromIndex(int index);

inline constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}
inline constexpr uint32_t RedOf(uint32_t color) {
  return color & 0xFF;
}
inline constexpr uint32_t GreenOf(uint32_t color) {
  return (color >> 8) & 0xFF;
}
inline constexpr uint32_t BlueOf(uint32_t color) {
  return (color >> 16) & 0xFF;
}

}  // namespace korvo
