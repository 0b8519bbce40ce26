#include "core/native_settings.h"

#include "core/drawing.h"
#include "core/native_read_context.h"
#include "core/native_save_context.h"
#include "core/native_tables.h"
#include "core/native_versions.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// Files before version 4 stored by-block and by-layer as −2 and −1.
int16_t CurrentColorOfVersion(int16_t stored, int version) {
  if (version < kFirstVersionWithColorIndices && stored == -2) return 0;
  if (version < kFirstVersionWithColorIndices && stored == -1) return 256;
  return stored;
}

// A current layer or text style must name an entry of the file's own list: anything else
// is an invalid argument rather than a damaged record.
void CheckCurrentIndex(uint32_t index, std::size_t listSize) {
  if (static_cast<int32_t>(index) < 0 || index >= listSize)
    throw ArchiveError(ArchiveErrorKind::InvalidArgument);
}

template <class T>
T* Found(T* entry) {
  if (entry == nullptr) throw ArchiveError(ArchiveErrorKind::BadIndex);
  return entry;
}

// A table without entries cannot be written: the settings would refer to nothing.
template <class Table>
void CheckWritable(const Table& table) {
  if (table.empty()) throw ArchiveError(ArchiveErrorKind::InvalidArgument);
}

}  // namespace

void WriteDrawingSettings(ArchiveWriter& archive, const Drawing& drawing) {
  const DrawingSettings& s = drawing.settings;
  archive.WritePoint(s.limitsMin);
  archive.WritePoint(s.limitsMax);
  archive.WritePoint(s.viewOrigin);
  archive.WriteF64(s.viewExtent.width);
  archive.WriteF64(s.viewExtent.height);
  archive.WriteF64(s.gridSpacing);
  archive.WriteF64(s.snapSpacing);
  archive.WriteF64(s.factorA);
  archive.WriteF64(s.factorB);
  archive.WriteF64(s.linetypeScale);
  archive.WriteU8(s.gridOn);
  archive.WriteU8(s.gridSnap);
  archive.WriteI16(s.currentColorIndex);
  archive.WritePoint(s.basePoint);
  for (double value : s.values) archive.WriteF64(value);
  archive.WriteU32(s.mode);
  archive.WriteU8(s.pointDisplayMode);
  archive.WriteF64(s.pointDisplaySize);
  archive.WriteU8(s.splineFrame);
  archive.WriteU32(s.splineSegments);
  // The first entry of a table stands in for a current entry that is not in it, so that the
  // file stays readable.
  const NativeSaveContext& numbers = SaveContextOf(archive);
  CheckWritable(drawing.layers);
  CheckWritable(drawing.textStyles);
  archive.WriteU32(numbers.LineTypeIndex(s.currentLineType, ByLayerLineType()));
  archive.WriteU32(numbers.LayerIndex(s.currentLayer));
  archive.WriteU32(numbers.TextStyleIndex(s.currentTextStyle));
  archive.WriteF64(s.currentLineWeight);
}

void ReadDrawingSettings(ArchiveReader& archive, Drawing& drawing,
                         const NativeReadContext& context) {
  DrawingSettings& s = drawing.settings;
  const int version = archive.version;
  s.limitsMin = archive.ReadPoint();
  s.limitsMax = archive.ReadPoint();
  s.viewOrigin = archive.ReadPoint();
  s.viewExtent.width = archive.ReadF64();
  s.viewExtent.height = archive.ReadF64();
  s.gridSpacing = archive.ReadF64();
  s.snapSpacing = archive.ReadF64();
  s.factorA = archive.ReadF64();
  s.factorB = archive.ReadF64();
  s.linetypeScale = archive.ReadF64();
  s.gridOn = archive.ReadU8();
  s.gridSnap = archive.ReadU8();
  s.currentColorIndex = CurrentColorOfVersion(archive.ReadI16(), version);
  if (version >= kFirstVersionWithBasePoint) {
    s.basePoint = archive.ReadPoint();
    for (double& value : s.values) value = archive.ReadF64();
  }
  if (version >= kFirstVersionWithMode) s.mode = archive.ReadU32();
  if (version >= kFirstVersionWithPointDisplay) {
    s.pointDisplayMode = archive.ReadU8();
    s.pointDisplaySize = archive.ReadF64();
  }
  if (version >= kFirstVersionWithSplineValues) {
    s.splineFrame = archive.ReadU8();
    s.splineSegments = archive.ReadU32();
  }
  const uint32_t lineTypeIndex = archive.ReadU32();
  const uint32_t layerIndex = archive.ReadU32();
  const uint32_t textStyleIndex = archive.ReadU32();
  CheckListIndex(lineTypeIndex, context.lineTypeNames.size());
  s.currentLineType = Found(context.FindLineType(lineTypeIndex));
  CheckCurrentIndex(layerIndex, context.layerNames.size());
  s.currentLayer = Found(context.FindLayer(layerIndex));
  CheckCurrentIndex(textStyleIndex, context.textStyleNames.size());
  s.currentTextStyle = Found(context.FindTextStyle(textStyleIndex));
  s.currentLineWeight = archive.ReadF64();
}

}  // namespace korvo
