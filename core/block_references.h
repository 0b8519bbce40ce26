#pragma once

#include "core/entity_list.h"
#include "core/tables.h"

namespace korvo {

// After loading: every block reference (polylines excluded) whose expanded list is still
// empty is expanded from the block found under its stored name, and the entities it thereby
// receives are treated the same way. A name that is not found leaves the reference empty.
void ResolveBlockReferences(EntityList& list, const BlockTable& blocks);

}  // namespace korvo
