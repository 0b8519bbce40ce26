#include "core/color_palette.h"

#include <array>

#include "platform/pixel_color.h"

namespace korvo {
namespace {

// Indices 10..249: 24 hues in 15° steps from red, each in ten shades. Even shades are pure,
// odd ones pastel (the minimum component is half the value).
constexpr uint32_t HueShade(int index) {
  const int hue = (index - 10) / 10;
  const int shade = (index - 10) % 10;
  constexpr int kValues[5] = {255, 204, 153, 127, 76};
  const int value = kValues[shade / 2];
  const int minimum = (shade % 2 == 0) ? 0 : value / 2;
  const int k = hue % 4;
  const auto ramp = [&](int j) { return minimum + (value - minimum) * j / 4; };
  int r = 0, g = 0, b = 0;
  switch (hue / 4) {
    case 0:
      r = value, g = ramp(k), b = minimum;
      break;
    case 1:
      r = ramp(4 - k), g = value, b = minimum;
      break;
    case 2:
      r = minimum, g = value, b = ramp(k);
      break;
    case 3:
      r = minimum, g = ramp(4 - k), b = value;
      break;
    case 4:
      r = ramp(k), g = minimum, b = value;
      break;
    default:
      r = value, g = minimum, b = ramp(4 - k);
      break;
  }
  return Rgb(static_cast<uint32_t>(r), static_cast<uint32_t>(g), static_cast<uint32_t>(b));
}

constexpr std::array<uint32_t, 257> BuildPalette() {
  std::array<uint32_t, 257> palette{};
  palette[0] = kWhite;
  palette[256] = kWhite;
  constexpr uint32_t kFirstNine[9] = {0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,
                                      0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
  for (int i = 1; i <= 9; ++i) palette[i] = kFirstNine[i - 1];
  for (int i = 10; i <= 249; ++i) palette[i] = HueShade(i);
  constexpr uint32_t kGreys[6] = {0x333333, 0x5B5B5B, 0x848484, 0xADADAD, 0xD6D6D6, 0xFFFFFF};
  for (int i = 250; i <= 255; ++i) palette[i] = kGreys[i - 250];
  return palette;
}

constexpr std::array<uint32_t, 257> kPalette = BuildPalette();

}  // namespace

uint32_t ColorFromIndex(int index) {
  if (index < 0 || index > 256) return kWhite;
  return kPalette[index];
}

}  // namespace korvo
