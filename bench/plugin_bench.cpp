// One command of the command-set plug-in (load the module, resolve its entry point, run a
// LINE of one segment from the point queue, release the module) against the same line made
// by a direct call of the host's line service, timed in the same run.
#include <chrono>
#include <cstddef>

#include <benchmark/benchmark.h>

#include "commands/editor_session.h"
#include "core/drawing.h"
#include "platform/message_box.h"
#include "platform/module.h"
#include "platform/program_folder.h"
#include "plugin/plugin_api.h"
#include "plugin/plugin_commands.h"
#include "plugin/plugin_context.h"
#include "plugin/plugin_runner.h"
#include "plugin/service_table.h"

namespace korvo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr PluginPoint kStart{10, 20};
constexpr PluginPoint kEnd{110, 70};

void Queue(PluginContext& context, const PluginPoint& p, int32_t code) {
  const auto queue =
      reinterpret_cast<QueuePointFn>(GetService(&context, PluginService::QueuePoint));
  queue(&context, &p, code);
}

// The plug-in's LINE, answered from the queue: the start, the end, then a cancel. The queue
// answers the last queued point first.
void PluginLine(EditorSession& session, MessageBoxService& messages) {
  PluginContext context(&session.engine(), u"");
  Queue(context, kStart, PluginInput::Cancel);
  Queue(context, kEnd, PluginInput::Picked);
  Queue(context, kStart, PluginInput::Picked);
  CallPlugin(context, ProgramFolder() / std::string(kCommandSetModule), u"LINE", nullptr,
             DefaultModuleLoader(), messages);
}

void DirectLine(EditorSession& session) {
  PluginContext context(&session.engine(), u"");
  const auto add = reinterpret_cast<AddLineFn>(GetService(&context, PluginService::AddLine));
  add(&context, &kStart, &kEnd, kPluginCurrentColor, kPluginDefaultLineWeight, nullptr, nullptr,
      nullptr);
}

void BM_PluginLineVsDirectCall(benchmark::State& state) {
  EditorSession session;
  RecordingMessageBox messages;
  Drawing& drawing = session.drawing();
  Clock::duration plugin{}, direct{};
  for (auto _ : state) {
    const std::size_t before = drawing.entities.size();
    Clock::time_point start = Clock::now();
    PluginLine(session, messages);
    plugin += Clock::now() - start;
    drawing.undo.EndUndoGroup();
    if (drawing.entities.size() != before + 1) {
      state.SkipWithError("the plug-in's LINE made no line");
      break;
    }
    start = Clock::now();
    DirectLine(session);
    direct += Clock::now() - start;
    drawing.undo.EndUndoGroup();
    if (drawing.entities.size() != before + 2) {
      state.SkipWithError("the direct call made no line");
      break;
    }
  }
  if (!messages.Messages().empty()) state.SkipWithError("the plug-in could not be run");
  const double iterations = static_cast<double>(state.iterations());
  const double pluginUs = std::chrono::duration<double, std::micro>(plugin).count();
  const double directUs = std::chrono::duration<double, std::micro>(direct).count();
  state.counters["plugin_us"] = pluginUs / iterations;
  state.counters["direct_us"] = directUs / iterations;
  state.counters["ratio_plugin_to_direct"] = directUs > 0 ? pluginUs / directUs : 0;
}
BENCHMARK(BM_PluginLineVsDirectCall)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace korvo
