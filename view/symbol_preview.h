#pragma once

#include <filesystem>
#include <memory>

#include "platform/message_box.h"
#include "platform/raster_device.h"

namespace korvo {

class Drawing;

// A symbol's picture: every entity of `symbol` drawn through a render context of its own onto
// a new bitmap of `width` x `height` pixels, the extents of all entities fitted into it. Null
// when the bitmap cannot be had (the caller says so) or the size is not positive. A drawing
// without extents gives the bare background.
std::unique_ptr<Bitmap> RenderSymbolPreview(Drawing& symbol, int width, int height);

// What a preview area shows for a symbol file.
struct SymbolPreview {
  // The file could be read as a drawing; otherwise the preview area is hidden.
  bool shown = false;
  std::unique_ptr<Bitmap> picture;  // set when shown
};

// Reads the file into a drawing of its own and renders it. A missing or unreadable file hides
// the preview silently; a bitmap that cannot be had shows "Not enough memory to complete the
// operation!" through `messages`.
SymbolPreview PreviewSymbolFile(const std::filesystem::path& file, int width, int height,
                                MessageBoxService& messages);

}  // namespace korvo
