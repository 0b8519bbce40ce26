#include "platform/memory_profile.h"

#include "platform/profile_value.h"
#include "platform/utf16.h"

namespace korvo {

int MemoryProfile::GetInt(std::u16string_view section, std::u16string_view key,
                          int defaultValue) const {
  const auto found = values_.find({ToUpper(section), ToUpper(key)});
  if (found == values_.end()) return defaultValue;
  return ParseProfileInt(found->second).value_or(defaultValue);
}

bool MemoryProfile::SetInt(std::u16string_view section, std::u16string_view key, int value) {
  return SetString(section, key, FormatProfileInt(value));
}

std::u16string MemoryProfile::GetString(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view defaultValue) const {
  const auto found = values_.find({ToUpper(section), ToUpper(key)});
  return found == values_.end() ? std::u16string(defaultValue) : found->second;
}

bool MemoryProfile::SetString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
  values_[{ToUpper(section), ToUpper(key)}] = std::u16string(value);
  return true;
}

}  // namespace korvo
