#include "platform/file_io.h"

#include <cstdio>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace korvo {
namespace {
constexpr std::size_t kBufferSize = 1 << 16;
// File names are at most 255 bytes; ".tmp" and six digits follow the stem.
constexpr std::size_t kMaxTemporaryStem = 255 - 10;
}  // namespace

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path,
                                                  std::size_t streamLimit) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::vector<uint8_t> bytes;
  // Read straight into storage of the file's size, so that a large drawing is neither
  // copied through a buffer nor held twice while the vector grows.
  struct stat info {};
  if (::fstat(::fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    bytes.resize(static_cast<std::size_t>(info.st_size));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  }
  // Whatever follows: all of a file without a size (a pipe), or the rest of one that grew;
  // an endless stream is given up at the limit.
  const std::size_t sized = bytes.size();
  uint8_t chunk[kBufferSize];
  bool endless = false;
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
    if (bytes.size() - sized + n > streamLimit) {
      endless = true;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  const bool ok = std::ferror(file) == 0 && !endless;
  std::fclose(file);
  if (!ok) return std::nullopt;
  return bytes;
}

FileReader::~FileReader() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool FileReader::Open(const std::filesystem::path& path) {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  return descriptor_ >= 0;
}

std::optional<uint64_t> FileReader::Size() const {
  struct stat info {};
  if (descriptor_ < 0 || ::fstat(descriptor_, &info) != 0 || !S_ISREG(info.st_mode))
    return std::nullopt;
  return static_cast<uint64_t>(info.st_size);
}

std::size_t FileReader::ReadAt(uint64_t offset, void* buffer, std::size_t size) {
  if (descriptor_ < 0) return 0;
  auto* bytes = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n =
        ::pread(descriptor_, bytes + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

FileWriter::~FileWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileWriter::Open(const std::filesystem::path& path, OpenMode mode) {
  file_ = std::fopen(path.c_str(), mode == OpenMode::CreateNew ? "wbx" : "wb");
  failed_ = file_ == nullptr;
  buffer_.reserve(kBufferSize);
  return file_ != nullptr;
}

void FileWriter::Write(const void* data, std::size_t size) {
  if (file_ == nullptr) {
    failed_ = true;
    return;
  }
  const char* bytes = static_cast<const char*>(data);
  if (buffer_.size() + size > kBufferSize) Flush();
  if (size >= kBufferSize) {
    if (std::fwrite(bytes, 1, size, file_) != size) failed_ = true;
    return;
  }
  buffer_.insert(buffer_.end(), bytes, bytes + size);
}

void FileWriter::Flush() {
  if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
    failed_ = true;
  buffer_.clear();
}

bool FileWriter::Close() {
  if (file_ == nullptr) return false;
  Flush();
  if (std::fflush(file_) != 0) failed_ = true;
  if (::fsync(::fileno(file_)) != 0) failed_ = true;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

bool WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<bool(FileWriter&)>& write) {
  // Beside the target, so that the rename stays within one file system; never over a file
  // that happens to have the chosen name.
  std::random_device random;
  std::filesystem::path temporary;
  FileWriter writer;
  // A name of the longest length a file may have must leave room for the suffix.
  std::string stem = target.filename().string();
  if (stem.size() > kMaxTemporaryStem) stem.resize(kMaxTemporaryStem);
  for (int attempt = 0; attempt < 16 && !writer.IsOpen(); ++attempt) {
    temporary = target.parent_path() / (stem + ".tmp" + std::to_string(random() % 1000000));
    writer.Open(temporary, FileWriter::OpenMode::CreateNew);
  }
  if (!writer.IsOpen()) return false;
  std::error_code error;
  bool wrote = false;
  try {
    wrote = write(writer);
  } catch (...) {
    writer.Close();
    std::filesystem::remove(temporary, error);
    throw;
  }
  bool ok = writer.Close() && wrote;
  if (ok) {
    // The replaced file's permissions stay with the name.
    const std::filesystem::file_status old = std::filesystem::status(target, error);
    if (!error && std::filesystem::exists(old))
      std::filesystem::permissions(temporary, old.permissions(), error);
    std::filesystem::rename(temporary, target, error);
    ok = !error;
  }
  if (!ok) std::filesystem::remove(temporary, error);
  return ok;
}

}  // namespace korvo
