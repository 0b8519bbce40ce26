#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/profile.h"

namespace korvo::testing {

// Stored settings held in memory. Names are folded to upper case (ASCII), as the real profile
// compares them without regard to case.
class MemoryProfile : public Profile {
 public:
  int GetInt(std::u16string_view section, std::u16string_view key,
             int defaultValue) const override {
    const auto found = ints_.find(Key(section, key));
    return found == ints_.end() ? defaultValue : found->second;
  }
  bool SetInt(std::u16string_view section, std::u16string_view key, int value) override {
    ints_[Key(section, key)] = value;
    return true;
  }
  std::u16string GetString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view defaultValue) const override {
    const auto found = strings_.find(Key(section, key));
    return found == strings_.end() ? std::u16string(defaultValue) : found->second;
  }
  bool SetString(std::u16string_view section, std::u16string_view key,
                 std::u16string_view value) override {
    strings_[Key(section, key)] = std::u16string(value);
    return true;
  }

 private:
  using Name = std::pair<std::u16string, std::u16string>;
  static std::u16string Upper(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
      if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
  }
  static Name Key(std::u16string_view section, std::u16string_view key) {
    return {Upper(section), Upper(key)};
  }
  std::map<Name, int> ints_;
  std::map<Name, std::u16string> strings_;
};

}  // namespace korvo::testing
