#pragma once

#include <filesystem>

#include "platform/message_box.h"

namespace korvo {

class Drawing;

// What "Save As" needs besides the drawing and the name.
struct SaveAsOptions {
  // The bitmap export's picture: size in pixels and background (false: black).
  int bitmapWidth = 640;
  int bitmapHeight = 480;
  bool whiteBackground = false;
};

// "Save As": the extension of `path`, compared without regard to case, chooses the format:
// ".dxf" DXF, ".bmp" a bitmap, anything else (or none) the native drawing file under
// exactly that name. Failures are shown through `messages`.
bool SaveDrawingAs(const Drawing& drawing, const std::filesystem::path& path,
                   const SaveAsOptions& options, MessageBoxService& messages);

}  // namespace korvo
