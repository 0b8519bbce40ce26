#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/native_versions.h"
#include "geometry/point.h"

namespace korvo {

class FileWriter;
class NativeLoadContext;
class NativeSaveContext;

// The three archive failures of the native format, plus a value the format cannot hold.
enum class ArchiveErrorKind {
  BadClass,         // a structural check failed (guard words, record checks, unknown kind)
  BadIndex,         // a table index outside its name list, or a name not in its table
  EndOfFile,        // the file ended early, or a count promises more than the file holds
  InvalidArgument,  // a negative index, or a settings reference beyond its table
};

class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(ArchiveErrorKind kind);
  ArchiveErrorKind kind() const { return kind_; }

 private:
  ArchiveErrorKind kind_;
};

// Where a reader's bytes come from when the file is not held in memory.
class ArchiveSource {
 public:
  // Copies up to `size` bytes from `offset` into `buffer`; returns how many it copied.
  virtual std::size_t ReadAt(uint64_t offset, uint8_t* buffer, std::size_t size) = 0;

 protected:
  ~ArchiveSource() = default;
};

// Little-endian reader over a file held in memory or read from a source a window at a time.
// Every read checks the remaining bytes first; counts read from the file are checked against
// what is left before anything is allocated or looped over.
class ArchiveReader {
 public:
  static constexpr std::size_t kDefaultWindow = 64 * 1024;

  explicit ArchiveReader(std::span<const uint8_t> bytes)
      : size_(bytes.size()), window_(bytes.data()), windowEnd_(bytes.size()) {}
  // The `size` bytes of `source`, read `window` bytes (at least 16) at a time. A source that
  // delivers fewer bytes than `size` promised ends the file there (EndOfFile).
  ArchiveReader(ArchiveSource& source, std::size_t size, std::size_t window = kDefaultWindow);
  // The window may point into the reader's own buffer.
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  uint8_t ReadU8();
  uint16_t ReadU16();
  int16_t ReadI16() { return static_cast<int16_t>(ReadU16()); }
  uint32_t ReadU32();
  double ReadF64();
  Point ReadPoint();
  // A u32 followed by its bitwise complement (else BadClass). The file must still hold
  // `count` items of at least `minItemBytes` each (else EndOfFile).
  uint32_t ReadGuardedCount(std::size_t minItemBytes);
  // A length-prefixed string: UTF-16LE after the 0xFF 0xFE 0xFF announcement, otherwise
  // 8-bit characters in code page 1252 (see Cp1252ToUtf16).
  std::u16string ReadString();
  // A guarded count of characters followed by a string of exactly that length (else BadClass).
  std::u16string ReadNamedString();

  std::size_t Remaining() const { return size_ - offset_; }
  std::size_t Offset() const { return offset_; }

  // The version of the file being read (0..4), for the readers of records that changed;
  // the newest unless a file says otherwise.
  int version = kNativeFileVersion;
  // The drawing being read, for references by index; null outside a file read.
  const NativeLoadContext* loadContext = nullptr;
  // Entity lists being read inside one another (block references carry lists); bounded so
  // that a crafted file cannot exhaust the stack.
  int listDepth = 0;

 private:
  // Makes the next `count` bytes available in the window, or throws EndOfFile.
  void Need(std::size_t count) {
    if (count > Remaining()) throw ArchiveError(ArchiveErrorKind::EndOfFile);
    if (offset_ + count > windowEnd_) Refill(count);
  }
  void Refill(std::size_t count);
  uint8_t At(std::size_t i) const { return window_[offset_ - windowStart_ + i]; }
  uint64_t ReadStringLength(bool& unicode);

  std::size_t size_ = 0;    // of the whole file
  std::size_t offset_ = 0;  // of the next byte to read
  // The bytes held now: file offsets [windowStart_, windowEnd_) at window_.
  const uint8_t* window_ = nullptr;
  std::size_t windowStart_ = 0;
  std::size_t windowEnd_ = 0;
  ArchiveSource* source_ = nullptr;
  std::vector<uint8_t> buffer_;
};

// Little-endian writer, either into memory or through a buffered file.
class ArchiveWriter {
 public:
  ArchiveWriter() = default;
  explicit ArchiveWriter(FileWriter& file) : file_(&file) {}

  void WriteU8(uint8_t value) { Put(&value, 1); }
  void WriteU16(uint16_t value);
  void WriteI16(int16_t value) { WriteU16(static_cast<uint16_t>(value)); }
  void WriteU32(uint32_t value);
  void WriteF64(double value);
  void WritePoint(const Point& p) { WriteF64(p.x), WriteF64(p.y); }
  void WriteGuardedCount(uint32_t count) { WriteU32(count), WriteU32(~count); }
  // Always in the UTF-16 form with its announcement.
  void WriteString(std::u16string_view text);
  void WriteNamedString(std::u16string_view text);
  void WriteBytes(const void* data, std::size_t size) { Put(data, size); }

  // The bytes written, when writing into memory.
  const std::vector<uint8_t>& bytes() const { return memory_; }

  // The numbers of the drawing's table entries in the file being written; records that
  // refer to a table entry cannot be written without it.
  const NativeSaveContext* saveContext = nullptr;

 private:
  void Put(const void* data, std::size_t size);

  FileWriter* file_ = nullptr;
  std::vector<uint8_t> memory_;
};

}  // namespace korvo
