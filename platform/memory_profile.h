#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/profile.h"

namespace korvo {

// Stored settings that last only as long as the object: tests and headless runs. Values are
// kept as text, so numbers read back exactly as from a file.
class MemoryProfile : public Profile {
 public:
  int GetInt(std::u16string_view section, std::u16string_view key, int defaultValue) const override;
  bool SetInt(std::u16string_view section, std::u16string_view key, int value) override;
  std::u16string GetString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view defaultValue) const override;
  bool SetString(std::u16string_view section, std::u16string_view key,
                 std::u16string_view value) override;

 private:
  // Upper-cased section and key.
  std::map<std::pair<std::u16string, std::u16string>, std::u16string> values_;
};

}  // namespace korvo
