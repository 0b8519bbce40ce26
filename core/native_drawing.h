#pragma once

#include "core/archive.h"
#include "core/native_versions.h"

namespace korvo {

class Drawing;

// What reading stopped at, when it did not throw.
enum class NativeReadOutcome {
  Read,          // the whole drawing was read
  TooShort,      // fewer bytes than a magic: nothing read, nothing to report
  UnknownMagic,  // not a drawing file of any version
};

// Reads a whole drawing file of any version into `drawing`, which the caller has cleared.
// A damaged file throws ArchiveError; the drawing is then half filled and must be cleared.
// On success archive.version holds the version of the file.
NativeReadOutcome ReadDrawing(ArchiveReader& archive, Drawing& drawing);
// Writes the drawing in the newest version. Throws ArchiveError for a drawing that cannot
// be written readably (no layer or no text style, or an entity that cannot write itself).
void WriteDrawing(ArchiveWriter& archive, const Drawing& drawing);

}  // namespace korvo
