#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Angles as the array messages write them, and the messages' own "%s" filling.
namespace korvo::commandset::editing {

// Degrees of `radians` with two decimals, or none when they would both be zero; a negative
// value starts with "-".
std::u16string DegreeText(double radians);

// `format` with each "%s" replaced by the next of `values`, in order; a "%s" without a value
// left is kept as it stands.
std::u16string FillPlaceholders(std::u16string_view format,
                                std::initializer_list<std::u16string_view> values);

}  // namespace korvo::commandset::editing
