#include "commands/line_type_dialog.h"

#include <cfloat>
#include <cmath>

#include "commands/table_dialog_strings.h"
#include "platform/text_format.h"
#include "platform/utf16.h"
#include "text/line_type_table.h"

namespace korvo {
namespace {

using namespace TableDialogString;

constexpr double kByLayerValue = -1.0;
constexpr double kByBlockValue = -2.0;
constexpr double kDefaultValue = -3.0;
constexpr double kMinScale = 1e-15;

// A whole text read as "%lf" reads it, blanks around it allowed.
std::optional<double> ReadNumber(std::u16string_view text) {
  const auto parsed = ParseNumber(text);
  if (!parsed) return std::nullopt;
  const std::u16string_view rest = text.substr(parsed->length);
  if (rest.find_first_not_of(u" \t") != std::u16string_view::npos) return std::nullopt;
  if (!std::isfinite(parsed->value)) return std::nullopt;
  return parsed->value;
}

std::optional<int> ReadInteger(std::u16string_view text) {
  const auto value = ReadNumber(text);
  if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e9) return std::nullopt;
  return static_cast<int>(*value);
}

std::u16string RangeMessage(double min, double max) {
  const std::u16string low = Ascii(FormatGeneral(min));
  const std::u16string high = Ascii(FormatGeneral(max));
  return FormatMessage(kEnterNumberBetween, {std::u16string_view(low), std::u16string_view(high)});
}

bool SameName(const LineType* a, const LineType& b) {
  return ToUpper(a->name) == ToUpper(b.name);
}

}  // namespace

LineTypeDialogModel::LineTypeDialogModel(const LineTypeTable& drawingTypes,
                                         std::span<const std::unique_ptr<LineType>> library,
                                         const LineTypeValues& values, int mask, bool editsScale)
    : editsScale_(editsScale),
      hasColorButtons_((mask & LineTypeDialogMask::kNoColorButtons) == 0),
      colorIndex_(values.colorIndex) {
  if ((mask & LineTypeDialogMask::kNoByLineTypes) == 0) {
    types_.push_back(&ByBlockLineType());
    types_.push_back(&ByLayerLineType());
  }
  types_.push_back(&ContinuousLineType());
  for (LineType* type : drawingTypes) {
    if (type->builtIn != 0 || SameName(type, ContinuousLineType())) continue;
    types_.push_back(type);
  }
  firstLibraryType_ = types_.size();
  for (const auto& type : library) {
    if (type && drawingTypes.Find(type->name) == nullptr &&
        !SameName(type.get(), ContinuousLineType()))
      types_.push_back(type.get());
  }
  for (std::size_t i = 0; i < types_.size(); ++i) {
    if (types_[i] == values.lineType) selectedType_ = i;
  }

  if ((mask & LineTypeDialogMask::kNoByLineWeights) == 0) {
    weightEntries_.emplace_back(TableDialogString::kByLayerWeight);
    weightEntries_.emplace_back(TableDialogString::kByBlockWeight);
  }
  weightEntries_.emplace_back(TableDialogString::kDefaultWeight);
  weightText_ = LineWeightTextOf(values.lineWeight);
  scaleText_ = Ascii(FormatGeneral(values.linetypeScale, 15));
  // By layer and by block leave the box empty; their buttons show them.
  if (colorIndex_ != 0 && colorIndex_ != 256) colorText_ = Ascii(std::to_string(colorIndex_));
  result_ = values;
}

std::u16string LineTypeDialogModel::LineWeightTextOf(double weight) {
  if (weight == kByLayerValue) return std::u16string(TableDialogString::kByLayerWeight);
  if (weight == kByBlockValue) return std::u16string(TableDialogString::kByBlockWeight);
  if (weight == kDefaultValue) return std::u16string(TableDialogString::kDefaultWeight);
  return FormatMessage(u"%4.2f", {weight});
}

bool LineTypeDialogModel::SelectLineType(std::size_t index) {
  if (index >= types_.size()) return false;
  selectedType_ = index;
  return true;
}

bool LineTypeDialogModel::SelectLineType(std::u16string_view name) {
  const std::u16string key = ToUpper(name);
  for (std::size_t i = 0; i < types_.size(); ++i) {
    if (ToUpper(types_[i]->name) == key) return SelectLineType(i);
  }
  return false;
}

void LineTypeDialogModel::SetColorText(std::u16string text) {
  colorText_ = std::move(text);
}

bool LineTypeDialogModel::PressByLayer() {
  if (!hasColorButtons_) return false;
  colorIndex_ = 256;
  colorText_.clear();
  return true;
}

bool LineTypeDialogModel::PressByBlock() {
  if (!hasColorButtons_) return false;
  colorIndex_ = 0;
  colorText_.clear();
  return true;
}

int LineTypeDialogModel::SwatchIndex() const {
  if (const auto typed = ReadInteger(colorText_); typed && *typed >= 1 && *typed <= 255)
    return *typed;
  return colorIndex_;
}

bool LineTypeDialogModel::Accept() {
  LineTypeValues values = result_;
  values.lineType = types_[selectedType_];

  if (editsScale_) {
    const auto scale = ReadNumber(scaleText_);
    if (!scale) {
      error_ = std::u16string(kEnterNumber);
      return false;
    }
    if (*scale < kMinScale) {
      error_ = RangeMessage(kMinScale, DBL_MAX);
      return false;
    }
    values.linetypeScale = *scale;
  }

  values.colorIndex = colorIndex_;
  if (!colorText_.empty()) {
    const auto color = ReadInteger(colorText_);
    if (!color) {
      error_ = std::u16string(kEnterInteger);
      return false;
    }
    if (*color < 1 || *color > 255) {
      error_ = FormatMessage(kEnterIntegerBetween, {int64_t{1}, int64_t{255}});
      return false;
    }
    values.colorIndex = *color;
  }

  const double entryValues[] = {kByLayerValue, kByBlockValue, kDefaultValue};
  bool entry = false;
  for (const double weight : entryValues) {
    const std::u16string text = LineWeightTextOf(weight);
    for (const std::u16string& offered : weightEntries_) {
      if (offered == text && weightText_ == text) {
        values.lineWeight = weight;
        entry = true;
      }
    }
  }
  if (!entry) {
    const auto weight = ReadNumber(weightText_);
    if (!weight) {
      error_ = std::u16string(kEnterNumber);
      return false;
    }
    if (*weight < 0) {
      error_ = RangeMessage(0, DBL_MAX);
      return false;
    }
    values.lineWeight = *weight;
  }

  error_.clear();
  result_ = values;
  return true;
}

}  // namespace korvo
