#include "text/line_type.h"

#include <cmath>

#include "platform/text_format.h"

namespace korvo {

LineType::LineType(std::u16string typeName, std::u16string typeDescription,
                   std::u16string_view patternText, bool isBuiltIn)
    : name(std::move(typeName)),
      description(std::move(typeDescription)),
      pattern(ParsePattern(patternText)),
      builtIn(isBuiltIn ? 1 : 0) {}

LineType::LineType(const LineType& other)
    : name(other.name), description(other.description), pattern(other.pattern) {}

void LineType::CopyFrom(const LineType& other) {
  name = other.name;
  description = other.description;
  pattern = other.pattern;
  builtIn = other.builtIn;
}

double LineType::PatternLength() const {
  double length = 0;
  for (double element : pattern) length += std::fabs(element);
  return length;
}

std::vector<double> ParsePattern(std::u16string_view text) {
  std::vector<double> elements;
  std::size_t i = 0;
  for (;;) {
    while (i < text.size() && (text[i] == u',' || text[i] == u' ' || text[i] == u'\t')) ++i;
    if (i >= text.size()) break;
    const auto number = ParseNumber(text.substr(i));
    if (!number) break;
    elements.push_back(number->value);
    i += number->length;
  }
  return elements;
}

LineType& ContinuousLineType() {
  static LineType type(u"CONTINUOUS", u"Continuous", u"", true);
  return type;
}

LineType& ByBlockLineType() {
  static LineType type(u"BYBLOCK", u"By block", u"", true);
  return type;
}

LineType& ByLayerLineType() {
  static LineType type(u"BYLAYER", u"By layer", u"", true);
  return type;
}

LineType& SelectedLineType() {
  static LineType type(u"SELECTED", u"SELECTED", u"2, -2", true);
  return type;
}

void ResetSelectedPattern(double pixelSize, double linetypeScale) {
  const double scale = linetypeScale == 0 ? 1.0 : linetypeScale;
  const double element = pixelSize / scale * 2.8284271247462;
  LineType& selected = SelectedLineType();
  selected.pattern.assign(2, element);
}

}  // namespace korvo
