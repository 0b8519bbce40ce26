#include "platform/profile_value.h"

#include <charconv>
#include <string>

namespace korvo {

std::optional<int> ParseProfileInt(std::u16string_view text) {
  std::string narrow;
  for (char16_t c : text) {
    if (c >= 0x80) return std::nullopt;
    narrow.push_back(static_cast<char>(c));
  }
  const std::size_t first = narrow.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = narrow.find_last_not_of(" \t");
  const char* begin = narrow.data() + first;
  const char* end = narrow.data() + last + 1;
  // from_chars takes a minus sign but not a plus sign.
  if (*begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;
  int value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

std::u16string FormatProfileInt(int value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

}  // namespace korvo
