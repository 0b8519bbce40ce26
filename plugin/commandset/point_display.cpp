#include "plugin/commandset/point_display.h"

namespace korvo::commandset::editing {

namespace {

// The dot's shape (0-4) with a circle (32), a square (64) or both (96) around it.
constexpr uint8_t kModes[kPointDisplayModeCount] = {0,  1,  2,  3,  4,  32, 33, 34, 35, 36,
                                                    64, 65, 66, 67, 68, 96, 97, 98, 99, 100};

}  // namespace

int32_t PointDisplayIndex(uint8_t mode) {
  for (int32_t i = 0; i < kPointDisplayModeCount; ++i) {
    if (kModes[i] == mode) return i;
  }
  return -1;
}

uint8_t PointDisplayMode(int32_t index) {
  return index >= 0 && index < kPointDisplayModeCount ? kModes[index] : 0;
}

}  // namespace korvo::commandset::editing
