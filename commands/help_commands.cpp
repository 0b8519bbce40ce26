#include "commands/help_commands.h"

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/help_topics.h"
#include "platform/help_viewer.h"

namespace korvo {

void RegisterHelpCommands(CommandEngine& engine, HelpViewer& viewer) {
  // Help never becomes the current command, so the running one stays current and keeps its
  // prompt, its button and its menu.
  engine.RegisterCommand(CommandId::HelpCurrentCommand, [&viewer](CommandEngine& e, int) {
    ShowHelp(CommandHelpTopic(e.CurrentCommandId()), viewer);
  });
  engine.RegisterCommand(CommandId::HelpContents, [&viewer](CommandEngine&, int) {
    ShowHelp(HelpTopics::kMainContents, viewer);
  });
  engine.RegisterCommand(CommandId::HelpQuickStart, [&viewer](CommandEngine&, int) {
    ShowHelp(HelpTopics::kQuickStartPage, viewer);
  });
}

}  // namespace korvo
