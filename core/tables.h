#pragma once

#include <string_view>

#include "core/block_definition.h"
#include "core/layer.h"
#include "core/text_style.h"
#include "platform/named_table.h"

namespace korvo {

using LayerTable = NamedTable<Layer>;

class TextStyleTable : public NamedTable<TextStyle> {
 public:
  TextStyleTable() = default;
  // Adds a clone of every style of `other` whose name this table does not hold.
  void MergeFrom(const TextStyleTable& other);
  // Clears this table and fills it with clones of `other`'s styles.
  void CopyFrom(const TextStyleTable& other);
};

class BlockTable : public NamedTable<BlockDefinition> {
 public:
  // Makes a definition filled with clones of `entities` and adds it.
  BlockDefinition* CreateBlock(std::u16string_view name, const EntityList& entities,
                               const Point& origin, const Point& basePoint, const Size& extent);
  // Removes the definition of that name.
  bool RemoveByName(std::u16string_view name, TableRemoval removal);
  // Removes `block` only when the entry under its own name is that very object.
  bool RemoveBlock(BlockDefinition* block, TableRemoval removal);
};

}  // namespace korvo
