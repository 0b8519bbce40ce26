#pragma once

#include "core/archive.h"
#include "core/entity_list.h"

namespace korvo {

// Guarded count, then one record (common header + body) per entity. Throws ArchiveError.
void ReadEntityList(ArchiveReader& archive, EntityList& list);
// Only the entities that are neither erased nor invalid are written and counted.
void WriteEntityList(ArchiveWriter& archive, const EntityList& list);

}  // namespace korvo
