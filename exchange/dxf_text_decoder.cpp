#include "exchange/dxf_text_decoder.h"

#include "exchange/dxf_code_page_tables.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

constexpr int kFirstUtf8Release = 1021;

const DxfCodePageTable* FindPage(std::string_view name) {
  for (std::size_t i = 0; i < kDxfCodePageTableCount; ++i) {
    const std::string_view candidate = kDxfCodePageTables[i].name;
    if (candidate.size() != name.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < name.size() && same; ++k) {
      char c = name[k];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      same = c == candidate[k];
    }
    if (same) return &kDxfCodePageTables[i];
  }
  return nullptr;
}

int HexDigit(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "\U+XXXX" at `i`: the unit, or -1 when the text there is no such escape.
int EscapeAt(const std::u16string& text, std::size_t i) {
  if (i + 7 > text.size() || text[i] != '\\' || (text[i + 1] != 'U' && text[i + 1] != 'u') ||
      text[i + 2] != '+') {
    return -1;
  }
  int unit = 0;
  for (std::size_t k = i + 3; k < i + 7; ++k) {
    const int digit = HexDigit(text[k]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

// Escapes and caret notation, in place.
// FIXME: "\M+nXXXX" (a character of a double-byte code page) is left as it stands.
void Unescape(std::u16string& text) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char16_t c = text[i];
    if (c == '\\') {
      const int unit = EscapeAt(text, i);
      if (unit >= 0) {
        text[out++] = static_cast<char16_t>(unit);
        i += 7;
        continue;
      }
    } else if (c == '^' && i + 1 < text.size()) {
      const char16_t next = text[i + 1];
      if (next == ' ') {
        text[out++] = '^';
        i += 2;
        continue;
      }
      if (next >= 0x40 && next <= 0x5F) {
        text[out++] = static_cast<char16_t>(next - 0x40);
        i += 2;
        continue;
      }
      if (next == '?') {
        text[out++] = 0x7F;
        i += 2;
        continue;
      }
    }
    text[out++] = c;
    ++i;
  }
  text.resize(out);
}

bool NeedsUnescape(std::string_view bytes) {
  return bytes.find_first_of("\\^") != std::string_view::npos;
}

}  // namespace

int DxfReleaseNumber(std::string_view acadver) {
  if (acadver.size() < 6 || acadver[0] != 'A' || acadver[1] != 'C') return 0;
  int number = 0;
  for (std::size_t i = 2; i < 6; ++i) {
    if (acadver[i] < '0' || acadver[i] > '9') return 0;
    number = number * 10 + (acadver[i] - '0');
  }
  return number;
}

DxfTextDecoder::DxfTextDecoder() : page_(FindPage("ANSI_1252")) {}

void DxfTextDecoder::SetRelease(std::string_view acadver) {
  utf8_ = DxfReleaseNumber(acadver) >= kFirstUtf8Release;
}

void DxfTextDecoder::SetCodePage(std::string_view name) {
  const DxfCodePageTable* page = FindPage(name);
  page_ = page != nullptr ? page : FindPage("ANSI_1252");
}

void DxfTextDecoder::Decode(std::string_view bytes, std::u16string& out) const {
  out.clear();
  if (utf8_) {
    out = Utf8ToUtf16(bytes);
  } else {
    out.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto byte = static_cast<uint8_t>(bytes[i]);
      out[i] = byte < 0x80 ? byte : page_->upperHalf[byte - 0x80];
    }
  }
  if (NeedsUnescape(bytes)) Unescape(out);
}

std::u16string DxfTextDecoder::Decode(std::string_view bytes) const {
  std::u16string out;
  Decode(bytes, out);
  return out;
}

}  // namespace korvo
