#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Number formatting and parsing that never depends on the process locale: a decimal point is
// always a point.
namespace korvo {

// printf "%lf" / "%.Nf": fixed notation with `decimals` digits after the point.
std::string FormatFixed(double value, int decimals = 6);
// printf "%g" with the given precision.
std::string FormatGeneral(double value, int precision = 6);
// The shortest text that reads back as exactly the same double.
std::string FormatShortest(double value);

// Reads one number the way "%lf" does (optional sign, digits, point, exponent, also "inf"
// and "nan"), skipping leading white space. Returns the value and the characters consumed, or
// nothing when no number starts there.
struct ParsedNumber {
  double value;
  std::size_t length;
};
std::optional<ParsedNumber> ParseNumber(std::string_view text);
std::optional<ParsedNumber> ParseNumber(std::u16string_view text);

// A small printf for message and prompt strings: %d %i %u %ld %lu %x %X %s %g %f %lf %e and
// %% with optional flags, width and precision. Arguments are taken in order; a missing or
// mismatched argument prints nothing for its conversion rather than reading garbage.
using FormatArg = std::variant<int64_t, uint64_t, double, std::u16string_view>;
std::u16string FormatMessage(std::u16string_view format, const std::vector<FormatArg>& args);

}  // namespace korvo
