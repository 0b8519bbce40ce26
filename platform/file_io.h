#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvo {

// What a stream without a size (a pipe, a device) may deliver before it is given up: far more
// than any drawing, far less than an endless one (/dev/zero) would take.
inline constexpr std::size_t kMaxStreamBytes = std::size_t{512} << 20;

// Reads a whole file; nothing when it cannot be opened or read, or when more than
// `streamLimit` bytes arrive beyond the size the file had when it was opened.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  std::size_t streamLimit = kMaxStreamBytes);

// Reading a file a piece at a time, at any offset.
class FileReader {
 public:
  FileReader() = default;
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool Open(const std::filesystem::path& path);
  // The size of a regular file; nothing for anything else (a directory, a pipe, a device),
  // whose size is not known before it has been read.
  std::optional<uint64_t> Size() const;
  // Up to `size` bytes from `offset`; how many were read (fewer at the end or on an error).
  std::size_t ReadAt(uint64_t offset, void* buffer, std::size_t size);

 private:
  int descriptor_ = -1;
};

// Buffered output to a file.
class FileWriter {
 public:
  FileWriter() = default;
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  enum class OpenMode {
    Replace,    // creates the file or empties an existing one
    CreateNew,  // fails when the file exists
  };
  bool Open(const std::filesystem::path& path, OpenMode mode = OpenMode::Replace);
  bool IsOpen() const { return file_ != nullptr; }
  void Write(const void* data, std::size_t size);
  void Write(std::string_view text) { Write(text.data(), text.size()); }
  // Flushes and closes; false if any write failed.
  bool Close();
  bool Failed() const { return failed_; }

 private:
  void Flush();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  bool failed_ = false;
};

// Saving never loses the previous file: `write` fills a temporary file beside `target`, which
// is renamed over `target` only when `write` reported success and every byte reached the
// disk. On failure the temporary file is removed and `target` is untouched; an exception
// thrown by `write` is passed on after the same clean-up.
bool WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<bool(FileWriter&)>& write);

}  // namespace korvo
