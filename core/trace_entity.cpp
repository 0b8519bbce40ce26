#include "core/trace_entity.h"

namespace korvo {

int TraceEntity::GetElementCode() const {
  return ElementCode::Trace;
}

}  // namespace korvo
