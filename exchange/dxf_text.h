#pragma once

#include <string>
#include <string_view>

namespace korvo {

// Whether a space in a name is written as it is or as an underscore. Layer and text style
// names replace spaces (so that every reader takes them as one token); line type names, block
// names and text contents keep them.
enum class DxfSpaces { Keep, Replace };

// Appends the 8-bit form of `text` and a line feed to `out`. A code unit above 0xFF becomes
// "\U+XXXX"; any other unit becomes its low byte. Control characters are written in caret
// notation ("^J" for a line feed) and a caret itself as "^ ", so that no value can break the
// line structure of the file.
void EncodeDxfText(std::u16string_view text, DxfSpaces spaces, std::string& out);
std::string EncodeDxfText(std::u16string_view text, DxfSpaces spaces);

}  // namespace korvo
