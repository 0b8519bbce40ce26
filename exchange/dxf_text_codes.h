#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// The control codes of TEXT contents: "%%d" degree sign, "%%p" plus-minus, "%%c" diameter,
// "%%%" percent, "%%nnn" the character of that number; the under- and overline switches
// "%%u" and "%%o" are dropped.
std::u16string ReplaceDxfSpecialCodes(std::u16string_view text);

// The plain lines of an MTEXT content: paragraph breaks ("\P", a line feed) split lines,
// escaped characters ("\\", "\{", "\}", "\~") stand for themselves, stacked fractions
// ("\S1/2;") read "1/2", and every other formatting code (font, height, colour, ...) and
// the braces that group them are removed. The special codes of TEXT apply too.
std::vector<std::u16string> PlainMTextLines(std::u16string_view text);

}  // namespace korvo
