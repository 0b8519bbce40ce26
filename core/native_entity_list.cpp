#include "core/native_entity_list.h"

#include <memory>

#include "core/entity.h"
#include "core/entity_factory.h"
#include "core/layer.h"
#include "core/native_context.h"
#include "core/native_save_context.h"
#include "core/native_tables.h"
#include "core/native_versions.h"
#include "platform/scoped_change.h"
#include "text/line_type.h"

namespace korvo {
namespace {

// The header fields that repeat others in a transformed form, so that a reader notices a
// misaligned or damaged record.
constexpr uint32_t kLayerMask = 0x0000F0F0;
constexpr uint32_t kLineTypeMask = 0x00000F0F;
constexpr uint8_t kCodeMask = 0x55;

// u8 code, u32, u32, u16, u8, i16, f64, u32, u32: the common header before any body.
constexpr std::size_t kHeaderBytes = 30;

// Block references carry entity lists of their own; no real drawing nests anywhere near this.
constexpr int kMaxListDepth = 64;

// Files before version 4 stored by-block and by-layer as −2 and −1.
int16_t ColorIndexOfVersion(int16_t stored, int version) {
  if (version < kFirstVersionWithColorIndices) {
    if (stored == -2) return 0;
    if (stored == -1) return 256;
  }
  return stored;
}

// An index field: negative (as the signed value it was written from) is an invalid argument,
// anything the context cannot resolve a bad index.
template <class T, class Find>
T* Resolve(uint32_t index, Find find) {
  if (static_cast<int32_t>(index) < 0) throw ArchiveError(ArchiveErrorKind::InvalidArgument);
  T* entry = find(index);
  if (entry == nullptr) throw ArchiveError(ArchiveErrorKind::BadIndex);
  return entry;
}

std::unique_ptr<Entity> ReadEntityRecord(ArchiveReader& archive) {
  const uint8_t code = archive.ReadU8();
  const uint32_t layerCheck = archive.ReadU32();
  const uint32_t lineTypeCheck = archive.ReadU32();
  const uint16_t colorCheck = archive.ReadU16();
  const uint8_t codeCheck = archive.ReadU8();
  const int16_t colorIndex = archive.ReadI16();
  const double lineWeight = archive.ReadF64();
  const uint32_t lineTypeIndex = archive.ReadU32();
  const uint32_t layerIndex = archive.ReadU32();
  if (codeCheck != (code ^ kCodeMask) ||
      colorCheck != static_cast<uint16_t>(~static_cast<uint16_t>(colorIndex)) ||
      lineTypeCheck != (lineTypeIndex ^ kLineTypeMask) || layerCheck != (layerIndex ^ kLayerMask))
    throw ArchiveError(ArchiveErrorKind::BadClass);

  const NativeLoadContext* context = archive.loadContext;
  if (context == nullptr) throw ArchiveError(ArchiveErrorKind::BadIndex);
  Layer* layer =
      Resolve<Layer>(layerIndex, [context](uint32_t i) { return context->FindLayer(i); });
  LineType* lineType =
      Resolve<LineType>(lineTypeIndex, [context](uint32_t i) { return context->FindLineType(i); });

  std::unique_ptr<Entity> entity = CreateEntity(code);
  if (!entity) throw ArchiveError(ArchiveErrorKind::BadClass);
  entity->SetColorIndex(ColorIndexOfVersion(colorIndex, GetLoadVersion(archive)));
  entity->lineWeight = lineWeight;
  entity->lineType = lineType;
  entity->layer = layer;
  entity->ReadBody(archive);
  return entity;
}

void WriteEntityRecord(ArchiveWriter& archive, const Entity& entity) {
  const auto code = static_cast<uint8_t>(entity.GetElementCode());
  // Every entity of a drawing has a layer and a line type of its tables; should one be
  // missing or foreign, the first layer and BYLAYER keep the file readable.
  const NativeSaveContext& numbers = SaveContextOf(archive);
  const uint32_t layerIndex = numbers.LayerIndex(entity.layer);
  const uint32_t lineTypeIndex = numbers.LineTypeIndex(entity.lineType, ByLayerLineType());
  const auto color = static_cast<uint16_t>(entity.colorIndex);
  archive.WriteU8(code);
  archive.WriteU32(layerIndex ^ kLayerMask);
  archive.WriteU32(lineTypeIndex ^ kLineTypeMask);
  archive.WriteU16(static_cast<uint16_t>(~color));
  archive.WriteU8(code ^ kCodeMask);
  archive.WriteI16(entity.colorIndex);
  archive.WriteF64(entity.lineWeight);
  archive.WriteU32(lineTypeIndex);
  archive.WriteU32(layerIndex);
  // A kind that cannot write itself would leave the count wrong: the file must not be kept.
  if (!entity.WriteBody(archive)) throw ArchiveError(ArchiveErrorKind::BadClass);
}

bool IsSaveable(const Entity& entity) {
  return !entity.IsErased() && entity.IsValid();
}

}  // namespace

void ReadEntityList(ArchiveReader& archive, EntityList& list) {
  // The depth is put back however the list ends.
  const ScopedChange depth(archive.listDepth, archive.listDepth + 1);
  if (archive.listDepth > kMaxListDepth) throw ArchiveError(ArchiveErrorKind::BadClass);
  const uint32_t count = archive.ReadGuardedCount(kHeaderBytes);
  for (uint32_t i = 0; i < count; ++i) list.AddTail(ReadEntityRecord(archive).release());
}

void WriteEntityList(ArchiveWriter& archive, const EntityList& list) {
  archive.WriteGuardedCount(static_cast<uint32_t>(list.CountSaveable()));
  for (const Entity* entity : list) {
    if (IsSaveable(*entity)) WriteEntityRecord(archive, *entity);
  }
}

}  // namespace korvo
