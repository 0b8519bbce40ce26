#include "plugin/service_text.h"

#include <algorithm>
#include <cstring>

namespace korvo {

std::optional<std::u16string> ReadServiceText(const char16_t* text, std::size_t limit) {
  if (text == nullptr) return std::nullopt;
  std::size_t length = 0;
  while (text[length] != 0) {
    if (length == limit) return std::nullopt;
    ++length;
  }
  return std::u16string(text, length);
}

bool WriteServiceText(char16_t* out, std::u16string_view text, int32_t capacity) {
  if (out == nullptr || capacity < 1) return false;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(out, text.data(), length * sizeof(char16_t));
  out[length] = 0;
  return true;
}

}  // namespace korvo
