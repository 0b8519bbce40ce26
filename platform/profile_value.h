#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole numbers in stored settings, shared by every kind of profile so that all of them read
// back what they wrote.
namespace korvo {

// An optional sign and decimal digits, with blanks around them allowed, within int; nothing
// for anything else ("12abc", "", "1e3", a number out of range).
std::optional<int> ParseProfileInt(std::u16string_view text);
std::u16string FormatProfileInt(int value);

}  // namespace korvo
