#include "text/line_type_library.h"

#include <string>

#include "platform/file_io.h"
#include "platform/program_folder.h"

namespace korvo {
namespace {

// Splits UTF-16LE bytes into lines: line feeds end lines, carriage returns are dropped and a
// trailing odd byte is ignored.
std::vector<std::u16string> SplitLines(const std::vector<uint8_t>& bytes) {
  std::vector<std::u16string> lines(1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (c == u'\n') {
      lines.emplace_back();
    } else if (c != u'\r') {
      lines.back().push_back(c);
    }
  }
  for (std::u16string& line : lines) {
    while (!line.empty() && (line.back() == u' ' || line.back() == u'\t')) line.pop_back();
  }
  return lines;
}

}  // namespace

void ParseLineTypeLibrary(const std::vector<uint8_t>& bytes,
                          std::vector<std::unique_ptr<LineType>>& types) {
  const std::vector<std::u16string> lines = SplitLines(bytes);
  std::size_t next = 1;  // the first line is a header
  const auto nextField = [&](std::u16string& out) {
    while (next < lines.size() && lines[next].empty()) ++next;
    if (next >= lines.size()) return false;
    out = lines[next++];
    return true;
  };
  for (;;) {
    std::u16string name, description, pattern;
    if (!nextField(name) || !nextField(description) || !nextField(pattern)) break;
    types.push_back(std::make_unique<LineType>(std::move(name), std::move(description), pattern));
  }
}

bool LoadLineTypeLibrary(const std::filesystem::path& path,
                         std::vector<std::unique_ptr<LineType>>& types) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return false;
  ParseLineTypeLibrary(*bytes, types);
  return true;
}

std::filesystem::path LineTypeLibraryPath() {
  return ProgramFolder() / kLineTypeLibraryName;
}

}  // namespace korvo
