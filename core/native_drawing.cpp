#include "core/native_drawing.h"

#include <array>
#include <cstring>
#include <string_view>

#include "core/block_references.h"
#include "core/drawing.h"
#include "core/native_entity_list.h"
#include "core/native_read_context.h"
#include "core/native_save_context.h"
#include "core/native_settings.h"
#include "core/native_tables.h"
#include "platform/scoped_change.h"

namespace korvo {
namespace {

// The magic of each version, by version number.
constexpr std::array<std::string_view, 5> kMagics = {"QPXCAD04", "KRVCAD01", "KorvoCAD02",
                                                     "KorvoCAD03", "KorvoCAD04"};
// The first eight bytes that announce a ten-byte magic.
constexpr std::string_view kLongMagicStem = "KorvoCAD";

// The version the file's magic names: -1 for an unknown magic, -2 for a file that ends
// inside the magic.
int ReadMagic(ArchiveReader& archive) {
  constexpr int kTooShort = -2;
  char magic[10];
  std::size_t length = kLongMagicStem.size();
  if (archive.Remaining() < length) return kTooShort;
  for (std::size_t i = 0; i < length; ++i) magic[i] = static_cast<char>(archive.ReadU8());
  if (std::string_view(magic, length) == kLongMagicStem) {
    if (archive.Remaining() < 2) return kTooShort;
    magic[length++] = static_cast<char>(archive.ReadU8());
    magic[length++] = static_cast<char>(archive.ReadU8());
  }
  for (std::size_t version = 0; version < kMagics.size(); ++version) {
    if (kMagics[version] == std::string_view(magic, length)) return static_cast<int>(version);
  }
  return -1;
}

}  // namespace

NativeReadOutcome ReadDrawing(ArchiveReader& archive, Drawing& drawing) {
  const int version = ReadMagic(archive);
  if (version == -2) return NativeReadOutcome::TooShort;
  if (version < 0) return NativeReadOutcome::UnknownMagic;
  archive.version = version;

  NativeReadContext context(drawing);
  const ScopedChange loading(archive.loadContext, &context);
  ReadLineTypeTable(archive, drawing, context);
  ReadLayerTable(archive, drawing, context);
  ReadTextStyleTable(archive, drawing, context);
  ReadBlockTable(archive, drawing);
  ReadDrawingSettings(archive, drawing, context);
  ReadEntityList(archive, drawing.entities);
  ResolveAllBlockReferences(drawing.blocks, drawing.entities);
  return NativeReadOutcome::Read;
}

void WriteDrawing(ArchiveWriter& archive, const Drawing& drawing) {
  const NativeSaveContext numbers(drawing);
  const ScopedChange saving(archive.saveContext, &numbers);
  const std::string_view magic = kMagics[kNativeFileVersion];
  archive.WriteBytes(magic.data(), magic.size());
  WriteLineTypeTable(archive, drawing);
  WriteLayerTable(archive, drawing);
  WriteTextStyleTable(archive, drawing);
  WriteBlockTable(archive, drawing);
  WriteDrawingSettings(archive, drawing);
  WriteEntityList(archive, drawing.entities);
}

}  // namespace korvo
