#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace korvo {

// The bytes of a whole file for reading, mapped into memory where the system can (a regular
// file), else read into memory. Large files are read without copying them.
//
// FIXME: a mapped file that another program shortens while it is read ends the process
// (SIGBUS); reading a copy would cost as much time and memory again as the parsing.
class FileView {
 public:
  // Nothing when the file cannot be opened or read.
  static std::optional<FileView> Open(const std::filesystem::path& path);

  FileView(FileView&& other) noexcept;
  FileView& operator=(FileView&&) = delete;
  FileView(const FileView&) = delete;
  FileView& operator=(const FileView&) = delete;
  ~FileView();

  std::span<const uint8_t> bytes() const { return bytes_; }

 private:
  FileView() = default;

  std::span<const uint8_t> bytes_;
  void* mapping_ = nullptr;
  std::size_t mappedSize_ = 0;
  std::vector<uint8_t> copy_;
};

}  // namespace korvo
