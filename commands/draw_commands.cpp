#include "commands/draw_commands.h"

#include <memory>

#include "commands/command_engine.h"
#include "commands/command_id.h"

namespace korvo {

void RegisterDrawingCommands(CommandEngine& engine) {
  // The handlers share the options, so a dialog's values hold for the next run.
  const auto options = std::make_shared<DrawOptions>();
  const auto add = [&engine, options](int id, void (*run)(CommandEngine&, DrawOptions&)) {
    engine.RegisterCommand(id, [options, run](CommandEngine& e, int) { run(e, *options); });
  };
  add(CommandId::DrawSolid, [](CommandEngine& e, DrawOptions&) { RunSolid(e); });
  add(CommandId::DrawRectangle,
      [](CommandEngine& e, DrawOptions& o) { RunRectangle(e, o.rectangle); });
  add(CommandId::DrawDonut, [](CommandEngine& e, DrawOptions&) { RunDonut(e); });
  add(CommandId::DrawPolyline,
      [](CommandEngine& e, DrawOptions& o) { RunPolyline(e, o.polyline); });
  add(CommandId::DrawText, [](CommandEngine& e, DrawOptions& o) { RunText(e, o.text); });
  add(CommandId::DrawFreeLine, [](CommandEngine& e, DrawOptions&) { RunFreeLine(e); });
  add(CommandId::MatchProperties,
      [](CommandEngine& e, DrawOptions& o) { RunMatchProperties(e, o.match); });
  add(CommandId::SetBase, [](CommandEngine& e, DrawOptions&) { RunSetBase(e); });
}

}  // namespace korvo
