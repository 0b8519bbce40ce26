#include "plugin/plugin_commands.h"

#include "commands/command_engine.h"
#include "commands/command_id.h"
#include "core/drawing.h"
#include "platform/command_bar.h"
#include "platform/utf16.h"
#include "plugin/plugin_runner.h"
#include "plugin/polygon_command.h"

namespace korvo {
namespace {

constexpr PluginMenuCommand kMenuCommands[] = {
    {CommandId::DrawPoint, u"POINT", false},
    {CommandId::DrawLine, u"LINE", false},
    {CommandId::DrawArcCenter, u"ARCCEN", false},
    {CommandId::DrawArcAngle, u"ARCCSA", false},
    {CommandId::DrawArc3Point, u"ARC3PT", false},
    {CommandId::DrawCircleRadius, u"CIRCLECEN", false},
    {CommandId::DrawCircleDiameter, u"CIRCLEDIA", false},
    {CommandId::DrawCircle3Point, u"CIRCLE3PT", false},
    {CommandId::DrawEllipseRadius, u"ELLIPSECEN", false},
    {CommandId::DrawEllipseDiameter, u"ELLIPSEDIA", false},
    {CommandId::DrawTrace, u"TRACE", false},
    {CommandId::PolylineEdit, u"PEDIT", true},
    {CommandId::ArrayPolar, u"POLARARRAY", true},
    {CommandId::ArrayRectangular, u"RECTARRAY", true},
    {CommandId::Settings, u"SETTINGS", false},
};

constexpr std::u16string_view kSettingsName = u"SETTINGS";
constexpr char kScriptFolder[] = "Scripted Commands";
constexpr char kScriptExtension[] = ".KorvoJS";

PluginCommand CommandSetRun(std::u16string_view name, UndoGroupEnd undoGroup) {
  PluginCommand run;
  run.moduleFile = std::string(kCommandSetModule);
  run.commandName = std::u16string(name);
  run.undoGroup = undoGroup;
  return run;
}

// Announced, run, ended; most commands close their undo group in the run, the editing ones
// after the end.
void RunMenuCommand(CommandEngine& engine, PluginHost& host, const PluginMenuCommand& command) {
  engine.BeginCommand(command.id);
  RunPluginCommand(engine, host,
                   CommandSetRun(command.name, command.closesAfterEnd ? UndoGroupEnd::Leave
                                                                      : UndoGroupEnd::Close));
  engine.EndCommand();
  if (command.closesAfterEnd) engine.drawing().undo.EndUndoGroup();
}

// Drawing settings may run inside another command: it is neither announced nor ended, and it
// leaves the running command's undo group open.
void RunSettings(CommandEngine& engine, PluginHost& host) {
  const bool alone = engine.CurrentCommandId() == 0;
  if (alone) engine.commandBar().MoveToFront(kSettingsName);
  RunPluginCommand(engine, host,
                   CommandSetRun(kSettingsName, alone ? UndoGroupEnd::Close : UndoGroupEnd::Leave));
}

}  // namespace

std::span<const PluginMenuCommand> PluginMenuCommands() {
  return kMenuCommands;
}

void RegisterPluginCommands(CommandEngine& engine, PluginHost& host) {
  for (const PluginMenuCommand& command : kMenuCommands) {
    if (command.id == CommandId::Settings) {
      engine.RegisterCommand(command.id, [&host](CommandEngine& e, int) { RunSettings(e, host); });
      continue;
    }
    engine.RegisterCommand(
        command.id, [&host, command](CommandEngine& e, int) { RunMenuCommand(e, host, command); });
  }
  engine.RegisterCommand(CommandId::RunScriptCommand, [&host](CommandEngine& e, int) {
    if (!host.nextScript.empty()) RunScriptedCommand(e, host, host.nextScript);
  });
  RegisterPolygonCommand(engine, host);
  if (host.fileDialog != nullptr) {
    engine.RegisterCommand(CommandId::RunScript,
                           [&host](CommandEngine& e, int) { RunCustomTool(e, host); });
  }
}

void RunCustomTool(CommandEngine& engine, PluginHost& host) {
  if (host.fileDialog == nullptr) return;
  FileDialogRequest request;
  request.mode = FileDialogMode::Open;
  request.title = u"Custom Tool";
  request.filters = {{u"KorvoCAD Java Scripts", u"*.KorvoJS"}};
  request.defaultExtension = u"KorvoJS";
  request.proposed = host.lastScript.empty() ? host.folder / kScriptFolder / "" : host.lastScript;
  const std::optional<std::filesystem::path> chosen = host.fileDialog->Run(request);
  if (!chosen) return;
  host.lastScript = *chosen;
  PluginCommand run;
  run.moduleFile = std::string(kScriptModule);
  run.commandName = Utf8ToUtf16(chosen->string());
  run.cache = &host.scriptModule;
  run.dialogName = Utf8ToUtf16(chosen->stem().string());
  engine.BeginCommand(CommandId::RunScript);
  RunPluginCommand(engine, host, run);
  engine.EndCommand();
}

void RunScriptedCommand(CommandEngine& engine, PluginHost& host, std::u16string_view name) {
  const std::u16string script(name);
  const std::filesystem::path path =
      host.folder / kScriptFolder / (Utf16ToUtf8(script) + kScriptExtension);
  PluginCommand run;
  run.moduleFile = std::string(kScriptModule);
  run.commandName = Utf8ToUtf16(path.string());
  run.cache = &host.scriptModule;
  run.dialogName = script;
  engine.BeginCommand(CommandId::RunScriptCommand);
  // The script's name stands for the command among the recently used ones.
  engine.commandBar().MoveToFront(script);
  RunPluginCommand(engine, host, run);
  engine.EndCommand();
}

}  // namespace korvo
