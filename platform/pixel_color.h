#pragma once

#include <cstdint>

namespace korvo {

// Pixel values are RGB with red in the low byte, then green, then blue, as in the colour
// palette; the top byte is always 0.
inline constexpr uint32_t kWhite = 0xFFFFFF;
// The bits of a pixel that hold colour: all three channels, as in white.
inline constexpr uint32_t kColorBits = kWhite;

}  // namespace korvo
