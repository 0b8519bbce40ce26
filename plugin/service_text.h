#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "plugin/plugin_api.h"

namespace korvo {

// Strings crossing the boundary. A plug-in's string is read up to its terminator but never
// past `limit` characters, so that a text missing its terminator cannot lead the host through
// the plug-in's memory.

// The text, or nothing for a null pointer or a text with no terminator within `limit`.
std::optional<std::u16string> ReadServiceText(const char16_t* text,
                                              std::size_t limit = kPluginTextCapacity - 1);

// Copies `text` into a caller's buffer of `capacity` characters: at most capacity - 1 of
// them, then the terminator. False (and nothing written) for a null buffer or a capacity
// below 1.
bool WriteServiceText(char16_t* out, std::u16string_view text,
                      int32_t capacity = kPluginTextCapacity);

}  // namespace korvo
