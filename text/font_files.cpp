#include "text/font_files.h"

#include <string>
#include <system_error>

#include "platform/file_io.h"
#include "platform/program_folder.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

std::filesystem::path& FolderOverride() {
  static std::filesystem::path folder;
  return folder;
}

}  // namespace

std::filesystem::path FontFolder() {
  const std::filesystem::path& folder = FolderOverride();
  return folder.empty() ? ProgramFolder() / "FONTS" : folder;
}

std::filesystem::path SetFontFolder(std::filesystem::path folder) {
  std::filesystem::path previous = std::move(FolderOverride());
  FolderOverride() = std::move(folder);
  return previous;
}

std::optional<std::filesystem::path> FontFilePath(std::u16string_view name) {
  // Font names come from drawing files: never let one reach outside the font folder.
  if (name.empty() || name.find_first_of(u"/\\", 0, 2) != std::u16string_view::npos ||
      name.find(u'\0') != std::u16string_view::npos) {
    return std::nullopt;
  }
  std::u16string fileName(name);
  fileName += u".kcdfnt";
  const std::filesystem::path folder = FontFolder();
  std::filesystem::path exact = folder / Utf16ToUtf8(fileName);
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::filesystem::path candidate = it->path();
    if (EqualsNoCase(Utf8ToUtf16(candidate.filename().string()), fileName)) return candidate;
  }
  return exact;
}

std::optional<std::vector<uint8_t>> ReadFontFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxFontFileSize) return std::nullopt;
  auto bytes = ReadFileBytes(path);
  // The file may have grown since it was measured.
  if (bytes && bytes->size() > kMaxFontFileSize) return std::nullopt;
  return bytes;
}

}  // namespace korvo
