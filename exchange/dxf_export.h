#pragma once

#include <filesystem>

namespace korvo {

class Drawing;
class DxfSink;
class MessageBoxService;

// The whole DXF file of `drawing`; false when the sink failed.
bool WriteDxfDrawing(const Drawing& drawing, DxfSink& sink);

// Writes `drawing` as a DXF file. The file is written beside `path` under a temporary name
// and renamed over `path` only when complete, so a failed export leaves an existing file as
// it was. When no file can be created there, "Invalid filename." is shown; when writing
// fails, "Failed to save document.". False on any failure.
bool ExportDxf(const Drawing& drawing, const std::filesystem::path& path,
               MessageBoxService& messages);

}  // namespace korvo
