#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "core/drawing_file.h"

namespace korvo {

class Drawing;
class MessageBoxService;

// Reads a DXF file, ASCII or binary, of release 12 to 2018 into `drawing`, as opening a
// drawing does: the drawing is cleared first and completed afterwards (layer "0", the
// built-in line types, "STANDARD"). Only model space is read. What had to be left out is
// named in one message after the load. A file that cannot be read is refused with a message
// naming the line (ASCII) or byte offset (binary), and leaves the drawing cleared.
OpenResult ImportDxfBytes(std::span<const uint8_t> bytes, Drawing& drawing,
                          MessageBoxService& messages);
OpenResult ImportDxf(const std::filesystem::path& path, Drawing& drawing,
                     MessageBoxService& messages);

}  // namespace korvo
