#pragma once

#include <cstdint>

namespace korvo {

// The entity services come in parts; EntityService asks each in turn.
void* EntityWalkService(int32_t id);      // 135-140, 170, 171, 173: selection and children
void* EntityPropertyService(int32_t id);  // 166, 217: properties by group code

}  // namespace korvo
