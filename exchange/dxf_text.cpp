#include "exchange/dxf_text.h"

namespace korvo {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendByte(unsigned byte, DxfSpaces spaces, std::string& out) {
  if (byte < 0x20 || byte == 0x7F) {
    // Caret notation: the control character's code plus 0x40, DEL as "^?".
    out.push_back('^');
    out.push_back(static_cast<char>(byte == 0x7F ? '?' : byte + 0x40));
  } else if (byte == '^') {
    out.append("^ ");
  } else if (byte == ' ' && spaces == DxfSpaces::Replace) {
    out.push_back('_');
  } else {
    out.push_back(static_cast<char>(byte));
  }
}

}  // namespace

void EncodeDxfText(std::u16string_view text, DxfSpaces spaces, std::string& out) {
  for (const char16_t unit : text) {
    if (unit > 0xFF) {
      const char escape[7] = {'\\',
                              'U',
                              '+',
                              kHexDigits[(unit >> 12) & 0xF],
                              kHexDigits[(unit >> 8) & 0xF],
                              kHexDigits[(unit >> 4) & 0xF],
                              kHexDigits[unit & 0xF]};
      out.append(escape, sizeof escape);
    } else {
      AppendByte(unit, spaces, out);
    }
  }
  out.push_back('\n');
}

std::string EncodeDxfText(std::u16string_view text, DxfSpaces spaces) {
  std::string out;
  out.reserve(text.size() + 1);
  EncodeDxfText(text, spaces, out);
  return out;
}

}  // namespace korvo
