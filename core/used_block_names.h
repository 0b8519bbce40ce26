#pragma once

#include <set>
#include <string>

#include "core/entity_list.h"

namespace korvo {

// Upper-cased names of the blocks referenced by non-erased block references in `list`,
// including those carried by references (their attached lists), recursively.
void CollectUsedBlockNames(const EntityList& list, std::set<std::u16string>& upperNames);

}  // namespace korvo
