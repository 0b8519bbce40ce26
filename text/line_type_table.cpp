#include "text/line_type_table.h"

namespace korvo {

void LineTypeTable::AddBuiltIns() {
  for (LineType* builtIn : {&ContinuousLineType(), &ByBlockLineType(), &ByLayerLineType()}) {
    if (Find(builtIn->name) == nullptr) Add(builtIn);
  }
}

void LineTypeTable::Merge(const LineTypeTable& other) {
  for (const LineType* type : other) {
    if (Find(type->name) != nullptr) continue;
    // Built-ins are shared objects; the others are copied.
    Add(type->builtIn ? const_cast<LineType*>(type) : new LineType(*type));
  }
}

}  // namespace korvo
