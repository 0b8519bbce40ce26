#include "platform/toolbar_definition.h"

#include <charconv>
#include <optional>

#include "platform/file_io.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

// Splits into lines without their ends; a final line without an end still counts.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::optional<uint8_t> NextColourComponent(std::string_view& text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value > 255) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return static_cast<uint8_t>(value);
}

void ReadColour(std::string_view line, ToolbarDefinition& definition) {
  const auto red = NextColourComponent(line);
  const auto green = red ? NextColourComponent(line) : std::nullopt;
  const auto blue = green ? NextColourComponent(line) : std::nullopt;
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  if (!blue || !line.empty()) return;
  definition.colourValid = true;
  definition.red = *red;
  definition.green = *green;
  definition.blue = *blue;
}

}  // namespace

ToolbarDefinition ParseToolbarDefinition(std::string_view bytes) {
  ToolbarDefinition definition;
  if (bytes.size() > kMaxToolbarFileBytes) {
    definition.error = ToolbarDefinitionError::TooLarge;
    return definition;
  }
  const bool utf8 = IsValidUtf8(bytes);
  const auto decode = [utf8](std::string_view line) {
    return utf8 ? Utf8ToUtf16(line) : Cp1252ToUtf16(line);
  };
  const std::vector<std::string_view> lines = SplitLines(bytes);
  if (lines.empty()) {
    definition.error = ToolbarDefinitionError::Empty;
    return definition;
  }
  ReadColour(lines[0], definition);
  for (std::size_t first = 1; first + 3 <= lines.size(); first += 3) {
    if (definition.records.size() >= kMaxToolbarRecords) break;
    const std::string_view image = lines[first];
    const std::string_view text = lines[first + 1];
    const std::string_view command = lines[first + 2];
    if (image.size() > kMaxToolbarLineLength || text.size() > kMaxToolbarLineLength ||
        command.size() > kMaxToolbarLineLength)
      break;
    definition.records.push_back({decode(image), decode(text), decode(command)});
  }
  return definition;
}

ToolbarDefinition ReadToolbarDefinition(const std::filesystem::path& file) {
  FileReader reader;
  ToolbarDefinition missing;
  missing.error = ToolbarDefinitionError::Missing;
  if (!reader.Open(file)) return missing;
  const std::optional<uint64_t> size = reader.Size();
  if (!size) return missing;
  if (*size > kMaxToolbarFileBytes) {
    ToolbarDefinition tooLarge;
    tooLarge.error = ToolbarDefinitionError::TooLarge;
    return tooLarge;
  }
  std::string bytes(static_cast<std::size_t>(*size), '\0');
  if (reader.ReadAt(0, bytes.data(), bytes.size()) != bytes.size()) return missing;
  return ParseToolbarDefinition(bytes);
}

}  // namespace korvo
