#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvo {

enum class FileDialogMode { Open, Save };

// One line of a file dialog's type list: what the user reads and the name pattern it lets
// through ("*.dxf").
struct FileFilter {
  std::u16string name;
  std::u16string pattern;
};

// What a file dialog is opened with.
struct FileDialogRequest {
  FileDialogMode mode = FileDialogMode::Open;
  std::u16string title;
  std::vector<FileFilter> filters;
  std::size_t selectedFilter = 0;  // index into `filters`
  // Added to a chosen name that has no extension; without the dot. Empty adds nothing.
  std::u16string defaultExtension;
  // The name shown when the dialog opens; may be empty.
  std::filesystem::path proposed;
};

// The platform's file dialogs. An open dialog returns an existing file; a save dialog a name
// in an existing folder, after the user agreed to replace a file of that name. Nothing when
// the user cancels.
class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual std::optional<std::filesystem::path> Run(const FileDialogRequest& request) = 0;
};

// The name as the dialog hands it back: `defaultExtension` appended (with a dot) when the
// file name has no extension of its own.
std::filesystem::path WithDefaultExtension(const std::filesystem::path& chosen,
                                           std::u16string_view defaultExtension);

// A file dialog without a window: each Run records the request and hands out the next
// queued answer, or asks the supplier (a journal); nothing left cancels.
class HeadlessFileDialog : public FileDialogService {
 public:
  // Nothing means cancel.
  using Supplier =
      std::function<std::optional<std::filesystem::path>(const FileDialogRequest& request)>;

  HeadlessFileDialog() = default;
  explicit HeadlessFileDialog(Supplier supplier) : supplier_(std::move(supplier)) {}

  void QueueAnswer(std::optional<std::filesystem::path> answer) {
    answers_.push_back(std::move(answer));
  }
  std::optional<std::filesystem::path> Run(const FileDialogRequest& request) override;

  const std::vector<FileDialogRequest>& Requests() const { return requests_; }

 private:
  Supplier supplier_;
  std::deque<std::optional<std::filesystem::path>> answers_;
  std::vector<FileDialogRequest> requests_;
};

}  // namespace korvo
