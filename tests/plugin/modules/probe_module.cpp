// A plug-in module for the host's tests: a few commands that call host services the way the
// command set does, so that the loader, the context and the services are tested without the
// real commands. It sees the host only through the boundary header.
#include <cstdint>

#include "plugin/plugin_api.h"

namespace {

using namespace korvo;

// Runs since this copy of the module was loaded; a module loaded afresh starts at 0.
int runs = 0;

template <typename Fn>
Fn Service(PluginContext* context, int32_t id) {
  return reinterpret_cast<Fn>(GetPluginService(context, id));
}

bool SameName(const char16_t* a, const char16_t* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    if (*a != *b) return false;
  }
  return *a == *b;
}

PluginEntity* AddPointAt(PluginContext* context, double x, double y, const char16_t* target) {
  const auto add = Service<AddPointFn>(context, PluginService::AddPoint);
  if (add == nullptr) return nullptr;
  const PluginPoint at{x, y};
  return add(context, &at, kPluginCurrentColor, kPluginDefaultLineWeight, nullptr, nullptr, target);
}

// A point at (runs, 0).
int CountRuns(PluginContext* context) {
  ++runs;
  return AddPointAt(context, runs, 0, nullptr) != nullptr ? 1 : 0;
}

// Asks for points until the question ends: a point entity at each given point, then one at
// (final code, -1).
int AskPoints(PluginContext* context) {
  const auto get = Service<GetPointFn>(context, PluginService::GetPoint);
  if (get == nullptr) return 0;
  for (;;) {
    PluginPoint out{};
    const int32_t code = get(context, nullptr, nullptr, &out, u"Point? <done>", u"Any point",
                             PluginPointFlag::NoBase | PluginPointFlag::NoDefault);
    if (code == PluginInput::CursorMoved || code == PluginInput::PenMoved) continue;
    if (code == PluginInput::Picked) {
      AddPointAt(context, out.x, out.y, nullptr);
      continue;
    }
    AddPointAt(context, code, -1, nullptr);
    return 1;
  }
}

// A preview the command forgets to delete.
int LeaveTemporary(PluginContext* context) {
  PluginEntity* preview = AddPointAt(context, 5, 5, PluginTemporaryTarget());
  const auto draw = Service<DrawEntityFn>(context, PluginService::DrawEntity);
  if (preview == nullptr || draw == nullptr) return 0;
  draw(context, preview, 1);
  return 1;
}

// Erases the selection; the host repaints the view for it.
int EraseSelection(PluginContext* context) {
  const auto erase = Service<EraseSelectedFn>(context, PluginService::EraseSelected);
  return erase != nullptr ? erase(context) : 0;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int KorvoCADPluginProc(
    korvo::PluginContext* context, const char16_t* commandName) {
  if (commandName == nullptr) return 0;
  if (SameName(commandName, u"COUNT")) return CountRuns(context);
  if (SameName(commandName, u"POINTS")) return AskPoints(context);
  if (SameName(commandName, u"TEMPORARY")) return LeaveTemporary(context);
  if (SameName(commandName, u"ERASE")) return EraseSelection(context);
  return 0;
}

extern "C" __attribute__((visibility("default"))) int32_t KorvoCADPluginString(int32_t id,
                                                                               char16_t* buffer,
                                                                               int32_t capacity) {
  if (id != 1 || buffer == nullptr || capacity <= 0) return 0;
  const char16_t text[] = u"Probe";
  int32_t n = 0;
  for (; text[n] != 0 && n < capacity - 1; ++n) buffer[n] = text[n];
  buffer[n] = 0;
  return n;
}
