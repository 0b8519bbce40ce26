// Drawing files are outside data: any bytes must either be read or refused with the drawing
// cleared, and whatever was read must survive saving and reading again unchanged. Reading
// the bytes a small window at a time, as files are read, must give the same.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "core/archive.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/native_drawing.h"
#include "platform/message_box.h"

namespace {

std::vector<uint8_t> Written(const korvo::Drawing& drawing) {
  korvo::ArchiveWriter writer;
  korvo::WriteDrawing(writer, drawing);
  return writer.bytes();
}

class MemorySource final : public korvo::ArchiveSource {
 public:
  MemorySource(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t ReadAt(uint64_t offset, uint8_t* buffer, std::size_t size) override {
    if (offset >= size_) return 0;
    const std::size_t n = std::min<std::size_t>(size, size_ - static_cast<std::size_t>(offset));
    std::memcpy(buffer, data_ + offset, n);
    return n;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
};

// Reading through 16-byte windows answers as reading from memory: the same result, the same
// messages and, when read, the same drawing.
void ExpectSameThroughWindows(const uint8_t* data, std::size_t size,
                              const korvo::OpenResult& result, const korvo::Drawing& drawing,
                              const korvo::RecordingMessageBox& messages) {
  MemorySource source(data, size);
  korvo::RecordingMessageBox windowed;
  korvo::Drawing other;
  const korvo::OpenResult again = korvo::OpenDrawingFromSource(source, size, 16, other, windowed);
  if (again.opened != result.opened || again.version != result.version ||
      windowed.Texts() != messages.Texts())
    __builtin_trap();
  if (result.opened && Written(other) != Written(drawing)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  korvo::RecordingMessageBox messages;
  korvo::Drawing drawing;
  const korvo::OpenResult result =
      korvo::OpenDrawingBytes(std::span<const uint8_t>(data, size), drawing, messages);
  ExpectSameThroughWindows(data, size, result, drawing, messages);
  if (!result.opened) {
    // A refused file leaves the drawing cleared and says why.
    if (!drawing.entities.empty() || !drawing.layers.empty() || !drawing.textStyles.empty() ||
        !drawing.blocks.empty() || messages.Messages().empty())
      __builtin_trap();
    // Opening turns any failure into a message; only archive errors may cause one.
    if (messages.Messages().back().text == korvo::kFailedToOpenDocument) {
      korvo::Drawing direct;
      korvo::ScopedMessageBox scope(messages);
      korvo::ArchiveReader archive(std::span<const uint8_t>(data, size));
      try {
        korvo::ReadDrawing(archive, direct);
      } catch (const korvo::ArchiveError& error) {
        if (error.kind() != korvo::ArchiveErrorKind::InvalidArgument) __builtin_trap();
      }
      direct.Clear();
    }
    return 0;
  }

  const std::vector<uint8_t> first = Written(drawing);
  korvo::Drawing reopened;
  korvo::RecordingMessageBox quiet;
  const korvo::OpenResult again = korvo::OpenDrawingBytes(first, reopened, quiet);
  if (!again.opened || again.version != korvo::kNativeFileVersion) __builtin_trap();
  // What was reported about the contents (a block that contains itself) is reported again,
  // and nothing else.
  for (const auto& message : quiet.Messages()) {
    bool shownBefore = false;
    for (const auto& earlier : messages.Messages()) shownBefore |= earlier.text == message.text;
    if (!shownBefore) __builtin_trap();
  }
  if (Written(reopened) != first) __builtin_trap();

  korvo::Point min, max;
  drawing.entities.GetExtents(min, max);
  return 0;
}
