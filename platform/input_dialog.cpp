#include "platform/input_dialog.h"

#include <cmath>
#include <numbers>

#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Rounds to a multiple of `step`, leaving values too large to scale as they are, and never
// gives a negative zero.
double RoundTo(double value, double step) {
  const double scaled = value / step;
  if (!std::isfinite(scaled) || std::fabs(scaled) > 1e15) return value;
  return std::round(scaled) * step + 0.0;
}

// Fixed notation without trailing zeros, so 0.00004 does not turn into "4e-05"; only numbers
// too long for that fall back to an exponent.
std::u16string Show(double value, int decimals) {
  if (!(std::fabs(value) < 1e15)) return Ascii(FormatGeneral(value, 15));
  std::string text = FormatFixed(value, decimals);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return Ascii(text);
}

// Exact at multiples of 90 degrees, so that "A: 90" gives a point straight above the base.
DialogPoint UnitVector(double degrees) {
  const double turn = std::fmod(degrees, 360.0);
  if (turn == 0) return {1, 0};
  if (turn == 90 || turn == -270) return {0, 1};
  if (turn == 180 || turn == -180) return {-1, 0};
  if (turn == 270 || turn == -90) return {0, -1};
  const double radians = degrees / kDegreesPerRadian;
  return {std::cos(radians), std::sin(radians)};
}

double AngleDegrees(double dx, double dy) {
  return std::atan2(dy, dx) * kDegreesPerRadian;
}

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

}  // namespace

InputDialogModel::InputDialogModel(InputDialogRequest request) : request_(std::move(request)) {
  if (HasBase() && (request_.flags & kPointShowAngle) != 0) {
    modes_ = {InputDialogMode::Angle};
  } else if (HasBase() && (request_.flags & kPointShowDistance) != 0) {
    modes_ = {InputDialogMode::Distance};
  } else if (HasBase()) {
    modes_ = {InputDialogMode::Absolute, InputDialogMode::Relative, InputDialogMode::Polar};
  } else {
    modes_ = {InputDialogMode::Absolute};
  }
  Load(modes_.front(), request_.defaultPoint);
}

bool InputDialogModel::HasBase() const {
  return request_.hasBase && (request_.flags & kPointNoBase) == 0;
}

std::u16string_view InputDialogModel::ModeLabel(InputDialogMode mode) {
  switch (mode) {
    case InputDialogMode::Absolute:
      return u"Absolute";
    case InputDialogMode::Relative:
      return u"Relative";
    case InputDialogMode::Polar:
      return u"Polar";
    case InputDialogMode::Angle:
      return u"Angle";
    case InputDialogMode::Distance:
      return u"Distance";
  }
  return u"";
}

bool InputDialogModel::SetMode(InputDialogMode mode) {
  bool offered = false;
  for (InputDialogMode m : modes_) offered = offered || m == mode;
  if (!offered) return false;
  if (mode == mode_) return true;
  Load(mode, Evaluate(nullptr, nullptr).value_or(request_.defaultPoint));
  return true;
}

void InputDialogModel::Load(InputDialogMode mode, const DialogPoint& point) {
  mode_ = mode;
  loaded_ = point;
  error_.clear();
  errorRow_.reset();
  const double dx = point.x - request_.base.x;
  const double dy = point.y - request_.base.y;
  rows_.clear();
  const auto add = [&](std::u16string_view label, double value, bool angle) {
    rows_.push_back({label, angle ? FormatAngle(value) : FormatLength(value), value, false});
  };
  switch (mode) {
    case InputDialogMode::Absolute:
      add(u"X", point.x, false);
      add(u"Y", point.y, false);
      break;
    case InputDialogMode::Relative:
      add(u"dX", dx, false);
      add(u"dY", dy, false);
      break;
    case InputDialogMode::Polar:
      add(u"A", AngleDegrees(dx, dy), true);
      add(u"L", std::hypot(dx, dy), false);
      break;
    case InputDialogMode::Angle:
      add(u"A", AngleDegrees(dx, dy), true);
      break;
    case InputDialogMode::Distance:
      add(u"L", std::hypot(dx, dy), false);
      break;
  }
}

std::u16string_view InputDialogModel::RowLabel(std::size_t row) const {
  return row < rows_.size() ? rows_[row].label : std::u16string_view();
}

std::u16string InputDialogModel::RowCaption(std::size_t row) const {
  return std::u16string(RowLabel(row)) + u":";
}

std::u16string_view InputDialogModel::RowText(std::size_t row) const {
  return row < rows_.size() ? std::u16string_view(rows_[row].text) : std::u16string_view();
}

bool InputDialogModel::SetRowText(std::size_t row, std::u16string_view text) {
  if (row >= rows_.size()) return false;
  rows_[row].text = std::u16string(text);
  rows_[row].edited = true;
  error_.clear();
  errorRow_.reset();
  return true;
}

std::optional<std::size_t> InputDialogModel::FindRow(std::u16string_view label) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (EqualsNoCase(rows_[i].label, label)) return i;
  }
  return std::nullopt;
}

bool InputDialogModel::SetRowTextByLabel(std::u16string_view label, std::u16string_view text) {
  if (!FindRow(label)) {
    for (InputDialogMode mode : modes_) {
      InputDialogModel probe(request_);
      probe.SetMode(mode);
      if (probe.FindRow(label)) {
        SetMode(mode);
        break;
      }
    }
  }
  const auto row = FindRow(label);
  return row && SetRowText(*row, text);
}

DialogPoint InputDialogModel::FromValues(double first, double second) const {
  const DialogPoint& base = request_.base;
  const DialogPoint& fallback = request_.defaultPoint;
  switch (mode_) {
    case InputDialogMode::Absolute:
      return {first, second};
    case InputDialogMode::Relative:
      return {base.x + first, base.y + second};
    case InputDialogMode::Polar: {
      const DialogPoint unit = UnitVector(first);
      return {base.x + second * unit.x, base.y + second * unit.y};
    }
    case InputDialogMode::Angle: {
      double radius = std::hypot(fallback.x - base.x, fallback.y - base.y);
      if (radius == 0 || !std::isfinite(radius)) radius = 1;
      const DialogPoint unit = UnitVector(first);
      return {base.x + radius * unit.x, base.y + radius * unit.y};
    }
    case InputDialogMode::Distance: {
      const double dx = fallback.x - base.x;
      const double dy = fallback.y - base.y;
      const double length = std::hypot(dx, dy);
      DialogPoint unit{1, 0};
      if (length > 0 && std::isfinite(length)) unit = {dx / length, dy / length};
      return {base.x + first * unit.x, base.y + first * unit.y};
    }
  }
  return fallback;
}

std::optional<DialogPoint> InputDialogModel::Evaluate(std::u16string* error,
                                                      std::optional<std::size_t>* errorRow) const {
  bool edited = false;
  for (const Row& row : rows_) edited = edited || row.edited;
  if (!edited) return loaded_;

  double values[2] = {0, 0};
  for (std::size_t i = 0; i < rows_.size() && i < 2; ++i) {
    const Row& row = rows_[i];
    if (!row.edited) {
      values[i] = row.shown;
      continue;
    }
    std::u16string_view text = row.text;
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    const std::u16string label(row.label);
    if (errorRow) *errorRow = i;
    if (text.empty()) {
      if (error) *error = u"Enter a value for " + label + u".";
      return std::nullopt;
    }
    const auto parsed = ParseNumber(text);
    if (!parsed || parsed->length != text.size()) {
      if (error) *error = label + u": \"" + std::u16string(text) + u"\" is not a number.";
      return std::nullopt;
    }
    if (!std::isfinite(parsed->value)) {
      if (error) *error = label + u": the value is out of range.";
      return std::nullopt;
    }
    values[i] = parsed->value;
  }
  if (errorRow) errorRow->reset();
  const DialogPoint point = FromValues(values[0], values[1]);
  if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
    if (error) *error = u"The point is out of range.";
    return std::nullopt;
  }
  return point;
}

std::optional<DialogPoint> InputDialogModel::Accept() {
  error_.clear();
  errorRow_.reset();
  return Evaluate(&error_, &errorRow_);
}

void InputDialogModel::TakeTypedText(std::u16string_view typed) {
  while (!typed.empty() && IsBlank(typed.front())) typed.remove_prefix(1);
  while (!typed.empty() && IsBlank(typed.back())) typed.remove_suffix(1);
  if (typed.empty()) return;
  const std::size_t comma = typed.find(u',');
  if (comma != std::u16string_view::npos && SetMode(InputDialogMode::Absolute)) {
    SetRowText(0, typed.substr(0, comma));
    SetRowText(1, typed.substr(comma + 1));
    return;
  }
  SetRowText(0, typed);
}

std::u16string InputDialogModel::FormatAngle(double degrees) {
  return Show(RoundTo(degrees, 1e-4), 4);
}

std::u16string InputDialogModel::FormatLength(double value) {
  return Show(RoundTo(value, 1e-6), 6);
}

}  // namespace korvo
