#include "commands/prompt_format.h"

#include <cmath>
#include <vector>

#include "commands/string_table.h"
#include "platform/text_format.h"

namespace korvo {
namespace {

std::vector<FormatArg> Arguments(const PromptValue& value) {
  if (const Point* p = std::get_if<Point>(&value)) return {p->x, p->y};
  if (const double* number = std::get_if<double>(&value)) return {*number};
  return {};
}

// Beyond 2^52 / 1e6 every double is already a whole number of millionths, and scaling it up
// could overflow; such values, and the non-finite ones, stay as they are.
double RoundToMillionths(double v) {
  constexpr double kExactLimit = 4503599627.370496;
  if (!std::isfinite(v) || std::fabs(v) >= kExactLimit) return v;
  return std::round(v * 1e6) / 1e6;
}

}  // namespace

std::u16string FormatPrompt(std::u16string_view format, const PromptValue& value) {
  return FormatMessage(format, Arguments(value));
}

std::u16string FormatPrompt(int stringId, const PromptValue& value) {
  return FormatPrompt(LoadHostString(stringId), value);
}

std::u16string FormatCoordinates(const Point& p) {
  return FormatPrompt(StringId::Coordinates, Point(RoundToMillionths(p.x), RoundToMillionths(p.y)));
}

}  // namespace korvo
