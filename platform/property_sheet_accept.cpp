// Reading what a property sheet's rows hold when the user presses OK, and writing it back.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/property_sheet.h"
#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The label as messages name the row: without its final colon.
std::u16string Named(std::u16string_view label) {
  if (!label.empty() && label.back() == u':') label.remove_suffix(1);
  return std::u16string(label);
}

std::u16string Quoted(std::u16string_view text) {
  // Appended rather than concatenated: GCC 12 warns about the operator+ form (-Wrestrict).
  std::u16string quoted;
  quoted.reserve(text.size() + 2);
  quoted.push_back(u'"');
  quoted.append(text);
  quoted.push_back(u'"');
  return quoted;
}

enum class WholeNumber { Ok, NotWhole, OutOfRange };

// An optional sign and decimal digits, nothing else.
WholeNumber ParseWhole(std::u16string_view text, int32_t& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i == text.size()) return WholeNumber::NotWhole;
  int64_t magnitude = 0;
  bool tooLarge = false;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return WholeNumber::NotWhole;
    // Keep counting past the limit only to see that every character is a digit.
    if (!tooLarge) magnitude = magnitude * 10 + (text[i] - u'0');
    tooLarge = tooLarge || magnitude > int64_t{std::numeric_limits<int32_t>::max()} + 1;
  }
  const int64_t signed_ = negative ? -magnitude : magnitude;
  if (tooLarge || signed_ > std::numeric_limits<int32_t>::max() ||
      signed_ < std::numeric_limits<int32_t>::min()) {
    return WholeNumber::OutOfRange;
  }
  value = static_cast<int32_t>(signed_);
  return WholeNumber::Ok;
}

std::u16string RangeMessage(const std::u16string& name, bool whole, double min, double max) {
  const auto show = [whole](double v) {
    return Ascii(whole ? std::to_string(static_cast<int64_t>(v)) : FormatShortest(v));
  };
  return name + (whole ? u": enter a whole number from " : u": enter a value from ") + show(min) +
         u" to " + show(max) + u".";
}

bool IsWholeKind(PropertyRowKind kind) {
  return kind == PropertyRowKind::Int || kind == PropertyRowKind::IntRange;
}

bool HasBounds(PropertyRowKind kind) {
  return kind == PropertyRowKind::IntRange || kind == PropertyRowKind::DoubleRange;
}

}  // namespace

std::optional<int32_t> PropertySheetModel::OptionOf(const Row& row, std::u16string_view text) {
  text = Trimmed(text);
  for (std::size_t i = 0; i < row.options.size(); ++i) {
    if (EqualsNoCase(row.options[i], text)) return static_cast<int32_t>(i);
  }
  int32_t number = 0;
  if (ParseWhole(text, number) != WholeNumber::Ok) return std::nullopt;
  if (row.kind == PropertyRowKind::List) {
    if (number < 0 || static_cast<std::size_t>(number) >= row.options.size()) return std::nullopt;
    return number;
  }
  // A two-way row: 1 is the first option, 0 the second.
  if (number == 1) return 0;
  if (number == 0) return 1;
  return std::nullopt;
}

std::optional<PropertySheetModel::Reading> PropertySheetModel::Read(const Row& row,
                                                                    std::u16string* error) const {
  const std::u16string name = Named(row.label);
  Reading reading{row.text, row.number, row.integer};
  switch (row.kind) {
    case PropertyRowKind::Text:
      if (row.typed) {
        if (row.typed->size() > static_cast<std::size_t>(row.maxLength)) {
          *error = name + u": the text is longer than " + Ascii(std::to_string(row.maxLength)) +
                   u" characters.";
          return std::nullopt;
        }
        reading.text = *row.typed;
      }
      return reading;
    case PropertyRowKind::YesNo:
    case PropertyRowKind::Choice:
    case PropertyRowKind::List: {
      std::optional<int32_t> option;
      if (row.picked) {
        option = static_cast<int32_t>(*row.picked);
      } else if (row.typed) {
        option = OptionOf(row, *row.typed);
        if (!option) {
          *error = name + u": " + Quoted(Trimmed(*row.typed)) + u" is not one of the " +
                   (row.kind == PropertyRowKind::List ? u"items." : u"choices.");
          return std::nullopt;
        }
      }
      if (row.kind != PropertyRowKind::List) {
        if (option) reading.integer = *option == 0 ? 1 : 0;
        return reading;
      }
      if (option) reading.integer = *option;
      if (reading.integer < 0 || static_cast<std::size_t>(reading.integer) >= row.options.size()) {
        *error = name + u": choose one of the items.";
        return std::nullopt;
      }
      return reading;
    }
    case PropertyRowKind::Int:
    case PropertyRowKind::IntRange:
    case PropertyRowKind::Double:
    case PropertyRowKind::DoubleRange:
      break;
  }

  const bool whole = IsWholeKind(row.kind);
  if (row.typed) {
    const std::u16string_view text = Trimmed(*row.typed);
    if (text.empty()) {
      *error = u"Enter a value for " + name + u".";
      return std::nullopt;
    }
    if (whole) {
      switch (ParseWhole(text, reading.integer)) {
        case WholeNumber::Ok:
          break;
        case WholeNumber::NotWhole:
          *error = name + u": " + Quoted(text) + u" is not a whole number.";
          return std::nullopt;
        case WholeNumber::OutOfRange:
          *error = name + u": " + Quoted(text) + u" is out of range.";
          return std::nullopt;
      }
    } else {
      const auto parsed = ParseNumber(text);
      if (!parsed || parsed->length != text.size()) {
        *error = name + u": " + Quoted(text) + u" is not a number.";
        return std::nullopt;
      }
      if (!std::isfinite(parsed->value)) {
        *error = name + u": " + Quoted(text) + u" is not a finite number.";
        return std::nullopt;
      }
      reading.number = parsed->value;
    }
  } else if (!whole && !std::isfinite(reading.number)) {
    *error = name + u": the value is not a finite number.";
    return std::nullopt;
  }
  const double value = whole ? reading.integer : reading.number;
  if (HasBounds(row.kind) && !(value >= row.min && value <= row.max)) {
    *error = RangeMessage(name, whole, row.min, row.max);
    return std::nullopt;
  }
  return reading;
}

void PropertySheetModel::WriteBack(const Row& row) {
  if (row.target == nullptr) return;
  switch (row.kind) {
    case PropertyRowKind::Text: {
      // The buffer holds maxLength characters and the terminator.
      auto* buffer = static_cast<char16_t*>(row.target);
      const std::size_t length = std::min(row.text.size(), static_cast<std::size_t>(row.maxLength));
      std::memcpy(buffer, row.text.data(), length * sizeof(char16_t));
      buffer[length] = 0;
      return;
    }
    case PropertyRowKind::Int:
    case PropertyRowKind::IntRange:
    case PropertyRowKind::List:
      *static_cast<int32_t*>(row.target) = row.integer;
      return;
    case PropertyRowKind::Double:
    case PropertyRowKind::DoubleRange:
      *static_cast<double*>(row.target) = row.number;
      return;
    case PropertyRowKind::YesNo:
    case PropertyRowKind::Choice:
      *static_cast<uint8_t*>(row.target) = static_cast<uint8_t>(row.integer);
      return;
  }
}

bool PropertySheetModel::Accept() {
  error_.clear();
  errorRow_.reset();
  std::vector<Reading> readings;
  readings.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    auto reading = Read(rows_[i], &error_);
    if (!reading) {
      errorRow_ = i;
      return false;
    }
    readings.push_back(std::move(*reading));
  }
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    Row& row = rows_[i];
    row.text = std::move(readings[i].text);
    row.number = readings[i].number;
    row.integer = readings[i].integer;
    row.typed.reset();
    row.picked.reset();
    WriteBack(row);
  }
  return true;
}

}  // namespace korvo
