#pragma once

#include "core/entity_list.h"
#include "core/tables.h"

namespace korvo {

// After loading: every block reference (polylines excluded) whose expanded list is still
// empty is expanded from the block found under its stored name, and the entities it thereby
// receives are treated the same way. A name that is not found leaves the reference empty.
// A block that contains a reference to itself, or nesting too deep to expand, is reported
// in a message box.
void ResolveBlockReferences(EntityList& list, const BlockTable& blocks);

// After a file is read: the references inside every definition, then those of `entities`;
// what had to be left undone is reported once for all.
void ResolveAllBlockReferences(const BlockTable& blocks, EntityList& entities);

}  // namespace korvo
