#pragma once

#include <set>
#include <string>

#include "core/entity_list.h"
#include "core/tables.h"

namespace korvo {

// Upper-cased names of the blocks referenced by non-erased block references in `list`,
// including those carried by references (their attached lists), recursively.
void CollectUsedBlockNames(const EntityList& list, std::set<std::u16string>& upperNames);

// The names above, and then, until no new one turns up, those named inside the definitions
// of used blocks: a file must hold every block its references need, also where a reference
// has not been expanded (yet).
void CollectUsedBlockNames(const EntityList& list, const BlockTable& blocks,
                           std::set<std::u16string>& upperNames);

}  // namespace korvo
