#include "plugin/commandset/strings.h"

#include <algorithm>

#include "plugin/plugin_api.h"

namespace korvo::commandset {

const char16_t* FindString(int32_t id) {
  for (auto table : {DrawingStrings(), EditingStrings()}) {
    for (const PluginString& s : table) {
      if (s.id == id) return s.text;
    }
  }
  return nullptr;
}

std::u16string LoadString(int32_t id, int32_t capacity, bool* found) {
  const char16_t* text = FindString(id);
  if (found != nullptr) *found = text != nullptr;
  if (text == nullptr || capacity <= 0) return {};
  std::u16string s(text);
  if (s.size() >= static_cast<std::size_t>(capacity))
    s.resize(static_cast<std::size_t>(capacity) - 1);
  return s;
}

}  // namespace korvo::commandset

extern "C" __attribute__((visibility("default"))) int32_t KorvoCADPluginString(int32_t id,
                                                                               char16_t* buffer,
                                                                               int32_t capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  bool found = false;
  std::u16string text = korvo::commandset::LoadString(id, capacity, &found);
  if (!found) {
    buffer[0] = 0;
    return 0;
  }
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = 0;
  return static_cast<int32_t>(text.size());
}
