#pragma once

#include <cstddef>
#include <cstdint>

#include "core/archive.h"

namespace korvo {

class Drawing;
class LineType;
class NativeReadContext;

// The table sections of a native file. Writers number each written entry (fileIndex) before
// writing it; readers add each entry to the drawing's table and its name to the context's
// list. Readers throw ArchiveError.
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

// The index written for a reference to `type`: its number in this file, or that of
// `standIn` when `type` is missing or not an entry of the drawing's table (and so was never
// numbered for this file).
uint32_t LineTypeFileIndex(const Drawing& drawing, const LineType* type, const LineType& standIn);

// An index field that refers to a name list: negative (as the signed value it stands for)
// is an invalid argument, one past the list a bad index.
void CheckListIndex(uint32_t index, std::size_t listSize);

}  // namespace korvo
