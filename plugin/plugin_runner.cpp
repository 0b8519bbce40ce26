#include "plugin/plugin_runner.h"

#include <algorithm>
#include <vector>

#include "commands/command_engine.h"
#include "commands/string_table.h"
#include "core/drawing.h"
#include "platform/message_box.h"
#include "platform/program_folder.h"
#include "platform/scoped_change.h"
#include "platform/text_format.h"
#include "platform/utf16.h"
#include "plugin/plugin_api.h"
#include "plugin/plugin_context.h"

namespace korvo {
namespace {

void ShowError(MessageBoxService& messageBox, std::u16string_view text) {
  messageBox.Show(text, MessageButtons::Ok, MessageIcon::Stop);
}

// The module's own strings, read through its export; none when it has no such export.
std::function<std::u16string(int32_t)> ModuleStrings(void* address) {
  if (address == nullptr) return nullptr;
  const auto strings = reinterpret_cast<PluginStringProc>(address);
  return [strings](int32_t id) {
    std::vector<char16_t> buffer(kPluginListCapacity, 0);
    const int32_t length = strings(id, buffer.data(), kPluginListCapacity);
    if (length <= 0) return std::u16string();
    // The module promises a terminated text shorter than the buffer; trust only that much.
    const auto end = static_cast<std::size_t>(std::min(length, kPluginListCapacity - 1));
    const std::u16string_view text(buffer.data(), end);
    return std::u16string(text.substr(0, text.find(u'\0')));
  };
}

}  // namespace

PluginHost::PluginHost(ModuleLoader& moduleLoader)
    : loader(moduleLoader), folder(ProgramFolder()), scriptModule(moduleLoader) {}

void CallPlugin(PluginContext& context, const std::filesystem::path& modulePath,
                std::u16string_view commandName, PluginModuleCache* cache, ModuleLoader& loader,
                MessageBoxService& messageBox) {
  ModuleHandle module = cache != nullptr ? cache->handle() : nullptr;
  const bool fromCache = module != nullptr;
  if (module == nullptr) module = loader.Load(modulePath);
  if (module == nullptr) {
    const std::u16string path = Utf8ToUtf16(modulePath.string());
    ShowError(messageBox, FormatMessage(LoadHostString(StringId::PluginLoadFailedMessage),
                                        {std::u16string_view(path)}));
    return;
  }
  const auto proc = reinterpret_cast<PluginProc>(loader.FindExport(module, kPluginProcName));
  if (proc == nullptr) {
    ShowError(messageBox, LoadHostString(StringId::PluginEntryMissingMessage));
    if (!fromCache) loader.Release(module);
    return;
  }
  context.moduleHandle = module;
  context.moduleString = ModuleStrings(loader.FindExport(module, kPluginStringName));
  const std::u16string name(commandName);
  proc(&context, name.c_str());
  // Nothing of the module may be called once it is gone.
  context.moduleString = nullptr;
  if (cache != nullptr)
    cache->Keep(module);
  else
    loader.Release(module);
}

void RunPluginCommand(CommandEngine& engine, PluginHost& host, const PluginCommand& command) {
  View& view = engine.view();
  // SETTINGS may run inside another command, even inside one of its questions: whatever
  // that question had set up is given back afterwards.
  const int inputState = engine.inputState;
  const bool defaultAllowed = engine.defaultAllowed;
  const bool dialogAllowed = engine.dialogAllowed;
  {
    const ScopedChange running(engine.pluginRunning, true);
    const ScopedChange suspended(view.paintSuspended, true);
    PluginContext context(&engine, command.arguments.value_or(host.commandLine));
    context.dialogNameOverride = command.dialogName;
    context.files = host.files;
    CallPlugin(context, host.folder / command.moduleFile, command.commandName, command.cache,
               host.loader, engine.messageBox());
  }
  // A question the plug-in left open must not answer the next one.
  if (inputState == InputState::None) view.HideCursor();
  engine.inputState = inputState;
  engine.defaultAllowed = defaultAllowed;
  engine.dialogAllowed = dialogAllowed;
  if (!view.paintSuspended && view.paintDeferred) {
    view.paintDeferred = false;
    view.Paint();
  }
  if (command.undoGroup == UndoGroupEnd::Close) engine.drawing().undo.EndUndoGroup();
}

}  // namespace korvo
