#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "commands/command_engine.h"
#include "commands/cut_commands.h"
#include "commands/editor_session.h"
#include "commands/journal_player.h"
#include "commands/transform_commands.h"
#include "core/drawing.h"
#include "core/layer.h"
#include "core/line_entity.h"
#include "platform/journal.h"
#include "platform/module.h"
#include "plugin/plugin_api.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_context.h"
#include "plugin/plugin_runner.h"
#include "plugin/service_table.h"
#include "tests/support/one_unit_a_pixel.h"

namespace korvo::testing {

// Counts what passes through the platform's loader, so a test sees how often a module was
// loaded and released.
class CountingLoader : public ModuleLoader {
 public:
  ModuleHandle Load(const std::filesystem::path& path, std::string* error = nullptr) override {
    ModuleHandle module = platform_.Load(path, error);
    if (module != nullptr) ++loads;
    return module;
  }
  void* FindExport(ModuleHandle module, const char* name) override {
    return platform_.FindExport(module, name);
  }
  void Release(ModuleHandle module) override {
    if (module != nullptr) ++releases;
    platform_.Release(module);
  }

  int loads = 0;
  int releases = 0;

 private:
  SharedLibraryLoader platform_;
};

// The modules the tests build beside the executables.
inline constexpr char kProbeModule[] = "test_probe.kxp";
inline constexpr char kNoEntryModule[] = "test_no_entry.kxp";

// An editor session played by a journal with the plug-in commands registered, the way a user
// runs them: a 200 x 200 view at one world unit a pixel (world (0, 0) is the bottom-left
// pixel), every snap off. Probes are commands of the test's own (identifiers from kProbe on)
// that look at the session, or call services through a context of their own, from inside
// the run.
class PluginSession {
 public:
  static constexpr int kSize = 200;
  static constexpr int kProbe = 1000;

  explicit PluginSession(std::string_view journal, ModuleLoader& loader = DefaultModuleLoader())
      : read_(ReadJournal("size 200 200\n" + std::string(journal))),
        player_(read_.journal),
        session_(player_.SessionOptions()),
        host_(loader) {
    EXPECT_TRUE(read_.ok()) << (read_.error ? read_.error->message : "");
    RegisterEditingCommands(session_.engine());
    RegisterCuttingCommands(session_.engine());
    RegisterPluginCommands(session_.engine(), host_);
    DrawingSettings& s = session_.drawing().settings;
    ShowOneUnitAPixel(s, kSize);
    s.gridOn = 0;
    s.gridSnap = 0;
    s.objectSnap = 0;
    s.intersectionSnap = 0;
    s.orthoSnap = 0;
  }

  LineEntity* AddLine(const Point& a, const Point& b) {
    auto* line = new LineEntity(a, b, drawing().settings);
    drawing().entities.AddTail(line);
    return line;
  }
  Layer* AddLayer(std::u16string name) {
    auto* layer = new Layer(std::move(name), 7, nullptr, -3.0);
    drawing().layers.Add(layer);
    return layer;
  }

  // A command of the test: runs `probe` with the engine when the journal says "command N".
  void AddProbe(int id, std::function<void(CommandEngine&)> probe) {
    session_.engine().RegisterCommand(
        id, [probe = std::move(probe)](CommandEngine& engine, int) { probe(engine); });
  }
  // A command of the test that runs `command` of the module file `module`, announced and
  // ended as the menu commands are.
  void AddModuleCommand(int id, std::string module, std::u16string command,
                        UndoGroupEnd undoGroup = UndoGroupEnd::Close) {
    session_.engine().RegisterCommand(
        id, [this, module, command, undoGroup](CommandEngine& e, int commandId) {
          e.BeginCommand(commandId);
          PluginCommand run;
          run.moduleFile = module;
          run.commandName = command;
          run.undoGroup = undoGroup;
          run.cache = cache_;
          RunPluginCommand(e, host_, run);
          e.EndCommand();
        });
  }
  // Module commands added from now on keep their module loaded in `cache`.
  void UseCache(PluginModuleCache* cache) { cache_ = cache; }

  // Shows the drawing as set up, then plays the journal; the run must end normally.
  void Play() {
    session_.DrawingLoaded();
    session_.view().RepaintNow();
    before_ = session_.view().window();
    const JournalOutcome outcome = player_.Play(session_);
    EXPECT_EQ(outcome.status, JournalStatus::Ran)
        << "line " << outcome.line << ": " << outcome.message;
  }

  Drawing& drawing() { return session_.drawing(); }
  EditorSession& session() { return session_; }
  CommandEngine& engine() { return session_.engine(); }
  PluginHost& host() { return host_; }
  const Bitmap& windowBefore() const { return before_; }
  const JournalPlayer& player() const { return player_; }
  // The texts of the message boxes shown so far.
  std::vector<std::u16string> Messages() const {
    std::vector<std::u16string> texts;
    for (const auto& message : player_.messageBox().Messages()) texts.push_back(message.text);
    return texts;
  }

 private:
  JournalReadResult read_;
  JournalPlayer player_;
  EditorSession session_;
  PluginHost host_;
  PluginModuleCache* cache_ = nullptr;
  Bitmap before_{0, 0};
};

// Service `id` of `context` as its function type; null when the host has none.
template <typename Fn>
Fn Service(PluginContext& context, int32_t id) {
  return reinterpret_cast<Fn>(GetService(&context, id));
}

// Placement arguments that keep every default and add to the drawing.
struct DefaultPlacement {
  int16_t colorIndex = kPluginCurrentColor;
  double lineWeight = kPluginDefaultLineWeight;
  const char16_t* layer = nullptr;
  const char16_t* lineType = nullptr;
  const char16_t* target = nullptr;
};

// Adds a line through service 114.
inline PluginEntity* AddLineService(PluginContext& context, PluginPoint a, PluginPoint b,
                                    const DefaultPlacement& p = {}) {
  const auto add = Service<AddLineFn>(context, PluginService::AddLine);
  return add(&context, &a, &b, p.colorIndex, p.lineWeight, p.layer, p.lineType, p.target);
}

}  // namespace korvo::testing
