#pragma once

#include <string_view>

#include "text/stroke_font.h"

namespace korvo {

// The shipped stroke font that stands for a DXF style's font: the file name's stem
// ("romans.shx", "C:\fonts\Simplex.SHX") compared without regard to case with the shipped
// fonts and the names their shapes are known under elsewhere; anything else is TXT.
std::u16string_view ShippedFontFor(std::u16string_view fileName);

}  // namespace korvo
