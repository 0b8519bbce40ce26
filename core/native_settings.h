#pragma once

#include "core/archive.h"

namespace korvo {

class Drawing;
class NativeReadContext;

// The drawing settings record. The current line type, layer and text style are written as
// their numbers in the archive's save context; on reading they are
// resolved through the context's name lists, read before. Reading throws ArchiveError.
void WriteDrawingSettings(ArchiveWriter& archive, const Drawing& drawing);
void ReadDrawingSettings(ArchiveReader& archive, Drawing& drawing,
                         const NativeReadContext& context);

}  // namespace korvo
