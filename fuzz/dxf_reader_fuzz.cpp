// DXF files are outside data: any bytes must either be read or refused with the drawing
// cleared and a message, and whatever was read must export and read again, and survive the
// native file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/archive.h"
#include "core/drawing.h"
#include "core/drawing_file.h"
#include "core/native_drawing.h"
#include "exchange/dxf_export.h"
#include "exchange/dxf_import.h"
#include "exchange/dxf_sink.h"
#include "platform/message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  korvo::RecordingMessageBox messages;
  korvo::Drawing drawing;
  const korvo::OpenResult result =
      korvo::ImportDxfBytes(std::span<const uint8_t>(data, size), drawing, messages);
  if (!result.opened) {
    // A refused file leaves the drawing cleared and says why.
    if (!drawing.entities.empty() || !drawing.layers.empty() || !drawing.textStyles.empty() ||
        !drawing.blocks.empty() || messages.Messages().empty())
      __builtin_trap();
    return 0;
  }
  // An opened drawing is complete, and its export is a DXF file that opens again.
  if (drawing.layers.Find(u"0") == nullptr || drawing.settings.currentLayer == nullptr)
    __builtin_trap();
  korvo::StringDxfSink sink;
  if (!korvo::WriteDxfDrawing(drawing, sink)) __builtin_trap();
  korvo::Drawing reopened;
  korvo::RecordingMessageBox quiet;
  const std::span<const uint8_t> exported(reinterpret_cast<const uint8_t*>(sink.text.data()),
                                          sink.text.size());
  if (!korvo::ImportDxfBytes(exported, reopened, quiet).opened) __builtin_trap();

  // Everything read can be saved as a native drawing and read back from it.
  korvo::ArchiveWriter writer;
  korvo::WriteDrawing(writer, drawing);
  korvo::Drawing native;
  if (!korvo::OpenDrawingBytes(writer.bytes(), native, quiet).opened) __builtin_trap();
  if (native.entities.size() != drawing.entities.size()) __builtin_trap();

  korvo::Point min, max;
  drawing.entities.GetExtents(min, max);
  return 0;
}
