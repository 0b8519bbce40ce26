#include "core/archive.h"
#include "core/insert_entity.h"

namespace korvo {
namespace {

// Version from which a reference's own entities follow its (always empty) expanded list.
constexpr int kAttachedListVersion = 2;

// FIXME: the entity record reader and writer are not here yet; until they are, only empty
// lists can be read or written, and anything else is refused rather than lost silently.
void ReadEmptyEntityList(ArchiveReader& archive) {
  if (archive.ReadGuardedCount(1) != 0) throw ArchiveError(ArchiveErrorKind::BadClass);
}

}  // namespace

void InsertEntity::ReadBody(ArchiveReader& archive) {
  blockName = archive.ReadNamedString();
  insertionPoint = archive.ReadPoint();
  xScale = archive.ReadF64();
  yScale = archive.ReadF64();
  rotation = archive.ReadF64();
  ReadEmptyEntityList(archive);
  if (archive.version >= kAttachedListVersion) ReadEmptyEntityList(archive);
}

bool InsertEntity::WriteBody(ArchiveWriter& archive) const {
  if (attached.CountSaveable() != 0) return false;
  archive.WriteNamedString(blockName);
  archive.WritePoint(insertionPoint);
  archive.WriteF64(xScale);
  archive.WriteF64(yScale);
  archive.WriteF64(rotation);
  archive.WriteGuardedCount(0);  // the expanded parts are rebuilt from the block on reading
  archive.WriteGuardedCount(0);
  return true;
}

}  // namespace korvo
