#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>

#include "plugin/plugin_api.h"

namespace korvo::commandset {

// The context of the command that runs now; the entry point saves and restores it, so a
// command may run while another one is on the stack.
PluginContext* CurrentContext();
void SetCurrentContext(PluginContext* context);

// The slot of service `id`, resolved through the context on first use and kept while the
// module stays loaded. Null when the host has no such service.
void* ServiceAddress(int32_t id);

// Calls service `id` as the function type `Fn` with the current context first. A service the
// host does not offer answers 0 (or null), as a failed call does.
template <typename Fn, typename... Args>
auto Call(int32_t id, Args... args) {
  using Result = std::invoke_result_t<Fn, PluginContext*, Args...>;
  Fn fn = reinterpret_cast<Fn>(ServiceAddress(id));
  if (fn == nullptr) return Result{};
  return fn(CurrentContext(), args...);
}

}  // namespace korvo::commandset
