#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace korvo::commandset {

// One text of the module's string table.
struct PluginString {
  int32_t id;
  const char16_t* text;
};

// The texts of the drawing commands and of the editing commands (trace, polyline editing,
// arrays, settings); an id appears once in the two together.
std::span<const PluginString> DrawingStrings();
std::span<const PluginString> EditingStrings();

// The text of `id`, or null when the table has none.
const char16_t* FindString(int32_t id);

// The text of `id` cut to `capacity` - 1 characters, as the module's strings are loaded;
// empty when the table has none (`found` tells).
std::u16string LoadString(int32_t id, int32_t capacity, bool* found = nullptr);

}  // namespace korvo::commandset
