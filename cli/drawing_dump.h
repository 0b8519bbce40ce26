#pragma once

#include <string>

namespace korvo {

class Drawing;

// The drawing as one JSON document: the version of the file read (null when none was),
// the settings, the four tables in iteration order and the entities in list order.
std::string DumpDrawing(const Drawing& drawing, int version);

}  // namespace korvo
