#include "core/archive.h"
#include "core/insert_entity.h"
#include "core/native_context.h"
#include "core/native_entity_list.h"
#include "core/native_versions.h"

namespace korvo {
void InsertEntity::ReadBody(ArchiveReader& archive) {
  expanded.DeleteAll();
  attached.DeleteAll();
  blockName = archive.ReadNamedString();
  insertionPoint = archive.ReadPoint();
  xScale = archive.ReadF64();
  yScale = archive.ReadF64();
  rotation = archive.ReadF64();
  {
    // Older programs stored the expanded parts here; they are rebuilt from the block, so
    // whatever the file holds is read past and dropped.
    EntityList stale;
    ReadEntityList(archive, stale);
  }
  if (GetLoadVersion(archive) >= kFirstVersionWithAttachedList) ReadEntityList(archive, attached);
}

bool InsertEntity::WriteBody(ArchiveWriter& archive) const {
  archive.WriteNamedString(blockName);
  archive.WritePoint(insertionPoint);
  archive.WriteF64(xScale);
  archive.WriteF64(yScale);
  archive.WriteF64(rotation);
  archive.WriteGuardedCount(0);  // the expanded parts are never saved
  WriteEntityList(archive, attached);
  return true;
}

}  // namespace korvo
