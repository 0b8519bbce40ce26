#include "plugin/polygon_command.h"

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "platform/message_queue.h"
#include "platform/window.h"
#include "plugin/plugin_runner.h"

namespace korvo {
namespace {

constexpr std::u16string_view kPolygonScript = u"draw_POLYGON";

}  // namespace

void RegisterPolygonCommand(CommandEngine& engine, PluginHost& host) {
  engine.RegisterCommand(CommandId::DrawPolygon, [&host](CommandEngine& e, int) {
    Window* frame = e.frameWindow();
    if (frame == nullptr) return;
    host.nextScript = std::u16string(kPolygonScript);
    frame->Post(CommandMessage(frame, CommandId::RunScriptCommand));
  });
}

}  // namespace korvo
