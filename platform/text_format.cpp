#include "platform/text_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace korvo {
namespace {

std::string ToChars(double value, std::chars_format format, int precision) {
  char buffer[400];
  const auto result = precision < 0
                          ? std::to_chars(buffer, buffer + sizeof buffer, value, format)
                          : std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

// printf spells the non-finite values this way.
std::optional<std::string> NonFinite(double value, bool upper) {
  if (std::isnan(value))
    return std::string(std::signbit(value) ? "-" : "") + (upper ? "NAN" : "nan");
  if (std::isinf(value)) return std::string(value < 0 ? "-" : "") + (upper ? "INF" : "inf");
  return std::nullopt;
}

bool IsSpace(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  if (auto text = NonFinite(value, false)) return *text;
  return ToChars(value, std::chars_format::fixed, decimals);
}

std::string FormatGeneral(double value, int precision) {
  if (auto text = NonFinite(value, false)) return *text;
  return ToChars(value, std::chars_format::general, precision == 0 ? 1 : precision);
}

std::string FormatShortest(double value) {
  if (auto text = NonFinite(value, false)) return *text;
  return ToChars(value, std::chars_format::general, -1);
}

std::optional<ParsedNumber> ParseNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // from_chars takes no sign of its own after ours.
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) return std::nullopt;
  double value = 0;
  const char* begin = text.data() + i;
  const auto result = std::from_chars(begin, text.data() + text.size(), value);
  if (result.ec == std::errc::invalid_argument) return std::nullopt;
  if (result.ec == std::errc::result_out_of_range) {
    // strtod's answer for an out-of-range number: the infinity or zero of its sign.
    const std::string copy(begin, result.ptr);
    value = std::strtod(copy.c_str(), nullptr);
  }
  return ParsedNumber{negative ? -value : value,
                      static_cast<std::size_t>(result.ptr - text.data())};
}

std::optional<ParsedNumber> ParseNumber(std::u16string_view text) {
  // Numbers are ASCII; stop copying at the first character that cannot belong to one.
  std::string narrow;
  narrow.reserve(text.size());
  for (char16_t c : text) {
    if (c >= 0x80) break;
    narrow.push_back(static_cast<char>(c));
  }
  return ParseNumber(std::string_view(narrow));
}

namespace {

// The printf conversion that starts at format[at], the '%' itself: flags, width, precision
// and length are copied into `conversion` (length dropped, widths bounded); returns the index of
// the type character, or format.size() when the text ends first.
std::size_t CollectConversion(std::u16string_view format, std::size_t at, std::string& conversion) {
  conversion = "%";
  std::size_t j = at + 1;
  while (j < format.size() &&
         std::u16string_view(u"-+ #0").find(format[j]) != std::u16string_view::npos)
    conversion.push_back(static_cast<char>(format[j++]));
  while (j < format.size() && format[j] >= u'0' && format[j] <= u'9' && conversion.size() < 12)
    conversion.push_back(static_cast<char>(format[j++]));
  if (j < format.size() && format[j] == u'.') {
    conversion.push_back('.');
    ++j;
    while (j < format.size() && format[j] >= u'0' && format[j] <= u'9' && conversion.size() < 20)
      conversion.push_back(static_cast<char>(format[j++]));
  }
  while (j < format.size() && (format[j] == u'l' || format[j] == u'h')) ++j;
  return j;
}

// An integer conversion (d, i, u, x, X); nothing when the argument is no number.
std::optional<std::string> FormatInteger(const std::string& conversion, char16_t type,
                                         const FormatArg& arg) {
  long long integer = 0;
  if (auto* s = std::get_if<int64_t>(&arg)) {
    integer = *s;
  } else if (auto* u = std::get_if<uint64_t>(&arg)) {
    integer = static_cast<long long>(*u);
  } else if (auto* d = std::get_if<double>(&arg)) {
    integer = std::isfinite(*d) ? static_cast<long long>(*d) : 0;
  } else {
    return std::nullopt;
  }
  char buffer[512] = {};
  const char letter = type == u'i' ? 'd' : static_cast<char>(type);
  const std::string full = conversion + "ll" + letter;
  if (type == u'd' || type == u'i') {
    std::snprintf(buffer, sizeof buffer, full.c_str(), integer);
  } else {
    std::snprintf(buffer, sizeof buffer, full.c_str(), static_cast<unsigned long long>(integer));
  }
  return std::string(buffer);
}

// A floating conversion (f, F, g, G, e, E); nothing when the argument is no number.
std::optional<std::string> FormatReal(const std::string& conversion, char16_t type,
                                      const FormatArg& arg) {
  double real = 0;
  if (auto* d = std::get_if<double>(&arg)) {
    real = *d;
  } else if (auto* s = std::get_if<int64_t>(&arg)) {
    real = static_cast<double>(*s);
  } else if (auto* u = std::get_if<uint64_t>(&arg)) {
    real = static_cast<double>(*u);
  } else {
    return std::nullopt;
  }
  // snprintf follows LC_NUMERIC; the "C" formatting of to_chars does not, so format through
  // snprintf and mend the decimal separator, which is the only locale effect.
  char buffer[512] = {};
  const std::string full = conversion + static_cast<char>(type);
  const int length = std::snprintf(buffer, sizeof buffer, full.c_str(), real);
  for (int k = 0; k < length && k < static_cast<int>(sizeof buffer); ++k) {
    if (buffer[k] == ',') buffer[k] = '.';
  }
  return std::string(buffer);
}

// One conversion of `type` with its argument, as the characters it adds to the message.
std::u16string FormatConversion(const std::string& conversion, char16_t type,
                                const FormatArg& arg) {
  std::optional<std::string> text;
  switch (type) {
    case u'd':
    case u'i':
    case u'u':
    case u'x':
    case u'X':
      text = FormatInteger(conversion, type, arg);
      break;
    case u'f':
    case u'F':
    case u'g':
    case u'G':
    case u'e':
    case u'E':
      text = FormatReal(conversion, type, arg);
      break;
    case u's':
    case u'S':
      if (auto* s = std::get_if<std::u16string_view>(&arg)) return std::u16string(*s);
      return {};
    default:
      return {};
  }
  std::u16string out;
  if (text) {
    for (char c : *text) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace

std::u16string FormatMessage(std::u16string_view format, const std::vector<FormatArg>& args) {
  std::u16string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char16_t c = format[i];
    if (c != u'%' || i + 1 >= format.size()) {
      out.push_back(c);
      continue;
    }
    if (format[i + 1] == u'%') {
      out.push_back(u'%');
      ++i;
      continue;
    }
    std::string conversion;
    const std::size_t type = CollectConversion(format, i, conversion);
    if (type >= format.size()) break;
    i = type;
    if (next < args.size()) out += FormatConversion(conversion, format[type], args[next]);
    ++next;
  }
  return out;
}

}  // namespace korvo
