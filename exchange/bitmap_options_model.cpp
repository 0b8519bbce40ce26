#include "exchange/bitmap_options_model.h"

#include <climits>

namespace korvo {
namespace {

std::u16string IntegerText(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// A whole number, optionally signed and surrounded by blanks, that fits an int.
bool ParseInteger(const std::u16string& text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  const std::size_t digitsStart = i;
  long long result = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    result = result * 10 + (text[i] - u'0');
    if (result > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (i == digitsStart) return false;
  while (i < text.size() && text[i] == u' ') ++i;
  if (i != text.size()) return false;
  if (negative) result = -result;
  if (result > INT_MAX || result < INT_MIN) return false;
  value = static_cast<int>(result);
  return true;
}

}  // namespace

BitmapOptionsModel::BitmapOptionsModel(const BitmapExportOptions& options)
    : widthText(IntegerText(options.width)),
      heightText(IntegerText(options.height)),
      backgroundChoice(options.whiteBackground ? 1 : 0) {}

bool BitmapOptionsModel::Accept(BitmapExportOptions& options, std::u16string& message) const {
  int width = 0, height = 0;
  if (!ParseInteger(widthText, width) || !ParseInteger(heightText, height)) {
    message = std::u16string(kNotAnInteger);
    return false;
  }
  options.width = width;
  options.height = height;
  options.whiteBackground = backgroundChoice == 1;
  return true;
}

}  // namespace korvo
