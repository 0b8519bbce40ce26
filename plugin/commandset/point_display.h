#pragma once

#include <cstdint>

// The point display mode as the settings sheet lists it: twenty modes, shown by index.
namespace korvo::commandset::editing {

inline constexpr int32_t kPointDisplayModeCount = 20;

// The list index of `mode`, or -1 when the list does not hold it.
int32_t PointDisplayIndex(uint8_t mode);

// The mode at list index `index`; an index outside the list gives mode 0.
uint8_t PointDisplayMode(int32_t index);

}  // namespace korvo::commandset::editing
