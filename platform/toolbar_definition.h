#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// One button of a toolbar definition file: three lines of text.
struct ToolbarRecord {
  std::u16string imageFile;    // relative to the folder of the definition file
  std::u16string itemText;     // kept with the button
  std::u16string commandText;  // a leading character, then the command name; may be empty

  // The command text without its leading character; empty when there is none.
  std::u16string_view CommandName() const {
    return commandText.empty() ? std::u16string_view{} : std::u16string_view(commandText).substr(1);
  }
};

enum class ToolbarDefinitionError {
  None,
  Missing,   // the file cannot be opened or read
  TooLarge,  // longer than kMaxToolbarFileBytes
  Empty,     // not even the colour line
};

struct ToolbarDefinition {
  ToolbarDefinitionError error = ToolbarDefinitionError::None;
  // False when the first line is not three numbers from 0 to 255; the background is then
  // the default and the records are read all the same.
  bool colourValid = false;
  uint8_t red = 0xC0;
  uint8_t green = 0xC0;
  uint8_t blue = 0xC0;
  std::vector<ToolbarRecord> records;
};

// Limits that keep a damaged file from costing more than a real one ever would.
inline constexpr std::size_t kMaxToolbarFileBytes = std::size_t{1} << 20;
inline constexpr std::size_t kMaxToolbarLineLength = 1024;
inline constexpr std::size_t kMaxToolbarRecords = 4096;

// Reads the text of a definition file: the colour line, then records of three lines until a
// record is incomplete or the file ends. A line longer than kMaxToolbarLineLength ends the
// records as an incomplete one does, and so does the record after kMaxToolbarRecords. Text
// is UTF-8 when it is valid UTF-8 and Windows-1252 otherwise; lines end with LF or CR LF.
ToolbarDefinition ParseToolbarDefinition(std::string_view bytes);
ToolbarDefinition ReadToolbarDefinition(const std::filesystem::path& file);

}  // namespace korvo
