#include "core/used_block_names.h"

#include "core/entity.h"
#include "core/insert_entity.h"
#include "platform/utf16.h"

namespace korvo {

void CollectUsedBlockNames(const EntityList& list, std::set<std::u16string>& upperNames) {
  for (const Entity* entity : list) {
    // Polylines derive from block references but name no block.
    if (entity->IsErased() || entity->GetElementCode() != ElementCode::Insert) continue;
    const InsertEntity& insert = *entity->AsInsert();
    upperNames.insert(ToUpper(insert.blockName));
    // Nested blocks must be written too, or the parts of this block could not be bound
    // again when the file is read.
    CollectUsedBlockNames(insert.expanded, upperNames);
    CollectUsedBlockNames(insert.attached, upperNames);
  }
}

void CollectUsedBlockNames(const EntityList& list, const BlockTable& blocks,
                           std::set<std::u16string>& upperNames) {
  CollectUsedBlockNames(list, upperNames);
  std::set<std::u16string> visited;
  for (bool grew = true; grew;) {
    grew = false;
    for (const BlockDefinition* block : blocks) {
      const std::u16string name = ToUpper(block->name);
      if (upperNames.count(name) == 0 || !visited.insert(name).second) continue;
      const std::size_t before = upperNames.size();
      CollectUsedBlockNames(*block, upperNames);
      grew = grew || upperNames.size() != before;
    }
  }
}

}  // namespace korvo
