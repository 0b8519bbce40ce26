#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// The text of the prompt line, which the commands set and the shell shows. Listeners hear
// every change (the shell's text field, a journal's record of prompts).
class PromptLine {
 public:
  using Listener = std::function<void(std::u16string_view text)>;

  const std::u16string& Text() const { return text_; }
  // Tells the listeners even when the text is unchanged: a prompt asked again is shown again.
  void SetText(std::u16string_view text);
  void Clear() { SetText(u""); }

  // Returns a token for RemoveListener.
  std::size_t AddListener(Listener listener);
  void RemoveListener(std::size_t token);

 private:
  std::u16string text_;
  std::vector<std::pair<std::size_t, Listener>> listeners_;
  std::size_t nextToken_ = 1;
};

}  // namespace korvo
