#pragma once

#include <cstdint>

namespace korvo {

// Key codes of the keys the editor reacts to: key messages carry these numbers, and the
// handlers compare against them.
enum class KeyCode : uint32_t {
  Enter = 0x0D,
  Escape = 0x1B,
  Space = 0x20,
  Left = 0x25,
  Up = 0x26,
  Right = 0x27,
  Down = 0x28,
};

}  // namespace korvo
