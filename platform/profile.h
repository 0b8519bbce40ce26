#pragma once

#include <string>
#include <string_view>

namespace korvo {

// The program's stored settings: values under a section and a key. Section and key names compare
// without regard to case. The editor keeps them in an INI file in the user's configuration folder;
// tests use a profile held in memory.
class Profile {
 public:
  virtual ~Profile() = default;

  virtual int GetInt(std::u16string_view section, std::u16string_view key,
                     int defaultValue) const = 0;
  // False when the value could not be stored (an unwritable file); the value is still
  // kept for this run.
  virtual bool SetInt(std::u16string_view section, std::u16string_view key, int value) = 0;
  virtual std::u16string GetString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue) const = 0;
  virtual bool SetString(std::u16string_view section, std::u16string_view key,
                         std::u16string_view value) = 0;
};

// The section every value of the program itself lives in.
inline constexpr std::u16string_view kSettingsSection = u"SETTINGS";

}  // namespace korvo
