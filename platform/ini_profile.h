#pragma once

#include <filesystem>
#include <optional>

#include "platform/ini_document.h"
#include "platform/profile.h"

namespace korvo {

// The stored settings in an INI file (UTF-8 on disk). The file is read once when the profile
// is made and written again, atomically, on every Set, creating its folder when missing.
// A file that cannot be read counts as empty; one too large to be a profile is left alone:
// its values are not read and Set keeps new values for this run only, so it is never
// overwritten.
class IniProfile : public Profile {
 public:
  static constexpr std::uintmax_t kMaxFileSize = 4 * 1024 * 1024;

  explicit IniProfile(std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }

  int GetInt(std::u16string_view section, std::u16string_view key, int defaultValue) const override;
  bool SetInt(std::u16string_view section, std::u16string_view key, int value) override;
  std::u16string GetString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view defaultValue) const override;
  bool SetString(std::u16string_view section, std::u16string_view key,
                 std::u16string_view value) override;

 private:
  bool Store() const;

  std::filesystem::path path_;
  IniDocument document_;
  bool writable_ = true;
};

// Where the editor keeps its profile: $XDG_CONFIG_HOME/KorvoCAD/KorvoCAD.ini, or
// $HOME/.config/KorvoCAD/KorvoCAD.ini when that variable is unset, empty or not an absolute
// path; nothing when neither is usable.
std::optional<std::filesystem::path> DefaultProfilePath();
// The same from given values (null for an unset variable).
std::optional<std::filesystem::path> DefaultProfilePath(const char* xdgConfigHome,
                                                        const char* home);

}  // namespace korvo
