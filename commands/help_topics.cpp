#include "commands/help_topics.h"

#include "commands/command_table.h"
#include "platform/help_viewer.h"

namespace korvo {
namespace {

constexpr char16_t kScriptMarker = u'@';

}  // namespace

std::u16string_view CommandHelpTopic(int commandId) {
  const std::u16string_view name = CommandTable::NameOf(commandId);
  if (name.empty() || name == CommandTable::kNoCommandName) return HelpTopics::kMainContents;
  return name;
}

std::u16string_view PaletteEntryHelpTopic(std::u16string_view entry) {
  if (entry.empty()) return HelpTopics::kMainContents;
  const std::u16string_view rest = entry.substr(1);
  if (entry.front() == kScriptMarker) return rest;
  const int id = CommandTable::IdOf(rest);
  if (id == 0) return HelpTopics::kMainContents;
  return CommandHelpTopic(id);
}

}  // namespace korvo
