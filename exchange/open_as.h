#pragma once

#include <filesystem>

#include "core/drawing_file.h"

namespace korvo {

class Drawing;
class MessageBoxService;

// Opening a drawing file: a name ending in ".dxf" (in any letter case) is imported as DXF,
// anything else is read as a native drawing file. Failures are shown through `messages`.
OpenResult OpenDrawingAs(const std::filesystem::path& path, Drawing& drawing,
                         MessageBoxService& messages);

// The extension of `path` from its last "." after the last separator, lower-cased; empty
// when there is none. A name that is only an extension (".dxf") has one.
std::string LowerCaseExtension(const std::filesystem::path& path);

}  // namespace korvo
