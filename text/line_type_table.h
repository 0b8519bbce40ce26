#pragma once

#include "platform/named_table.h"
#include "text/line_type.h"

namespace korvo {

struct LineTypeOwnership {
  static bool IsShared(const LineType* type) { return type->builtIn != 0; }
};

// A drawing's line types. Owns its entries except the built-in ones, which every drawing
// shares and which survive clearing.
class LineTypeTable : public NamedTable<LineType, LineTypeOwnership> {
 public:
  // Adds CONTINUOUS, BYBLOCK and BYLAYER where missing.
  void AddBuiltIns();
  // Adds a copy of every line type of `other` whose name is not present here.
  void Merge(const LineTypeTable& other);
};

}  // namespace korvo
