#include "platform/prompt_line.h"

#include <algorithm>

namespace korvo {

void PromptLine::SetText(std::u16string_view text) {
  text_ = std::u16string(text);
  // A listener may remove itself or others while it is told; work on a copy.
  const auto listeners = listeners_;
  for (const auto& entry : listeners) entry.second(text_);
}

std::size_t PromptLine::AddListener(Listener listener) {
  listeners_.emplace_back(nextToken_, std::move(listener));
  return nextToken_++;
}

void PromptLine::RemoveListener(std::size_t token) {
  std::erase_if(listeners_, [&](const auto& entry) { return entry.first == token; });
}

}  // namespace korvo
