#pragma once

#include <cstdint>
#include <string>

#include "text/stroke_font.h"

namespace korvo {

class TextStyle {
 public:
  static constexpr uint8_t kBackwards = 0x02;
  static constexpr uint8_t kUpsideDown = 0x04;

  TextStyle() = default;
  TextStyle(std::u16string styleName, std::u16string_view fontName, double styleHeight,
            double styleWidthFactor, double styleObliqueAngle, uint8_t styleFlags)
      : height(styleHeight),
        widthFactor(styleWidthFactor),
        obliqueAngle(styleObliqueAngle),
        flags(styleFlags),
        name(std::move(styleName)),
        font(fontName.empty() ? std::u16string_view(kDefaultFontName) : fontName) {}
  // Takes the font again from the cache by name.
  TextStyle(const TextStyle& other)
      : height(other.height),
        widthFactor(other.widthFactor),
        obliqueAngle(other.obliqueAngle),
        flags(other.flags),
        name(other.name),
        font(other.FontName()) {}
  TextStyle& operator=(const TextStyle&) = delete;

  // The font file name, which is the font record's name.
  std::u16string_view FontName() const {
    return font ? std::u16string_view(font->name) : kDefaultFontName;
  }

  double height = 0;  // fixed text height; 0 = not fixed
  double widthFactor = 1.0;
  double obliqueAngle = 0;  // radians
  uint8_t flags = 0;        // kBackwards, kUpsideDown
  std::u16string name;
  FontRef font;
};

}  // namespace korvo
