#include <vector>

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "commands/edit_command.h"
#include "commands/object_selection.h"
#include "commands/transform_commands.h"
#include "core/drawing.h"

namespace korvo {
namespace {

bool EraseStep(CommandEngine& engine) {
  engine.drawing().EraseSelected();
  FinishEditStep(engine);
  return true;
}

enum class Order { Front, Back };

// The drawing keeps a marker in each node an entity leaves, and records the move.
EditStep OrderStep(Order order) {
  return [order](CommandEngine& engine) {
    Drawing& drawing = engine.drawing();
    const std::vector<Entity*> chosen = drawing.selection;
    if (order == Order::Front)
      drawing.BringToFront(chosen);
    else
      drawing.SendToBack(chosen);
    FinishEditStep(engine);
    return true;
  };
}

}  // namespace

void RunErase(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::Erase, EraseStep);
}

void RunBringToFront(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::BringToFront, OrderStep(Order::Front),
                 SelectionAnswers::NoMoreOrPicked);
}

void RunSendToBack(CommandEngine& engine) {
  RunEditCommand(engine, CommandId::SendToBack, OrderStep(Order::Back),
                 SelectionAnswers::NoMoreOrPicked);
}

void RegisterEditingCommands(CommandEngine& engine) {
  const struct {
    int id;
    void (*run)(CommandEngine&);
  } commands[] = {
      {CommandId::Move, RunMove},
      {CommandId::Copy, RunCopy},
      {CommandId::Rotate, RunRotate},
      {CommandId::Scale, RunScale},
      {CommandId::Mirror, RunMirror},
      {CommandId::Erase, RunErase},
      {CommandId::BringToFront, RunBringToFront},
      {CommandId::SendToBack, RunSendToBack},
  };
  for (const auto& command : commands)
    engine.RegisterCommand(command.id, [run = command.run](CommandEngine& e, int) { run(e); });
  RegisterSelectionCommands(engine);
}

}  // namespace korvo
