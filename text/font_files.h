#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace korvo {

// The folder holding the font files: "FONTS" beside the program unless overridden.
std::filesystem::path FontFolder();
// Overrides the font folder (tests and tools); an empty path restores "FONTS" beside the
// program. Returns the previous override (empty when there was none).
std::filesystem::path SetFontFolder(std::filesystem::path folder);

// Sets the font folder for the lifetime of a scope.
class ScopedFontFolder {
 public:
  explicit ScopedFontFolder(std::filesystem::path folder)
      : previous_(SetFontFolder(std::move(folder))) {}
  ~ScopedFontFolder() { SetFontFolder(previous_); }
  ScopedFontFolder(const ScopedFontFolder&) = delete;
  ScopedFontFolder& operator=(const ScopedFontFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

// The file of font `name`: the name plus ".kcdfnt" in the font folder. Font names compare
// without regard to case, so when no file has exactly that name a file whose name differs
// only in letter case is taken. Nothing when the name cannot name a file in the folder
// (empty, or holding a path separator or a NUL).
std::optional<std::filesystem::path> FontFilePath(std::u16string_view name);

// The bytes of a font file; nothing when it cannot be opened, is not a regular file or is
// larger than any font file (a font is read into memory whole).
std::optional<std::vector<uint8_t>> ReadFontFile(const std::filesystem::path& path);

inline constexpr std::uintmax_t kMaxFontFileSize = 64u << 20;

}  // namespace korvo
