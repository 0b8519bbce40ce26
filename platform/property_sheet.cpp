#include "platform/property_sheet.h"

#include <cmath>
#include <cstring>

#include "platform/text_format.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

std::vector<std::u16string> SplitItems(std::u16string_view items) {
  std::vector<std::u16string> result;
  while (!items.empty()) {
    const std::size_t end = items.find(u'\n');
    std::u16string_view item = items.substr(0, end);
    if (!item.empty() && item.back() == u'\r') item.remove_suffix(1);
    result.emplace_back(item);
    if (end == std::u16string_view::npos) break;
    items.remove_prefix(end + 1);
  }
  return result;
}

// The caller's text: up to the terminator, never more than `maxLength` characters.
std::u16string ReadBuffer(const char16_t* text, int32_t maxLength) {
  std::u16string result;
  for (int32_t i = 0; i < maxLength && text[i] != 0; ++i) result.push_back(text[i]);
  return result;
}

bool BoundsHold(double min, double max) {
  return !std::isnan(min) && !std::isnan(max) && min <= max;
}

bool Within(double value, double min, double max) {
  return value >= min && value <= max;
}

}  // namespace

PropertySheetModel::PropertySheetModel(std::u16string title, std::u16string name)
    : title_(std::move(title)), name_(std::move(name)) {}

bool PropertySheetModel::AddTextRow(std::u16string label, char16_t* text, int32_t maxLength) {
  if (maxLength < 0) return false;
  Row row;
  row.kind = PropertyRowKind::Text;
  row.label = std::move(label);
  row.maxLength = maxLength;
  row.target = text;
  if (text != nullptr) row.text = ReadBuffer(text, maxLength);
  rows_.push_back(std::move(row));
  return true;
}

bool PropertySheetModel::AddIntRow(std::u16string label, int32_t* value) {
  Row row;
  row.kind = PropertyRowKind::Int;
  row.label = std::move(label);
  row.target = value;
  if (value != nullptr) row.integer = *value;
  rows_.push_back(std::move(row));
  return true;
}

bool PropertySheetModel::AddIntRangeRow(std::u16string label, int32_t* value, int32_t min,
                                        int32_t max) {
  if (min > max) return false;
  if (!AddIntRow(std::move(label), value)) return false;
  Row& row = rows_.back();
  row.kind = PropertyRowKind::IntRange;
  row.min = min;
  row.max = max;
  return true;
}

bool PropertySheetModel::AddDoubleRow(std::u16string label, double* value) {
  Row row;
  row.kind = PropertyRowKind::Double;
  row.label = std::move(label);
  row.target = value;
  if (value != nullptr) row.number = *value;
  rows_.push_back(std::move(row));
  return true;
}

bool PropertySheetModel::AddDoubleRangeRow(std::u16string label, double* value, double min,
                                           double max) {
  if (!BoundsHold(min, max)) return false;
  if (!AddDoubleRow(std::move(label), value)) return false;
  Row& row = rows_.back();
  row.kind = PropertyRowKind::DoubleRange;
  row.min = min;
  row.max = max;
  return true;
}

bool PropertySheetModel::AddYesNoRow(std::u16string label, uint8_t* value) {
  AddChoiceRow(std::move(label), value, std::u16string(kYesText), std::u16string(kNoText));
  rows_.back().kind = PropertyRowKind::YesNo;
  return true;
}

bool PropertySheetModel::AddChoiceRow(std::u16string label, uint8_t* value, std::u16string trueText,
                                      std::u16string falseText) {
  Row row;
  row.kind = PropertyRowKind::Choice;
  row.label = std::move(label);
  row.target = value;
  row.integer = value != nullptr && *value != 0 ? 1 : 0;
  row.options = {std::move(trueText), std::move(falseText)};
  rows_.push_back(std::move(row));
  return true;
}

bool PropertySheetModel::AddListRow(std::u16string label, int32_t* index,
                                    std::u16string_view items) {
  std::vector<std::u16string> options = SplitItems(items);
  if (options.empty()) return false;
  Row row;
  row.kind = PropertyRowKind::List;
  row.label = std::move(label);
  row.target = index;
  if (index != nullptr) row.integer = *index;
  row.options = std::move(options);
  rows_.push_back(std::move(row));
  return true;
}

PropertySheetModel::Row* PropertySheetModel::RowOf(std::size_t row, PropertyRowKind kind) {
  if (row >= rows_.size() || rows_[row].kind != kind) return nullptr;
  return &rows_[row];
}

const PropertySheetModel::Row* PropertySheetModel::RowOf(std::size_t row) const {
  return row < rows_.size() ? &rows_[row] : nullptr;
}

bool PropertySheetModel::SetText(std::size_t index, std::u16string_view text) {
  Row* row = RowOf(index, PropertyRowKind::Text);
  if (row == nullptr || text.size() > static_cast<std::size_t>(row->maxLength)) return false;
  row->text = std::u16string(text);
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetInt(std::size_t index, int32_t value) {
  Row* row = RowOf(index, PropertyRowKind::Int);
  if (row == nullptr) return false;
  row->integer = value;
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetIntRange(std::size_t index, int32_t value, int32_t min, int32_t max) {
  Row* row = RowOf(index, PropertyRowKind::IntRange);
  if (row == nullptr || min > max || value < min || value > max) return false;
  row->integer = value;
  row->min = min;
  row->max = max;
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetDouble(std::size_t index, double value) {
  Row* row = RowOf(index, PropertyRowKind::Double);
  if (row == nullptr || !std::isfinite(value)) return false;
  row->number = value;
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetDoubleRange(std::size_t index, double value, double min, double max) {
  Row* row = RowOf(index, PropertyRowKind::DoubleRange);
  if (row == nullptr || !std::isfinite(value) || !BoundsHold(min, max) ||
      !Within(value, min, max)) {
    return false;
  }
  row->number = value;
  row->min = min;
  row->max = max;
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetYesNo(std::size_t index, uint8_t value) {
  Row* row = RowOf(index, PropertyRowKind::YesNo);
  if (row == nullptr) return false;
  row->integer = value != 0 ? 1 : 0;
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetChoice(std::size_t index, uint8_t value, const std::u16string* trueText,
                                   const std::u16string* falseText) {
  Row* row = RowOf(index, PropertyRowKind::Choice);
  if (row == nullptr) return false;
  row->integer = value != 0 ? 1 : 0;
  if (trueText != nullptr) row->options[0] = *trueText;
  if (falseText != nullptr) row->options[1] = *falseText;
  row->typed.reset();
  row->picked.reset();
  return true;
}

bool PropertySheetModel::SetList(std::size_t index, int32_t value,
                                 const std::u16string_view* items) {
  Row* row = RowOf(index, PropertyRowKind::List);
  if (row == nullptr) return false;
  std::vector<std::u16string> options = items != nullptr ? SplitItems(*items) : row->options;
  if (value < 0 || static_cast<std::size_t>(value) >= options.size()) return false;
  row->integer = value;
  row->options = std::move(options);
  row->typed.reset();
  row->picked.reset();
  return true;
}

std::optional<std::u16string> PropertySheetModel::GetText(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr || row->kind != PropertyRowKind::Text) return std::nullopt;
  return row->text;
}

std::optional<int32_t> PropertySheetModel::GetInt(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr ||
      (row->kind != PropertyRowKind::Int && row->kind != PropertyRowKind::IntRange)) {
    return std::nullopt;
  }
  return row->integer;
}

std::optional<double> PropertySheetModel::GetDouble(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr ||
      (row->kind != PropertyRowKind::Double && row->kind != PropertyRowKind::DoubleRange)) {
    return std::nullopt;
  }
  return row->number;
}

std::optional<uint8_t> PropertySheetModel::GetFlag(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr ||
      (row->kind != PropertyRowKind::YesNo && row->kind != PropertyRowKind::Choice)) {
    return std::nullopt;
  }
  return static_cast<uint8_t>(row->integer);
}

std::optional<int32_t> PropertySheetModel::GetIndex(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr || row->kind != PropertyRowKind::List) return std::nullopt;
  return row->integer;
}

std::optional<PropertyRowKind> PropertySheetModel::RowKind(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr) return std::nullopt;
  return row->kind;
}

std::u16string_view PropertySheetModel::RowLabel(std::size_t index) const {
  const Row* row = RowOf(index);
  return row != nullptr ? std::u16string_view(row->label) : std::u16string_view();
}

std::optional<int32_t> PropertySheetModel::RowMaxLength(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr || row->kind != PropertyRowKind::Text) return std::nullopt;
  return row->maxLength;
}

std::u16string PropertySheetModel::RowText(std::size_t index) const {
  const Row* row = RowOf(index);
  if (row == nullptr) return {};
  if (row->typed) return *row->typed;
  if (row->picked) return row->options[*row->picked];
  switch (row->kind) {
    case PropertyRowKind::Text:
      return row->text;
    case PropertyRowKind::Int:
    case PropertyRowKind::IntRange:
      return Ascii(std::to_string(row->integer));
    case PropertyRowKind::Double:
    case PropertyRowKind::DoubleRange:
      return Ascii(FormatShortest(row->number));
    case PropertyRowKind::YesNo:
    case PropertyRowKind::Choice:
      return row->options[row->integer != 0 ? 0 : 1];
    case PropertyRowKind::List:
      // An index outside the items shows nothing chosen.
      if (row->integer >= 0 && static_cast<std::size_t>(row->integer) < row->options.size())
        return row->options[static_cast<std::size_t>(row->integer)];
      return {};
  }
  return {};
}

std::vector<std::u16string> PropertySheetModel::RowOptions(std::size_t index) const {
  const Row* row = RowOf(index);
  return row != nullptr ? row->options : std::vector<std::u16string>();
}

bool PropertySheetModel::SetRowText(std::size_t index, std::u16string_view text) {
  if (index >= rows_.size()) return false;
  rows_[index].typed = std::u16string(text);
  rows_[index].picked.reset();
  error_.clear();
  errorRow_.reset();
  return true;
}

bool PropertySheetModel::SetRowOption(std::size_t index, std::size_t option) {
  if (index >= rows_.size() || option >= rows_[index].options.size()) return false;
  rows_[index].picked = option;
  rows_[index].typed.reset();
  error_.clear();
  errorRow_.reset();
  return true;
}

std::optional<std::size_t> PropertySheetModel::FindRow(std::u16string_view label) const {
  const auto withoutColon = [](std::u16string_view text) {
    if (!text.empty() && text.back() == u':') text.remove_suffix(1);
    return text;
  };
  const std::u16string_view wanted = withoutColon(label);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (EqualsNoCase(withoutColon(rows_[i].label), wanted)) return i;
  }
  return std::nullopt;
}

void PropertySheetModel::Discard() {
  for (Row& row : rows_) {
    row.typed.reset();
    row.picked.reset();
  }
  error_.clear();
  errorRow_.reset();
}

}  // namespace korvo
