#include "core/native_tables.h"

#include <memory>
#include <set>

#include "core/drawing.h"
#include "core/native_entity_list.h"
#include "core/native_read_context.h"
#include "core/native_save_context.h"
#include "core/native_versions.h"
#include "core/used_block_names.h"
#include "platform/utf16.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// The fewest bytes each record can take, so that a count is checked against the file
// before anything is allocated for it: a named string is at least its 8-byte guard and a
// length byte.
constexpr std::size_t kNamedStringBytes = 9;
constexpr std::size_t kLineTypeRecordBytes = 2 * kNamedStringBytes + 8;
constexpr std::size_t kLayerRecordBytes = kNamedStringBytes + 1 + 4 + 2 + 8;
constexpr std::size_t kTextStyleRecordBytes = 2 * kNamedStringBytes + 4 * 8 + 1;
constexpr std::size_t kBlockRecordBytes = kNamedStringBytes + 16 + 16 + 8;

// Text style flags of files before version 4: two 32-bit switches.

void WriteLineType(ArchiveWriter& archive, const LineType& type) {
  archive.WriteNamedString(type.name);
  archive.WriteNamedString(type.description);
  archive.WriteGuardedCount(static_cast<uint32_t>(type.pattern.size()));
  for (double element : type.pattern) archive.WriteF64(element);
}

std::unique_ptr<LineType> ReadLineType(ArchiveReader& archive) {
  auto type = std::make_unique<LineType>();
  type->name = archive.ReadNamedString();
  type->description = archive.ReadNamedString();
  const uint32_t count = archive.ReadGuardedCount(8);
  type->pattern.reserve(count);
  for (uint32_t i = 0; i < count; ++i) type->AddElement(archive.ReadF64());
  return type;
}

uint8_t ReadTextStyleFlags(ArchiveReader& archive) {
  if (archive.version >= kFirstVersionWithByteStyleFlags) return archive.ReadU8();
  const uint32_t upsideDown = archive.ReadU32();
  const uint32_t backwards = archive.ReadU32();
  return static_cast<uint8_t>((upsideDown != 0 ? TextStyle::kUpsideDown : 0) |
                              (backwards != 0 ? TextStyle::kBackwards : 0));
}

}  // namespace

const NativeSaveContext& SaveContextOf(const ArchiveWriter& archive) {
  if (archive.saveContext == nullptr) throw ArchiveError(ArchiveErrorKind::BadIndex);
  return *archive.saveContext;
}

void CheckListIndex(uint32_t index, std::size_t listSize) {
  if (static_cast<int32_t>(index) < 0) throw ArchiveError(ArchiveErrorKind::InvalidArgument);
  if (index >= listSize) throw ArchiveError(ArchiveErrorKind::BadIndex);
}

void WriteLineTypeTable(ArchiveWriter& archive, const Drawing& drawing) {
  uint32_t written = 0;
  for (const LineType* type : drawing.lineTypes) written += type->builtIn == 0 ? 1 : 0;
  archive.WriteGuardedCount(written);
  for (const LineType* type : drawing.lineTypes) {
    if (type->builtIn == 0) WriteLineType(archive, *type);
  }
}

void ReadLineTypeTable(ArchiveReader& archive, Drawing& drawing, NativeReadContext& context) {
  const uint32_t count = archive.ReadGuardedCount(kLineTypeRecordBytes);
  for (uint32_t i = 0; i < count; ++i) {
    std::unique_ptr<LineType> type = ReadLineType(archive);
    context.lineTypeNames.push_back(type->name);
    drawing.lineTypes.Add(type.release());
  }
  context.AppendBuiltInLineTypeNames();
  for (LineType* builtIn : {&ContinuousLineType(), &ByBlockLineType(), &ByLayerLineType()})
    drawing.lineTypes.Add(builtIn);
}

void WriteLayerTable(ArchiveWriter& archive, const Drawing& drawing) {
  archive.WriteGuardedCount(static_cast<uint32_t>(drawing.layers.size()));
  for (const Layer* layer : drawing.layers) {
    archive.WriteNamedString(layer->name);
    archive.WriteU8(layer->flags);
    archive.WriteU32(SaveContextOf(archive).LineTypeIndex(layer->lineType, ContinuousLineType()));
    archive.WriteI16(layer->colorIndex);
    archive.WriteF64(layer->lineWeight);
  }
}

void ReadLayerTable(ArchiveReader& archive, Drawing& drawing, NativeReadContext& context) {
  const uint32_t count = archive.ReadGuardedCount(kLayerRecordBytes);
  for (uint32_t i = 0; i < count; ++i) {
    auto layer = std::make_unique<Layer>();
    layer->name = archive.ReadNamedString();
    layer->flags = archive.ReadU8();
    const uint32_t lineTypeIndex = archive.ReadU32();
    CheckListIndex(lineTypeIndex, context.lineTypeNames.size());
    layer->lineType = context.FindLineType(lineTypeIndex);
    if (layer->lineType == nullptr) throw ArchiveError(ArchiveErrorKind::BadIndex);
    layer->colorIndex = archive.ReadI16();
    layer->lineWeight = archive.ReadF64();
    context.layerNames.push_back(layer->name);
    drawing.layers.Add(layer.release());
  }
}

void WriteTextStyleTable(ArchiveWriter& archive, const Drawing& drawing) {
  archive.WriteGuardedCount(static_cast<uint32_t>(drawing.textStyles.size()));
  for (const TextStyle* style : drawing.textStyles) {
    archive.WriteNamedString(style->name);
    archive.WriteNamedString(style->FontName());
    archive.WriteF64(style->height);
    archive.WriteF64(style->font ? style->font->lineSpacingFactor : kDefaultLineSpacingFactor);
    archive.WriteF64(style->widthFactor);
    archive.WriteF64(style->obliqueAngle);
    archive.WriteU8(style->flags);
  }
}

void ReadTextStyleTable(ArchiveReader& archive, Drawing& drawing, NativeReadContext& context) {
  const uint32_t count = archive.ReadGuardedCount(kTextStyleRecordBytes);
  for (uint32_t i = 0; i < count; ++i) {
    std::u16string name = archive.ReadNamedString();
    const std::u16string fontName = archive.ReadNamedString();
    const double height = archive.ReadF64();
    const double lineSpacingFactor = archive.ReadF64();  // kept in the shared font record
    const double widthFactor = archive.ReadF64();
    const double obliqueAngle = archive.ReadF64();
    const uint8_t flags = ReadTextStyleFlags(archive);
    auto style = std::make_unique<TextStyle>(std::move(name), fontName, height, widthFactor,
                                             obliqueAngle, flags);
    if (style->font) style->font->lineSpacingFactor = lineSpacingFactor;
    context.textStyleNames.push_back(style->name);
    drawing.textStyles.Add(style.release());
  }
}

void WriteBlockTable(ArchiveWriter& archive, const Drawing& drawing) {
  std::set<std::u16string> used;
  CollectUsedBlockNames(drawing.entities, drawing.blocks, used);
  uint32_t written = 0;
  for (const BlockDefinition* block : drawing.blocks) written += used.count(ToUpper(block->name));
  archive.WriteGuardedCount(written);
  for (const BlockDefinition* block : drawing.blocks) {
    if (used.count(ToUpper(block->name)) == 0) continue;
    archive.WriteNamedString(block->name);
    archive.WritePoint(block->basePoint);
    archive.WriteF64(block->extent.width);
    archive.WriteF64(block->extent.height);
    archive.WritePoint(block->origin);
    WriteEntityList(archive, *block);
  }
}

void ReadBlockTable(ArchiveReader& archive, Drawing& drawing) {
  const uint32_t count = archive.ReadGuardedCount(kBlockRecordBytes);
  for (uint32_t i = 0; i < count; ++i) {
    auto block = std::make_unique<BlockDefinition>(archive.ReadNamedString());
    block->basePoint = archive.ReadPoint();
    block->extent.width = archive.ReadF64();
    block->extent.height = archive.ReadF64();
    if (archive.version >= kFirstVersionWithBlockOrigin) block->origin = archive.ReadPoint();
    ReadEntityList(archive, *block);
    drawing.blocks.Add(block.release());
  }
}

}  // namespace korvo
