#include "platform/file_view.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"

namespace korvo {

std::optional<FileView> FileView::Open(const std::filesystem::path& path) {
  FileView view;
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    const auto size = static_cast<std::size_t>(info.st_size);
    void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
    if (mapping != MAP_FAILED) {
      ::madvise(mapping, size, MADV_SEQUENTIAL);
      ::close(descriptor);
      view.mapping_ = mapping;
      view.mappedSize_ = size;
      view.bytes_ = std::span<const uint8_t>(static_cast<const uint8_t*>(mapping), size);
      return view;
    }
  }
  ::close(descriptor);
  // Pipes, empty files and whatever cannot be mapped are read as they come.
  std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  view.copy_ = std::move(*bytes);
  view.bytes_ = view.copy_;
  return view;
}

FileView::FileView(FileView&& other) noexcept
    : bytes_(other.bytes_),
      mapping_(other.mapping_),
      mappedSize_(other.mappedSize_),
      copy_(std::move(other.copy_)) {
  if (mapping_ == nullptr) bytes_ = copy_;
  other.mapping_ = nullptr;
  other.mappedSize_ = 0;
  other.bytes_ = {};
}

FileView::~FileView() {
  if (mapping_ != nullptr) ::munmap(mapping_, mappedSize_);
}

}  // namespace korvo
