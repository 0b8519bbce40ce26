// Drawing files are outside data: any bytes must either be read or refused with the drawing
// cleared, and whatever was read must survive saving and reading again unchanged.

#include <cstddef>
#include <cstdint>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  korvo::RecordingMessageBox messages;
  korvo::Drawing drawing;
  const korvo::OpenResult result =
      korvo::OpenDrawingBytes(std::span<const uint8_t>(data, size), drawing, messages);
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
  // What opening reported beyond the file's own state (the references to blocks it could
  // not expand) it reports again; a file opened without a word reopens without one.
  if (!again.opened || again.version != korvo::kNativeFileVersion ||
      (messages.Messages().empty() && !quiet.Messages().empty()))
    __builtin_trap();
  if (Written(reopened) != first) __builtin_trap();

  korvo::Point min, max;
  drawing.entities.GetExtents(min, max);
  return 0;
}
