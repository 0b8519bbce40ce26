#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "geometry/point.h"

namespace korvo {

// What a prompt is formatted with: nothing, a point (its x and y fill two "%g"), or one
// number (an angle in degrees or a distance).
using PromptValue = std::variant<std::monostate, Point, double>;

// A prompt given as its texts rather than as host string identifiers (a plug-in's own
// strings): the format shown on the prompt line and the input dialog's caption.
struct PromptText {
  std::u16string_view format;
  std::u16string_view description;
};

// printf-style formatting of a prompt format, independent of the locale. A format that asks
// for more values than it is given, or for a kind the value is not, prints nothing for those
// conversions; surplus values are ignored. Never reads past what it was given.
std::u16string FormatPrompt(std::u16string_view format, const PromptValue& value);
// The same with the host string `stringId`; empty for an unknown identifier.
std::u16string FormatPrompt(int stringId, const PromptValue& value);

// The prompt line's coordinate display: each coordinate rounded to a multiple of 1e-06, then
// formatted as "%6.2lf, %6.2lf".
std::u16string FormatCoordinates(const Point& p);

}  // namespace korvo
