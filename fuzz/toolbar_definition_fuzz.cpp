// Toolbar definition files are outside data: any bytes give a definition or an error, never
// a crash or a hang, and what is read stays inside the limits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "commands/toolbar_model.h"
#include "platform/toolbar_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const korvo::ToolbarDefinition definition = korvo::ParseToolbarDefinition(text);

  std::size_t lines = 0;
  for (char c : text) lines += c == '\n' ? 1 : 0;
  if (definition.error != korvo::ToolbarDefinitionError::None && !definition.records.empty())
    std::abort();
  // Three lines a record after the colour line.
  if (definition.records.size() > korvo::kMaxToolbarRecords ||
      definition.records.size() * 3 > lines + 1)
    std::abort();
  for (const korvo::ToolbarRecord& record : definition.records) {
    if (record.imageFile.size() > korvo::kMaxToolbarLineLength ||
        record.itemText.size() > korvo::kMaxToolbarLineLength ||
        record.commandText.size() > korvo::kMaxToolbarLineLength)
      std::abort();
    const korvo::ToolbarCommand command = korvo::ResolveToolbarCommand(record.commandText);
    if (command.id == 0 && !command.scriptName.empty()) std::abort();
  }
  return 0;
}
