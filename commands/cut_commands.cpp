#include "commands/cut_commands.h"

#include "commands/command_engine.h"
#include "commands/command_id.h"

namespace korvo {

void RegisterCuttingCommands(CommandEngine& engine) {
  const struct {
    int id;
    void (*run)(CommandEngine&);
  } commands[] = {
      {CommandId::Trim, RunTrim},
      {CommandId::Break, RunBreak},
      {CommandId::Chamfer, RunChamfer},
      {CommandId::Explode, RunExplode},
  };
  for (const auto& command : commands)
    engine.RegisterCommand(command.id, [run = command.run](CommandEngine& e, int) { run(e); });
}

}  // namespace korvo
