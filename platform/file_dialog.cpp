#include "platform/file_dialog.h"

#include "platform/utf16.h"

namespace korvo {

std::filesystem::path WithDefaultExtension(const std::filesystem::path& chosen,
                                           std::u16string_view defaultExtension) {
  if (defaultExtension.empty() || chosen.empty()) return chosen;
  // A leading dot names a hidden file, not an extension.
  const std::string name = chosen.filename().string();
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0 && dot + 1 < name.size()) return chosen;
  std::filesystem::path extended = chosen;
  // A name typed with a trailing dot keeps it as the separator.
  std::string suffix = dot == name.size() - 1 && dot > 0 ? "" : ".";
  suffix += Utf16ToUtf8(defaultExtension);
  extended += suffix;
  return extended;
}

std::optional<std::filesystem::path> HeadlessFileDialog::Run(const FileDialogRequest& request) {
  requests_.push_back(request);
  if (!answers_.empty()) {
    std::optional<std::filesystem::path> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
  }
  if (supplier_) return supplier_(request);
  return std::nullopt;
}

}  // namespace korvo
