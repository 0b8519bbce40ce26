#include "core/block_references.h"

namespace korvo {

void ResolveBlockReferences(EntityList& list, const BlockTable& blocks) {
  // No kind that exists yet refers to a block, so there is nothing to bind; the block
  // reference brings the binding with it.
  (void)list;
  (void)blocks;
}

}  // namespace korvo
