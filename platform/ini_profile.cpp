#include "platform/ini_profile.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "platform/file_io.h"
#include "platform/profile_value.h"

namespace korvo {

IniProfile::IniProfile(std::filesystem::path path) : path_(std::move(path)) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path_, error);
  if (!error && size > kMaxFileSize) {
    writable_ = false;
    return;
  }
  if (const auto bytes = ReadFileBytes(path_)) {
    document_ = IniDocument::Parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  }
}

int IniProfile::GetInt(std::u16string_view section, std::u16string_view key,
                       int defaultValue) const {
  const auto value = document_.Get(section, key);
  if (!value) return defaultValue;
  return ParseProfileInt(*value).value_or(defaultValue);
}

bool IniProfile::SetInt(std::u16string_view section, std::u16string_view key, int value) {
  return SetString(section, key, FormatProfileInt(value));
}

std::u16string IniProfile::GetString(std::u16string_view section, std::u16string_view key,
                                     std::u16string_view defaultValue) const {
  return document_.Get(section, key).value_or(std::u16string(defaultValue));
}

bool IniProfile::SetString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) {
  if (!document_.Set(section, key, value)) return false;
  return writable_ && Store();
}

bool IniProfile::Store() const {
  std::error_code error;
  if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), error);
  const std::string text = document_.Serialize();
  return WriteFileAtomically(path_, [&](FileWriter& file) {
    file.Write(text);
    return true;
  });
}

std::optional<std::filesystem::path> DefaultProfilePath(const char* xdgConfigHome,
                                                        const char* home) {
  std::filesystem::path folder;
  if (xdgConfigHome != nullptr && std::filesystem::path(xdgConfigHome).is_absolute()) {
    folder = xdgConfigHome;
  } else if (home != nullptr && *home != '\0') {
    folder = std::filesystem::path(home) / ".config";
  } else {
    return std::nullopt;
  }
  return folder / "KorvoCAD" / "KorvoCAD.ini";
}

std::optional<std::filesystem::path> DefaultProfilePath() {
  return DefaultProfilePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace korvo
