#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::testing {

// Spells out native file bytes field by field, as the format describes them, so that
// fixtures do not come from the writer under test.
class NativeBytes {
 public:
  NativeBytes& U8(uint8_t v) {
    bytes.push_back(v);
    return *this;
  }
  NativeBytes& U16(uint16_t v) {
    return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8));
  }
  NativeBytes& I16(int16_t v) { return U16(static_cast<uint16_t>(v)); }
  NativeBytes& U32(uint32_t v) {
    return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16));
  }
  NativeBytes& F64(double v) {
    const auto bits = std::bit_cast<uint64_t>(v);
    return U32(static_cast<uint32_t>(bits)).U32(static_cast<uint32_t>(bits >> 32));
  }
  NativeBytes& Pt(double x, double y) { return F64(x).F64(y); }
  // u32 n, then u32 NOT n.
  NativeBytes& Guard(uint32_t n) { return U32(n).U32(~n); }
  NativeBytes& Raw(std::string_view text) {
    for (char c : text) U8(static_cast<uint8_t>(c));
    return *this;
  }
  // The UTF-16 form: 0xFF, 0xFFFE, the length (below 255 here), the characters.
  NativeBytes& Str(std::u16string_view text) {
    U8(0xFF).U16(0xFFFE).U8(static_cast<uint8_t>(text.size()));
    for (char16_t c : text) U16(c);
    return *this;
  }
  // The 8-bit form without the announcement.
  NativeBytes& Str8(std::string_view text) {
    U8(static_cast<uint8_t>(text.size()));
    return Raw(text);
  }
  // A named string: the guarded length, then the string.
  NativeBytes& Name(std::u16string_view text) {
    return Guard(static_cast<uint32_t>(text.size())).Str(text);
  }
  // The common entity header with consistent check fields.
  NativeBytes& Header(uint8_t code, uint32_t layer, uint32_t lineType, int16_t color,
                      double lineWeight) {
    U8(code).U32(layer ^ 0xF0F0u).U32(lineType ^ 0x0F0Fu);
    U16(static_cast<uint16_t>(~static_cast<uint16_t>(color))).U8(code ^ 0x55);
    return I16(color).F64(lineWeight).U32(lineType).U32(layer);
  }
  NativeBytes& Append(const std::vector<uint8_t>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
  }

  std::vector<uint8_t> bytes;
};

}  // namespace korvo::testing
