#pragma once

#include <cstddef>
#include <cstdint>

#include "core/archive.h"

namespace korvo {

class Drawing;
class LineType;
class NativeReadContext;

// The table sections of a native file. Writers refer to entries by the numbers of the
// archive's save context; readers add each entry to the drawing's table and its name to the
// context's list. Readers throw ArchiveError.
void WriteLineTypeTable(ArchiveWriter& archive, const Drawing& drawing);
void ReadLineTypeTable(ArchiveReader& archive, Drawing& drawing, NativeReadContext& context);
void WriteLayerTable(ArchiveWriter& archive, const Drawing& drawing);
void ReadLayerTable(ArchiveReader& archive, Drawing& drawing, NativeReadContext& context);
void WriteTextStyleTable(ArchiveWriter& archive, const Drawing& drawing);
void ReadTextStyleTable(ArchiveReader& archive, Drawing& drawing, NativeReadContext& context);
// Only the definitions that the drawing's entities use, directly or through other
// references, are written.
void WriteBlockTable(ArchiveWriter& archive, const Drawing& drawing);
void ReadBlockTable(ArchiveReader& archive, Drawing& drawing);

// The numbers of the file being written (else BadIndex: a record that refers to a table entry
// cannot be written outside a drawing's file).
const NativeSaveContext& SaveContextOf(const ArchiveWriter& archive);

// An index field that refers to a name list: negative (as the signed value it stands for)
// is an invalid argument, one past the list a bad index.
void CheckListIndex(uint32_t index, std::size_t listSize);

}  // namespace korvo
