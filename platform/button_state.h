#pragma once

#include <cstdint>
#include <string_view>

namespace korvo {

// The view tells its frame that a command's button is pressed or released with the message
// registered under this name: wParam = command id, lParam = pressed in the low 16 bits
// (1 pressed, 0 released) | update flag << 16 (also check or uncheck the menu item).
inline constexpr std::u16string_view kButtonStateMessageName = u"qpxCAD:g_SetTBBtnMsg";

struct ButtonState {
  uint32_t commandId = 0;
  bool pressed = false;
  bool update = false;
};

inline uint32_t PackButtonStateLParam(bool pressed, bool update) {
  return (pressed ? 1u : 0u) | (update ? 1u : 0u) << 16;
}

inline ButtonState UnpackButtonState(uint32_t wParam, uint32_t lParam) {
  return {wParam, (lParam & 0xFFFF) != 0, (lParam >> 16) != 0};
}

}  // namespace korvo
