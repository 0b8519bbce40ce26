#pragma once

#include <string>

#include "core/entity_list.h"
#include "geometry/point.h"

namespace korvo {

// A block's entities, stored relative to its base point.
class BlockDefinition : public EntityList {
 public:
  BlockDefinition() = default;
  explicit BlockDefinition(std::u16string blockName) : name(std::move(blockName)) {}

  Point origin;  // saved from file version 1
  Point basePoint;
  Size extent;          // given by the creating command
  std::u16string name;  // names beginning with "*" are generated
};

}  // namespace korvo
