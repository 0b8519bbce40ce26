#include <map>
#include <memory>

#include "platform/utf16.h"
#include "text/stroke_font.h"

namespace korvo {
namespace {

std::map<std::u16string, StrokeFont*>& Cache() {
  static std::map<std::u16string, StrokeFont*> cache;
  return cache;
}

}  // namespace

StrokeFont* AcquireFont(std::u16string_view name) {
  auto& cache = Cache();
  const std::u16string key = ToUpper(name);
  auto found = cache.find(key);
  if (found != cache.end()) {
    ++found->second->referenceCount;
    return found->second;
  }
  auto* font = new StrokeFont(std::u16string(name));
  cache.emplace(key, font);
  return font;
}

void ReleaseFont(StrokeFont* font) {
  if (font == nullptr || --font->referenceCount > 0) return;
  auto& cache = Cache();
  for (auto it = cache.begin(); it != cache.end(); ++it) {
    if (it->second == font) {
      cache.erase(it);
      break;
    }
  }
  delete font;
}

}  // namespace korvo
