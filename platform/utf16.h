#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// User-visible strings are UTF-16 inside the program; UTF-8 only at the edges.
namespace korvo {

// The system's character upper-casing: simple one-to-one mappings for Latin-1, Latin
// Extended-A, Greek and Cyrillic. Characters without an upper-case form are returned as
// they are (so 'ß' and 'ÿ' stay, as the platform leaves them).
char16_t ToUpper(char16_t c);
std::u16string ToUpper(std::u16string_view text);

// Case-insensitive equality under ToUpper.
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);

// Lossless conversions; unpaired surrogates become U+FFFD on the way to UTF-8 and invalid
// UTF-8 sequences become U+FFFD on the way in.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Whether `text` is well-formed UTF-8: no stray continuation bytes, no over-long forms, no
// surrogates, nothing beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

// ASCII literal helper for tests and fixed texts.
std::u16string Ascii(std::string_view text);

// The 8-bit code page 1252: its five undefined bytes map to the C1 control of the same
// value, so that every byte reads as some character.
char16_t Cp1252ToUtf16(uint8_t byte);
std::u16string Cp1252ToUtf16(std::string_view bytes);

}  // namespace korvo
