#include "plugin/commandset/degree_text.h"

#include <cmath>
#include <numbers>

namespace korvo::commandset::editing {

namespace {

std::u16string Digits(unsigned long long value) {
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return digits;
}

}  // namespace

std::u16string DegreeText(double radians) {
  const double degrees = radians * 180 / std::numbers::pi;
  if (!std::isfinite(degrees)) return u"?";
  // Rounded to hundredths first, so that 59.999 reads "60" rather than "60.00".
  const unsigned long long hundredths = std::llround(std::fabs(degrees) * 100);
  std::u16string text = hundredths != 0 && degrees < 0 ? u"-" : u"";
  text += Digits(hundredths / 100);
  if (hundredths % 100 != 0) {
    text += u'.';
    text += static_cast<char16_t>(u'0' + hundredths % 100 / 10);
    text += static_cast<char16_t>(u'0' + hundredths % 10);
  }
  return text;
}

std::u16string FillPlaceholders(std::u16string_view format,
                                std::initializer_list<std::u16string_view> values) {
  std::u16string text;
  auto next = values.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u's' &&
        next != values.end()) {
      text += *next++;
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

}  // namespace korvo::commandset::editing
